#include <QFileInfo>

#include "batch/Batch.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/SubtitleWriter.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// "Mentés" of a named subtitle: no dialog, no "saved" message. A name that
// does not fit the table's kind gets the editor's "Eltérés!" message; with
// no dialog to ask for another name nothing is written.
int runSave(BatchContext &context)
{
    const QString &in = context.args.positional[0];
    const QString &out = context.args.positional[1];
    if (const int status = readInputToWrite(context, in); status != ExitDone)
        return status;
    EditorModel &model = context.model;
    subtitlePath = out;
    subtitleFileName = QFileInfo(out).fileName();
    model.fileNameField = subtitleFileName;
    SaveOverlapCheck check(model);
    const bool written = saveSubtitle(model, false, false,
                                      context.args.has(QStringLiteral("--no-overlap-check"))
                                          ? nullptr
                                          : &check);
    if (context.args.has(QStringLiteral("--rows")))
        context.out.addRows(model);
    context.out.addLog(model);
    if (written)
        return ExitDone;
    return saveCancelled ? ExitRefused : ExitUnwritable;
}

const BatchCommand saveCommand(
    "save",
    "save IN OUT                write the table in its own kind (.srt for Time, .sub for\n"
    "                             Frame), with the save-time overlap check unless\n"
    "                             --no-overlap-check; --skip-empty leaves out empty rows",
    2, 2, runSave);

}  // namespace
