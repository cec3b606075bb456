#include <QFileInfo>

#include "batch/Batch.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"

int readInput(BatchContext &context, const QString &path, QString *type)
{
    EditorModel &model = context.model;
    const QFileInfo info(path);
    subtitlePath = path;
    subtitleFileName = info.fileName();
    lastDirectory = info.path() + u'/';
    textTarget = QStringLiteral("1");
    model.cds.create();
    prepareEditor(model, true, subtitleFileName);
    const QString detected = readIntoEditor(model);
    if (type)
        *type = detected;
    return isReadSuccess(detected) ? ExitDone : ExitUnreadable;
}

int readInputToWrite(BatchContext &context, const QString &path)
{
    const int status = readInput(context, path);
    if (status != ExitDone)
        return status;
    const EditorModel &model = context.model;
    const bool whole = !model.readStoppedEarly && model.cds.recordCount() > 0;
    return whole || context.args.has(QStringLiteral("--partial")) ? ExitDone : ExitUnreadable;
}
