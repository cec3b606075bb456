#include "files/ConvertSubtitle.h"

#include <new>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/FileReplace.h"
#include "files/SubtitleFormat.h"
#include "files/SubtitleWriter.h"
#include "files/WriterEngine.h"
#include "tools/timing/OverlapCheck.h"

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
    if (file.cutRows > 0)
        showMessageBox(QStringLiteral("Konvertálás"), BoxKind::info,
                       QString::number(file.cutRows)
                           + QStringLiteral(" sornak csak az első három sorát írtam ki,"),
                       false, false, true, QStringLiteral("mert a formátum többet nem fogad el."));
    if (file.droppedRows > 0)
        showMessageBox(QStringLiteral("Konvertálás"), BoxKind::info,
                       QString::number(file.droppedRows)
                           + QStringLiteral(" sort kihagytam, mert három vagy több sorból áll,"),
                       false, false, true,
                       QStringLiteral("és a formátum legfeljebb kettőt fogad el."));
}

}  // namespace

ConvertOutcome convertTable(EditorModel &model, const QString &formatName, bool askName)
{
    SaveOverlapCheck overlaps(model);
    return convertTable(model, formatName, askName, model.options.mentAt ? &overlaps : nullptr);
}

ConvertOutcome convertTable(EditorModel &model, const QString &formatName, bool askName,
                            WriteCheck *saveCheck)
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
        const bool written = saveSubtitle(model, false, true, saveCheck);
        if (current > 0 && current <= cds.recordCount())
            cds.setRecNo(current);
        host->focusGrid();
        return written         ? ConvertOutcome::Written
               : saveCancelled ? ConvertOutcome::Cancelled
               : saveRefused   ? ConvertOutcome::Refused
                               : ConvertOutcome::Unwritable;
    }

    ConvertOptions options;
    options.frameBase = !model.isTimeBase();
    options.fps = model.fps();
    ConvertedSubtitle file;
    try {
        BulkPass pass(model, {.gauge = true});
        file = convertSubtitle(*format, cds, options, [&pass](int done) { pass.progress(done); });
        cds.first();
        pass.finish(0, true);
    } catch (const std::bad_alloc &) {
        file = ConvertedSubtitle();
        showWriteFailure(subtitleFileName, WriteFault::NoMemory);
        return ConvertOutcome::Unwritable;
    }
    if (file.entries == 0 && cds.recordCount() > 0) {
        // rows that all fall out never replace a file with a bare header
        int emptyTexts = 0;
        for (int i = 0; i < cds.recordCount(); ++i)
            emptyTexts += cds.rowAt(i).szoveg.isEmpty() ? 1 : 0;
        showNothingWritten(file.skippedRows, emptyTexts, file.droppedRows);
        return ConvertOutcome::Refused;
    }
    // a target that cannot be created or written is told, never thrown
    WriteFault fault = WriteFault::None;
    if (!replaceFile(subtitlePath, file.bytes, &fault)) {
        showWriteFailure(subtitleFileName, fault);
        return ConvertOutcome::Unwritable;
    }
    tellOutcome(file);
    return ConvertOutcome::Written;
}
