#include "batch/Batch.h"
#include "editor/EditorModel.h"

namespace {

// Prints what the table holds after the read, also after a refused one, so
// the rows read before a stop can be seen.
int runRead(BatchContext &context)
{
    QString type;
    const int status = readInput(context, context.args.positional.at(0), &type);
    context.out.setType(type);
    context.out.addRows(context.model);
    context.out.addLog(context.model);
    return status;
}

const BatchCommand readCommand("read", "read IN", 1, 1, runRead);

}  // namespace
