#include <QTextStream>

#include "app/ModeValues.h"
#include "batch/BatchCommands.h"
#include "editor/EditorModel.h"
#include "tools/timing/TimeBase.h"

namespace {

// The editor's beosztas: the table is rewritten in the other time base at
// --fps and written to OUT in its new kind; the same base writes it as read.
int runTimebase(BatchContext &context)
{
    const QString base = context.operand("Time|Frame");
    if (base != TimeBase::time && base != TimeBase::frame) {
        QTextStream(stderr) << "kelvo-batch: timebase takes Time or Frame\n";
        return ExitUsage;
    }
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    chooseTimeBase(context.model, base);
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

}  // namespace

const BatchCommand timebaseCommand{
    "timebase", "Time|Frame IN OUT", {},
    "switch the time base at --fps; OUT is written in the new kind",
    runTimebase};
