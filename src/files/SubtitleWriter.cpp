#include "files/SubtitleWriter.h"

#include <QStringList>
#include <new>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/FileReplace.h"
#include "files/SubtitleFormat.h"
#include "files/WriterEngine.h"

namespace {

bool isSecond(const QString &target)
{
    return target == Target::second;
}

// Tells the user how the write ended, as the editor does.
bool reportWrite(EditorModel &model, bool second, bool written, bool fellBack, WriteFault fault)
{
    if (!written) {
        showWriteFailure(second ? secondSubtitleFileName : subtitleFileName, fault);
        model.markChanged(second ? EditorModel::Subtitle::second : EditorModel::Subtitle::main);
        return false;
    }
    if (fellBack) {
        // the file on disk is UTF-8 now; later saves keep it so
        (second ? model.secondFileEncoding : model.fileEncoding) = FileEncoding::Utf8Bom;
        showMessageBox(QStringLiteral("Mentés"), BoxKind::info,
                       QStringLiteral("Néhány betű nem fér el az 1250-es kódlapban,"),
                       false, false, true,
                       QStringLiteral("ezért a file-t UTF-8 kódolással mentettem."));
    }
    return true;
}

}  // namespace

void showWriteFailure(const QString &fileName, WriteFault fault, const QString &second)
{
    showMessageBox(QStringLiteral("Írásvédett file!"), BoxKind::error,
                   QStringLiteral("Írásvédett a következő file: ") + fileName, false, false, true,
                   withWriteFault(second, fault));
}

void showNothingWritten(int withoutTimes, int emptyTexts, int tooManyLines)
{
    QStringList why;
    if (withoutTimes > 0)
        why.append(QString::number(withoutTimes)
                   + QStringLiteral(" sornak nincs kezdése vagy befejezése"));
    if (emptyTexts > 0)
        why.append(QString::number(emptyTexts) + QStringLiteral(" sor szövege üres"));
    if (tooManyLines > 0)
        why.append(QString::number(tooManyLines)
                   + QStringLiteral(" sor szövege három vagy több sorból áll"));
    showMessageBox(QStringLiteral("Mentés"), BoxKind::error,
                   QStringLiteral("Nem mentettem: egyik sort sem lehet kiírni!"), false, false,
                   true, why.join(QStringLiteral(", ")) + u'.');
}

QString lowerExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (dot < 0 || dot < slash)
        return QString();
    return path.mid(dot).toLower();
}

bool writeSubtitleFile(EditorModel &model, const QString &target, const SubtitleFormat &format,
                       WriteCheck *check)
{
    SubtitleTable &cds = model.cds;
    const bool second = isSecond(target);
    if (format.frameBased)
        check = nullptr;
    WriteOptions options;
    options.second = second;
    options.skipEmpty = model.options.uresNe;
    options.encoding = second ? model.secondFileEncoding : model.fileEncoding;

    saveRefused = false;
    RenderedSubtitle file;
    bool rendered = false;
    try {
        BulkPass pass(model, {.gauge = true});
        if (check)
            check->start();
        WriteSteps steps;
        steps.check = check;
        steps.progress = [&pass](int done) { pass.progress(done); };
        file = renderSubtitle(format, cds, options, steps);
        pass.finish(0, true);
        cds.first();
        rendered = true;
    } catch (const std::bad_alloc &) {
        // The table and the editor stay; only this save is given up.
        file = RenderedSubtitle();
    }
    if (!rendered)
        return reportWrite(model, second, false, false, WriteFault::NoMemory);
    if (file.entries == 0 && cds.recordCount() > 0) {
        // Rows that all fall out of the file never replace it with nothing.
        int withoutTimes = 0;
        int emptyTexts = 0;
        for (int i = 0; i < cds.recordCount(); ++i) {
            const SubtitleRow &row = cds.rowAt(i);
            if (row.kezdes.isEmpty() || row.befejezes.isEmpty())
                ++withoutTimes;
            else
                ++emptyTexts;
        }
        saveRefused = true;
        showNothingWritten(withoutTimes, emptyTexts);
        model.markChanged(second ? EditorModel::Subtitle::second : EditorModel::Subtitle::main);
        return false;
    }
    if (file.bytes.size() > largestSavedFile) {
        // a file the program would refuse to open again
        saveRefused = true;
        return reportWrite(model, second, false, false, WriteFault::TooLarge);
    }
    WriteFault fault = WriteFault::None;
    const bool written = replaceFile(second ? secondSubtitlePath : subtitlePath, file.bytes, &fault);
    file.bytes = QByteArray();
    if (!reportWrite(model, second, written, file.fellBackToUtf8, fault))
        return false;
    cds.mergeChangeLog();
    if (check)
        check->finish();
    return true;
}

bool writeTimeFile(EditorModel &model, const QString &target, WriteCheck *check)
{
    return writeSubtitleFile(model, target, savedFormat(false), check);
}

