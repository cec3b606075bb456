#include "batch/Batch.h"

#include "editor/EditorModel.h"

int readInput(BatchContext &context, const QString &path, QString *type)
{
    return ExitUnreadable;
}
