#include "files/SubtitleWriter.h"


#include "app/MessageBox.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/FileReplace.h"
#include "files/TextEncoding.h"
#include "tools/timing/OverlapCheck.h"

namespace {

bool isSecond(const QString &target)
{
    return target == QLatin1String("2");
}

// Builds the file's bytes with build(file, firstPass); when code page 1250
// was asked for and a character does not fit, builds them again as UTF-8
// with a byte-order mark.
template <typename Build>
QByteArray encodeFile(FileEncoding encoding, qsizetype expectedChars, bool *fellBack, Build build)
{
    EncodedFile file(encoding, expectedChars);
    build(file, true);
    *fellBack = !file.fits();
    if (file.fits())
        return file.take();
    EncodedFile utf8(FileEncoding::Utf8Bom, expectedChars);
    build(utf8, false);
    return utf8.take();
}

// Writes the bytes and reports the outcome as the editor does.
bool finishWrite(EditorModel &model, const QString &target, const QByteArray &bytes,
                 bool fellBack)
{
    const bool second = isSecond(target);
    const QString path = second ? secondSubtitlePath : subtitlePath;
    if (!replaceFile(path, bytes)) {
        showMessageBox(QStringLiteral("Írásvédett file!"), QStringLiteral("hiba"),
                       QStringLiteral("Írásvédett a következő file: ")
                           + (second ? secondSubtitleFileName : subtitleFileName),
                       false, false, true, QStringLiteral("A kért mentés nem sikerült!"));
        model.setModified(true);
        return false;
    }
    if (fellBack) {
        // the file on disk is UTF-8 now; later saves keep it so
        (second ? model.secondFileEncoding : model.fileEncoding) = FileEncoding::Utf8Bom;
        showMessageBox(QStringLiteral("Mentés"), QStringLiteral("info"),
                       QStringLiteral("Néhány betű nem fér el az 1250-es kódlapban,"),
                       false, false, true,
                       QStringLiteral("ezért a file-t UTF-8 kódolással mentettem."));
    }
    return true;
}

FileEncoding encodingOf(const EditorModel &model, const QString &target)
{
    return isSecond(target) ? model.secondFileEncoding : model.fileEncoding;
}

// Characters of the rows' fields, to size the file's buffer once.
qsizetype expectedChars(const SubtitleTable &cds, bool second, qsizetype perRow)
{
    qsizetype n = 0;
    for (int i = 0; i < cds.recordCount(); ++i) {
        const SubtitleRow &row = cds.rowAt(i);
        n += row.kezdes.size() + row.befejezes.size() + (second ? row.szoveg2 : row.szoveg).size()
             + perRow;
    }
    return n;
}

class Progress {
public:
    explicit Progress(EditorModel &model) : host_(model.host()), step_(model.cds.recordCount() / 100)
    {
        host_->setProgress(0);
        host_->showProgress(true);
    }
    ~Progress() { host_->showProgress(false); }
    void at(int row)
    {
        if (step_ > 0 && row % step_ == 0)
            host_->setProgress(row / step_);
    }

private:
    EditorHost *host_;
    int step_;
};

// Shows the file-name dialog with the type field at the editor's time base.
void askFileName(EditorModel &model)
{
    model.host()->runFileNameDialog();
}

}  // namespace

QString lowerExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (dot < 0 || dot < slash)
        return QString();
    return path.mid(dot).toLower();
}

bool writeTimeFile(EditorModel &model, const QString &target)
{
    SubtitleTable &cds = model.cds;
    const bool second = isSecond(target);
    const bool check = model.options.mentAt;
    const bool skipEmpty = model.options.uresNe;
    displayLock = true;
    Progress progress(model);
    if (check)
        model.log.clear();
    SaveOverlapCheck overlap(model);
    const QLatin1StringView lineEnd("\r\n");
    const int count = cds.recordCount();

    auto build = [&](EncodedFile &out, bool firstPass) {
        int number = 1;
        for (int i = 0; i < count; ++i) {
            if (firstPass)
                progress.at(i + 1);
            const SubtitleRow &row = cds.rowAt(i);
            const QString &text = second ? row.szoveg2 : row.szoveg;
            if ((skipEmpty && text.isEmpty()) || row.kezdes.isEmpty() || row.befejezes.isEmpty())
                continue;
            if (number > 1)
                out.append(lineEnd);
            out.append(QLatin1StringView(QByteArray::number(number)));
            out.append(lineEnd);
            out.append(row.kezdes);
            out.append(QLatin1StringView(" --> "));
            out.append(row.befejezes);
            out.append(lineEnd);
            if (check && firstPass)
                overlap.line(i + 1, row.kezdes, row.befejezes);
            if (text.isEmpty()) {
                out.append(lineEnd);
            } else {
                const QStringView rest(text);
                qsizetype from = 0;
                for (qsizetype bar; (bar = rest.indexOf(u'|', from)) >= 0; from = bar + 1) {
                    out.append(rest.mid(from, bar - from));
                    out.append(lineEnd);
                }
                if (from < rest.size()) {
                    out.append(rest.mid(from));
                    if (i + 1 < count)
                        out.append(lineEnd);
                }
            }
            ++number;
        }
    };
    bool fellBack = false;
    const QByteArray bytes =
        encodeFile(encodingOf(model, target), expectedChars(cds, second, 48), &fellBack, build);

    displayLock = false;
    cds.first();
    if (!finishWrite(model, target, bytes, fellBack))
        return false;
    cds.mergeChangeLog();
    if (check)
        overlap.finish();
    return true;
}

