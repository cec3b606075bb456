#include "batch/BatchCommands.h"
#include "batch/BatchRecords.h"

namespace {

// Prints the type and what the table holds after the read, also after a
// refused one, so the rows read before a stop can be seen.
int runRead(BatchContext &context)
{
    QString type;
    const int status = readInput(context, context.operand("IN"), &type);
    context.out.setType(type);
    context.out.addRows();
    context.out.addLog();
    return status;
}

}  // namespace

const BatchCommand readCommand{"read", "IN", {},
                               "read IN as the editor opens it: type, rows, repairs", runRead};
