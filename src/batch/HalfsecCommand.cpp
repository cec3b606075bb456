#include "batch/Batch.h"
#include "editor/EditorModel.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// The editor's "0.5 mp" button: lists the lines that last exactly 0,5 s.
int runHalfsec(BatchContext &context)
{
    if (const int status = readInput(context, context.args.positional[0]); status != ExitDone)
        return status;
    listHalfSecondLines(context.model);
    if (context.args.has(QStringLiteral("--rows")))
        context.out.addRows(context.model);
    context.out.addLog(context.model);
    return ExitDone;
}

const BatchCommand halfsecCommand("halfsec",
                                  "halfsec IN                 list the lines that last exactly 0,5 s",
                                  1, 1, runHalfsec);

}  // namespace