// Rows the time-based writer leaves out (no start or end, and empty texts
// with "Üres sort ne mentsen ki") are left out here too.
bool writeFrameFile(EditorModel &model, const QString &target)
{
    SubtitleTable &cds = model.cds;
    const bool second = isSecond(target);
    const bool skipEmpty = model.options.uresNe;
    displayLock = true;
    Progress progress(model);
    const int count = cds.recordCount();

    auto build = [&](EncodedFile &out, bool firstPass) {
        for (int i = 0; i < count; ++i) {
            if (firstPass)
                progress.at(i + 1);
            const SubtitleRow &row = cds.rowAt(i);
            const QString &text = second ? row.szoveg2 : row.szoveg;
            if ((skipEmpty && text.isEmpty()) || row.kezdes.isEmpty() || row.befejezes.isEmpty())
                continue;
            out.append(QLatin1StringView("{"));
            out.append(row.kezdes);
            out.append(QLatin1StringView("}{"));
            out.append(row.befejezes);
            out.append(QLatin1StringView("}"));
            out.append(text);
            if (i + 1 < count)
                out.append(QLatin1StringView("\r\n"));
        }
    };
    bool fellBack = false;
    const QByteArray bytes =
        encodeFile(encodingOf(model, target), expectedChars(cds, second, 6), &fellBack, build);

    displayLock = false;
    cds.first();
    if (!finishWrite(model, target, bytes, fellBack))
        return false;
    cds.mergeChangeLog();
    return true;
}

bool saveSubtitle(EditorModel &model, bool askName, bool announce)
{
    EditorHost *host = model.host();
    const bool wasModified = model.modified();
    saveCancelled = false;
    fileNameMode = QStringLiteral("Felirat");
    textTarget = QStringLiteral("1");
    host->clearLineFields();
    if (askName)
        askFileName(model);

    bool written = false;
    if (!saveCancelled) {
        model.setModified(false);
        const bool frame = !model.isTimeBase();
        const QString wanted = frame ? QStringLiteral(".sub") : QStringLiteral(".srt");
        bool write = true;
        if (lowerExtension(subtitlePath) != wanted) {
            saveCancelled = true;
            showMessageBox(QStringLiteral("Eltérés!"), QStringLiteral("info"),
                           QStringLiteral("A file neve nem egyezik meg a típussal!"), false, false,
                           true, QStringLiteral("Következmény: filenév bekérés"));
            fileNameMode = QStringLiteral("Felirat");
            askFileName(model);
            write = !saveCancelled;
        }
        if (write) {
            model.cds.suspendRefresh();
            written = frame ? writeFrameFile(model, QStringLiteral("1"))
                            : writeTimeFile(model, QStringLiteral("1"));
            if (model.cds.refreshSuspended())
                model.cds.resumeRefresh();
        }
        model.fileNameField = subtitleFileName;
        if (written && !saveCancelled) {
            model.setEnabled(QStringLiteral("Mentes1"), false);
            model.setEnabled(QStringLiteral("Bertek"), false);
            if (announce)
                showMessageBox(QStringLiteral("Mentés"), QStringLiteral("info"),
                               QStringLiteral("A file-t elmentettem!"), false, false, true);
        }
    }
    if (saveCancelled) {
        if (wasModified && !model.modified())
            model.setModified(true);
        host->showCurrentRow();
    }
    return written;
}

bool saveSecondSubtitle(EditorModel &model)
{
    EditorHost *host = model.host();
    saveCancelled = false;
    fileNameMode = QStringLiteral("Felirat");
    textTarget = QStringLiteral("2");
    host->clearLineFields();
    askFileName(model);
    if (saveCancelled) {
        model.setModified(true);
        return false;
    }
    model.setModified(false);
    const int current = model.cds.recNo();
    model.cds.suspendRefresh();
    const bool written = model.isTimeBase() ? writeTimeFile(model, QStringLiteral("2"))
                                            : writeFrameFile(model, QStringLiteral("2"));
    if (model.cds.refreshSuspended())
        model.cds.resumeRefresh();
    if (current > 0)
        model.cds.setRecNo(current);
    if (written) {
        model.setEnabled(QStringLiteral("Mentes1"), false);
        model.setEnabled(QStringLiteral("Bertek"), false);
        showMessageBox(QStringLiteral("Mentés"), QStringLiteral("info"),
                       QStringLiteral("A file-t elmentettem!"), false, false, true);
    }
    return written;
}
