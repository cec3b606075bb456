#include "batch/BatchCommands.h"

namespace {

// "Mentés" of a named subtitle: no dialog, no "saved" message.
int runSave(BatchContext &context)
{
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    const int status = saveTable(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

}  // namespace

const BatchCommand saveCommand{
    "save", "IN OUT", {},
    "write the table in its own kind (.srt for Time, .sub for Frame), with the save-time "
    "overlap check unless --no-overlap-check; --skip-empty leaves out empty rows",
    runSave};
