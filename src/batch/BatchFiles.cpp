#include <QFileInfo>

#include "batch/Batch.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "files/SubtitleWriter.h"

// The readers and writers take their file from the globals the open and
// save dialogs set; these steps set them as the dialogs would, so no command
// touches them.

namespace {

void nameSubtitle(const QString &path)
{
    subtitlePath = path;
    subtitleFileName = QFileInfo(path).fileName();
}

}  // namespace

int readInput(BatchContext &context, const QString &path, QString *type)
{
    EditorModel &model = context.model;
    nameSubtitle(path);
    lastDirectory = QFileInfo(path).path() + u'/';
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
    return whole || context.has("--partial") ? ExitDone : ExitUnreadable;
}

int saveTable(BatchContext &context, const QString &path)
{
    EditorModel &model = context.model;
    nameSubtitle(path);
    model.fileNameField = subtitleFileName;
    if (saveSubtitle(model, false, false))
        return ExitDone;
    return saveCancelled ? ExitRefused : ExitUnwritable;
}

int writeTimeTable(BatchContext &context, const QString &path)
{
    EditorModel &model = context.model;
    nameSubtitle(path);
    const bool check = model.options.mentAt;
    model.options.mentAt = false;
    const bool written = writeTimeFile(model, QStringLiteral("1"));
    model.options.mentAt = check;
    return written ? ExitDone : ExitUnwritable;
}

int writeTableInItsKind(BatchContext &context, const QString &path)
{
    if (context.model.isTimeBase())
        return writeTimeTable(context, path);
    nameSubtitle(path);
    return writeFrameFile(context.model, QStringLiteral("1")) ? ExitDone : ExitUnwritable;
}

void reportTable(BatchContext &context)
{
    if (context.has("--rows"))
        context.out.addRows();
    context.out.addLog();
}
