#include "batch/BatchCommands.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// The editor's "0.5 mp" button: lists the lines that last exactly 0,5 s.
int runHalfsec(BatchContext &context)
{
    if (const int status = readInput(context, context.operand("IN")); status != ExitDone)
        return status;
    listHalfSecondLines(context.model);
    reportTable(context);
    return ExitDone;
}

}  // namespace

const BatchCommand halfsecCommand{"halfsec", "IN", {}, "list the lines that last exactly 0,5 s",
                                  runHalfsec};
