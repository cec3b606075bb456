#include "batch/BatchCommands.h"
#include "tools/search/Replace.h"

namespace {

// "Összes találat cseréje" of the search and replace window over every row;
// OUT is written in the table's own kind without the save-time check, so
// the printed log is the replacement's own.
int runReplace(BatchContext &context)
{
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    replaceAll(context.model, context.operand("FIND"), context.operand("WITH"),
               context.has("--case"));
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

constexpr BatchSwitch replaceSwitches[] = {
    {"--case", nullptr, "tell small and capital letters apart (\"Kis- és nagybetű megkülönböztetése\")"},
};

}  // namespace

const BatchCommand replaceCommand{
    "replace", "FIND WITH [..] IN OUT", replaceSwitches,
    "replace every match of FIND by WITH in every row, each replacement logged (an empty FIND "
    "changes nothing); OUT is written in the table's own kind without the save-time check",
    runReplace};
