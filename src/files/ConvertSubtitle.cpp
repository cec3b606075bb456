#include "files/ConvertSubtitle.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "files/EditorSave.h"
#include "files/FileGlobals.h"
#include "files/FileReplace.h"
#include "files/SubtitleFormat.h"
#include "files/WriterEngine.h"

namespace {

void tellOutcome(const ConvertedSubtitle &file)
{
    if (file.fellBackToUtf8)
        showMessageBox(QStringLiteral("Mentés"), BoxKind::info,
                       QStringLiteral("Néhány betű nem fér el az 1250-es kódlapban,"), false,
                       false, true,
                       QStringLiteral("ezért a file-t UTF-8 kódolással mentettem."));
    if (file.replacedChars > 0)
        showMessageBox(QStringLiteral("Mentés"), BoxKind::info,
                       QStringLiteral("Néhány betű nem fér el az 1250-es kódlapban,"), false,
                       false, true, QStringLiteral("ezért a helyükre \"?\" jelet írtam."));
    if (file.skippedRows > 0)
        showMessageBox(QStringLiteral("Konvertálás"), BoxKind::info,
                       QString::number(file.skippedRows)
                           + QStringLiteral(" sort kihagytam, mert a kezdése vagy a befejezése"),
                       false, false, true, QStringLiteral("nem időkód."));
    if (file.shortenedRows > 0)
        showMessageBox(QStringLiteral("Konvertálás"), BoxKind::info,
                       QString::number(file.shortenedRows)
                           + QStringLiteral(" sor szövegéből csak az első három sort írtam ki,"),
                       false, false, true,
                       QStringLiteral("mert ez a formátum legfeljebb három sort tud."));
    if (file.droppedRows > 0)
        showMessageBox(QStringLiteral("Konvertálás"), BoxKind::info,
                       QString::number(file.droppedRows)
                           + QStringLiteral(" sort kihagytam, mert ez a formátum"),
                       false, false, true, QStringLiteral("nem tudja kiírni."));
}

}  // namespace

ConvertOutcome convertTable(EditorModel &model, const QString &formatName, bool askName)
{
    const SubtitleFormat *format = findSubtitleFormat(formatName);
    if (!format)
        return ConvertOutcome::UnknownFormat;
    fileNameMode = FileNameMode::conversion;
    if (!format->convert && !format->saveAs) {
        showMessageBox(QStringLiteral("Hiányosság"), BoxKind::info,
                       QStringLiteral("Ez az opció még nincs leprogramozva!"), false, false, true);
        boxAnswer = Answer::no;
        return ConvertOutcome::NotProgrammed;
    }
    EditorHost *host = model.host();
    if (askName) {
        boxAnswer.clear();
        saveCancelled = false;
        host->runFileNameDialog();
        if (boxAnswer == Answer::no || saveCancelled)
            return ConvertOutcome::Cancelled;
    }
    SubtitleTable &cds = model.cds;
    if (format->saveAs) {
        const int current = cds.recNo();
        const bool written = saveSubtitle(model, false, true);
        if (current > 0 && current <= cds.recordCount())
            cds.setRecNo(current);
        host->focusGrid();
        return written ? ConvertOutcome::Written
                       : saveCancelled ? ConvertOutcome::Cancelled : ConvertOutcome::Unwritable;
    }

    ConvertOptions options;
    options.frameBase = !model.isTimeBase();
    options.fps = model.fps();
    ConvertedSubtitle file;
    {
        BulkPass pass(model, {.gauge = true});
        file = convertSubtitle(*format, cds, options, [&pass](int done) { pass.progress(done); });
        cds.first();
        pass.finish(0, true);
    }
    // a target that cannot be created or written is told, never thrown
    if (!replaceFile(subtitlePath, file.bytes)) {
        showMessageBox(QStringLiteral("Írásvédett file!"), BoxKind::error,
                       QStringLiteral("Írásvédett a következő file: ") + subtitleFileName, false,
                       false, true, QStringLiteral("A kért mentés nem sikerült!"));
        return ConvertOutcome::Unwritable;
    }
    tellOutcome(file);
    return ConvertOutcome::Written;
}
