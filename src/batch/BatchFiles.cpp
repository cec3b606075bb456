#include <QFileInfo>

#include "batch/Batch.h"
#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "files/SubtitleWriter.h"
#include "tools/timing/OverlapCheck.h"

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
    textTarget = Target::main;
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
    if (whole || context.has("--partial"))
        return ExitDone;
    // Nothing is written: the records say why, with the report of the read
    // and, for a file that gave no rows, the editor's message for a file
    // with nothing in it.
    context.out.addLog();
    if (!model.readStoppedEarly && model.cds.recordCount() == 0)
        showMessageBox(QStringLiteral("Hiba"), BoxKind::error,
                       QStringLiteral("Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!"),
                       false, false, true,
                       QStringLiteral("Vagy a file értelmezhetetlen típust tartalmaz!"));
    return ExitUnreadable;
}

int saveTable(BatchContext &context, const QString &path)
{
    EditorModel &model = context.model;
    nameSubtitle(path);
    model.fileNameField = subtitleFileName;
    SaveOverlapCheck check(model);
    WriteCheck *checkOrNone = context.has("--no-overlap-check") ? nullptr : &check;
    if (saveSubtitle(model, false, false, checkOrNone))
        return ExitDone;
    return saveCancelled || saveRefused ? ExitRefused : ExitUnwritable;
}

int writeTimeTable(BatchContext &context, const QString &path)
{
    EditorModel &model = context.model;
    nameSubtitle(path);
    if (writeTimeFile(model, Target::main, nullptr))
        return ExitDone;
    return saveRefused ? ExitRefused : ExitUnwritable;
}

int writeTableInItsKind(BatchContext &context, const QString &path)
{
    if (context.model.isTimeBase())
        return writeTimeTable(context, path);
    nameSubtitle(path);
    if (writeFrameFile(context.model, Target::main))
        return ExitDone;
    return saveRefused ? ExitRefused : ExitUnwritable;
}

void reportTable(BatchContext &context)
{
    if (context.has("--rows"))
        context.out.addRows();
    context.out.addLog();
}