// Rows the time-based writer leaves out (no start or end, and empty texts
// with "Üres sort ne mentsen ki") are left out here too.
bool writeFrameFile(EditorModel &model, const QString &target)
{
    return writeSubtitleFile(model, target, savedFormat(true), nullptr);
}

bool saveSubtitle(EditorModel &model, bool askName, bool announce, WriteCheck *check)
{
    EditorHost *host = model.host();
    const bool wasUnsaved = model.unsaved(EditorModel::Subtitle::main);
    saveCancelled = false;
    fileNameMode = FileNameMode::subtitle;
    textTarget = Target::main;
    host->clearLineFields();
    if (askName)
        host->runFileNameDialog();

    bool written = false;
    if (!saveCancelled) {
        model.markSaved(EditorModel::Subtitle::main);
        const SubtitleFormat &format = savedFormat(!model.isTimeBase());
        bool write = true;
        if (lowerExtension(subtitlePath) != format.extension) {
            saveCancelled = true;
            showMessageBox(QStringLiteral("Eltérés!"), BoxKind::info,
                           QStringLiteral("A file neve nem egyezik meg a típussal!"), false, false,
                           true, QStringLiteral("Következmény: filenév bekérés"));
            fileNameMode = FileNameMode::subtitle;
            host->runFileNameDialog();
            write = !saveCancelled;
        }
        if (write) {
            model.cds.suspendRefresh();
            written = writeSubtitleFile(model, Target::main, format, check);
            if (model.cds.refreshSuspended())
                model.cds.resumeRefresh();
        }
        model.fileNameField = subtitleFileName;
        if (written && !saveCancelled) {
            model.setEnabled(Ctl::Mentes1, false);
            model.setEnabled(Ctl::Bertek, false);
            if (announce)
                showMessageBox(QStringLiteral("Mentés"), BoxKind::info,
                               QStringLiteral("A file-t elmentettem!"), false, false, true);
        }
    }
    if (saveCancelled) {
        if (wasUnsaved)
            model.markChanged(EditorModel::Subtitle::main);
        host->showCurrentRow();
    }
    return written;
}

namespace {

// Second texts in rows without a start or an end (a text pushed past the
// last row lands in such a row) cannot be written: the user hears it
// before the save and may stop it.
bool secondTextsWithoutTimesAccepted(EditorModel &model)
{
    const SubtitleTable &cds = model.cds;
    int unwritable = 0;
    for (int i = 0; i < cds.recordCount(); ++i) {
        const SubtitleRow &row = cds.rowAt(i);
        if (!row.szoveg2.text().isEmpty() && (row.kezdes.isEmpty() || row.befejezes.isEmpty()))
            ++unwritable;
    }
    if (unwritable == 0 || quietBoxes)
        return true;
    boxAnswer = Answer::deleteRows;
    showMessageBox(QStringLiteral("Mentés"), BoxKind::question,
                   QString::number(unwritable)
                       + QStringLiteral(" sor második szövegét nem tudom kiírni, mert a sornak nincs "
                                        "kezdése vagy befejezése!"),
                   true, true, false, QStringLiteral("Mentsem így is?"));
    return boxAnswer == Answer::yes;
}

}  // namespace

bool saveSecondSubtitle(EditorModel &model, WriteCheck *check)
{
    // no subtitle open: there is no second text to save, not even an empty file
    if (!model.cds.isActive() || model.cds.recordCount() == 0) {
        model.setEnabled(Ctl::MentesMF, false);
        return false;
    }
    if (!secondTextsWithoutTimesAccepted(model))
        return false;
    EditorHost *host = model.host();
    saveCancelled = false;
    fileNameMode = FileNameMode::subtitle;
    textTarget = Target::second;
    host->clearLineFields();
    host->runFileNameDialog();
    if (saveCancelled) {
        model.markChanged(EditorModel::Subtitle::second);
        return false;
    }
    model.markSaved(EditorModel::Subtitle::second);
    const int current = model.cds.recNo();
    model.cds.suspendRefresh();
    const bool written = writeSubtitleFile(model, Target::second,
                                           savedFormat(!model.isTimeBase()), check);
    if (model.cds.refreshSuspended())
        model.cds.resumeRefresh();
    if (current > 0)
        model.cds.setRecNo(current);
    if (written) {
        model.secondFileName = secondSubtitleFileName;
        // "Felirat mentése" stays on while the main subtitle is unsaved
        if (!model.unsaved(EditorModel::Subtitle::main))
            model.setEnabled(Ctl::Mentes1, false);
        model.setEnabled(Ctl::Bertek, false);
        showMessageBox(QStringLiteral("Mentés"), BoxKind::info,
                       QStringLiteral("A file-t elmentettem!"), false, false, true);
    }
    return written;
}
