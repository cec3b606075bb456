#include "tools/cd/CdSplit.h"

#include <QFileInfo>
#include <new>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/TypedValues.h"
#include "files/FileGlobals.h"
#include "files/FileReplace.h"
#include "files/SubtitleWriter.h"
#include "files/TextEncoding.h"

namespace {

const QString cd1Tag = QStringLiteral(" cd1");
const QString cd2Tag = QStringLiteral(" cd2");
const QString notDone = QStringLiteral("A kért szétválasztás nem sikerült!");

bool hasTimes(const SubtitleRow &r)
{
    return !r.kezdes.isEmpty() && !r.befejezes.isEmpty();
}

QString movedFrame(const QString &value, qint64 shift)
{
    bool ok = false;
    const qint64 frame = value.trimmed().toLongLong(&ok);
    if (!ok)
        return value;
    return QString::number(qMax<qint64>(0, frame - shift));
}

void renderInto(EncodedFile &out, const std::vector<SubtitleRow> &rows, bool timeBased)
{
    const QLatin1StringView crlf("\r\n");
    int number = 0;
    for (const SubtitleRow &r : rows) {
        if (timeBased) {
            out.appendNumber(++number);
            out.append(crlf);
            out.append(r.kezdes.chars());
            out.append(QLatin1StringView(" --> "));
            out.append(r.befejezes.chars());
            out.append(crlf);
            // A closing "|" gives no empty line of its own; an empty text
            // gives one.
            QStringView text = r.szoveg;
            if (text.endsWith(u'|'))
                text.chop(1);
            out.appendLines(text, crlf);
            out.append(crlf);
            out.append(crlf);
        } else {
            out.appendBraced(r.kezdes.chars(), r.befejezes.chars(), r.szoveg);
            out.append(crlf);
        }
    }
}

bool askOverwrite(const QString &title, const QString &first, const QString &second)
{
    showMessageBox(title, BoxKind::question, first, true, true, false, second);
    return boxAnswer != Answer::no;
}

// Step 3: the name follows the time base; the editor's file becomes the
// corrected one and is marked as to be saved.
void correctExtension(EditorModel &model)
{
    const QString ext = subtitlePath.right(4).toLower();
    const bool time = model.isTimeBase();
    QString wanted;
    QString kind;
    if (time && ext == QLatin1String(".sub")) {
        wanted = QStringLiteral(".srt");
        kind = BoxKind::info;
    } else if (!time && ext == QLatin1String(".srt")) {
        wanted = QStringLiteral(".sub");
        kind = BoxKind::question;
    } else {
        return;
    }
    showMessageBox(QStringLiteral("Eltérés!"), kind,
                   QStringLiteral("A file neve nem egyezik meg a típussal!"), false, false, true,
                   QStringLiteral("Következmény: javítom az eltérést!"));
    subtitlePath = subtitlePath.left(subtitlePath.size() - 4) + wanted;
    subtitleFileName = QFileInfo(subtitlePath).fileName();
    model.fileNameField = subtitleFileName;
    model.markChanged(EditorModel::Subtitle::main);
}

// The file-name field is hidden while the split runs and shown again however
// it ends.
class NameFieldHidden {
public:
    explicit NameFieldHidden(EditorModel &m) : model_(m)
    {
        model_.setVisible(Ctl::Efilenev, false);
    }
    ~NameFieldHidden()
    {
        model_.setVisible(Ctl::Efilenev, true);
        model_.setVisible(Ctl::szazalek12, false);
    }
    NameFieldHidden(const NameFieldHidden &) = delete;
    NameFieldHidden &operator=(const NameFieldHidden &) = delete;

private:
    EditorModel &model_;
};

}  // namespace

QString cdPartName(const QString &fileName, const QString &tag)
{
    QString name = fileName;
    name.insert(qMax<qsizetype>(0, name.size() - 4), tag);
    return name;
}

std::vector<SubtitleRow> cdFirstPart(const SubtitleTable &table, int row)
{
    std::vector<SubtitleRow> rows;
    const int last = qMin(row - 1, table.recordCount());
    for (int i = 0; i < last; ++i)
        if (hasTimes(table.rowAt(i)))
            rows.push_back(table.rowAt(i));
    return rows;
}

std::vector<SubtitleRow> cdSecondPart(const SubtitleTable &table, int row, const QString &start,
                                      bool timeBased)
{
    std::vector<SubtitleRow> rows;
    if (row < 1 || row > table.recordCount())
        return rows;
    const QString &from = table.rowAt(row - 1).kezdes;
    qint64 shift = 0;
    if (timeBased) {
        shift = timeCodeToMs(from) - timeCodeToMs(start);
    } else {
        shift = from.trimmed().toLongLong() - start.trimmed().toLongLong();
    }
    for (int i = row - 1; i < table.recordCount(); ++i) {
        const SubtitleRow &r = table.rowAt(i);
        if (!hasTimes(r))
            continue;
        SubtitleRow moved = r;
        if (timeBased) {
            const qint64 start = timeCodeToMs(r.kezdes);
            const qint64 end = timeCodeToMs(r.befejezes);
            moved.kezdes = movedMsToTimeCode(start - shift, start);
            moved.befejezes = movedMsToTimeCode(end - shift, end);
        } else {
            moved.kezdes = movedFrame(r.kezdes, shift);
            moved.befejezes = movedFrame(r.befejezes, shift);
        }
        rows.push_back(std::move(moved));
    }
    return rows;
}

QByteArray renderCdPart(const std::vector<SubtitleRow> &rows, bool timeBased,
                        FileEncoding encoding)
{
    qsizetype chars = 0;
    for (const SubtitleRow &r : rows)
        chars += r.kezdes.size() + r.befejezes.size() + r.szoveg.size() + 40;
    return renderFitting(encoding, chars,
                         [&](EncodedFile &out) { renderInto(out, rows, timeBased); });
}

bool checkCdSplitRow(const SubtitleTable &table, int row)
{
    if (row >= 1 && row <= table.recordCount() && hasTimes(table.rowAt(row - 1)))
        return true;
    showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                   QStringLiteral("Ezt a sort nem választhatja ki, mert nincs a sorban adat!"),
                   false, false, true);
    return false;
}

CdOutcome splitCd(EditorModel &model, int row, const QString &start)
{
    DisplayHold hold;
    model.setEnabled(Ctl::Bvegrehajt, false);
    NameFieldHidden hidden(model);

    // The parts are named after the subtitle's file and written beside it:
    // a subtitle never saved has neither.
    if (QFileInfo(subtitlePath).fileName().isEmpty()) {
        showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                       QStringLiteral("Ezt a feliratot még nem mentette el, ezért nincs neve!"),
                       false, false, true,
                       QStringLiteral("Kérem, a szétválasztás előtt mentse el a feliratot!"));
        return CdOutcome::Refused;
    }

    const bool time = model.isTimeBase();
    const bool valid = time ? checkTypedTime(start, true) : checkFrameValue(start);
    correctExtension(model);
    if (!valid)
        return CdOutcome::Refused;
    if (row == 1) {
        showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                       QStringLiteral("Az első sort nem jelölheted ki!"), false, false, true);
        return CdOutcome::Refused;
    }
    if (row < 1 || row > model.cds.recordCount())
        return CdOutcome::Refused;

    const QFileInfo current(subtitlePath);
    const QString dir = current.path() + u'/';
    const QString name1 = cdPartName(current.fileName(), cd1Tag);
    const QString name2 = cdPartName(current.fileName(), cd2Tag);
    const QString path1 = dir + name1;
    const QString path2 = dir + name2;

    boxAnswer = Answer::timeShift;
    const bool exists1 = QFileInfo::exists(path1);
    const bool exists2 = QFileInfo::exists(path2);
    if (exists1 && exists2) {
        if (!askOverwrite(QStringLiteral("Létező file-ok!"),
                          QStringLiteral("Már létezik a 2 file: ") + name1 + QStringLiteral(", ")
                              + name2,
                          QStringLiteral("Felülírjam őket?")))
            return CdOutcome::Refused;
    } else if (exists1 || exists2) {
        if (!askOverwrite(QStringLiteral("Létező file!"),
                          QStringLiteral("Már létezik a file: ") + (exists1 ? name1 : name2),
                          QStringLiteral("Felülírjam?")))
            return CdOutcome::Refused;
    }

    // Both parts are written before either takes its place, so a failure
    // or a kill leaves the old pair, never a new part beside an old one.
    int failed = -1;
    WriteFault fault = WriteFault::None;
    {
        BulkPass pass(model);
        model.setVisible(Ctl::szazalek12, true);
        const FileEncoding encoding = model.fileEncoding;
        try {
            const FileBytes parts[] = {
                {path1, renderCdPart(cdFirstPart(model.cds, row), time, encoding)},
                {path2, renderCdPart(cdSecondPart(model.cds, row, start, time), time, encoding)}};
            failed = replaceFiles(parts, &fault);
        } catch (const std::bad_alloc &) {
            failed = 0;
            fault = WriteFault::NoMemory;
        }
        model.setVisible(Ctl::szazalek12, false);
        // The cursor goes home without refreshing the line fields: the lock
        // holds until the outcome is shown.
        pass.finish(1, false);
        displayLock = true;
    }

    if (failed < 0) {
        for (Ctl control : {Ctl::Label13, Ctl::E4kezdo, Ctl::E4kezdouj, Ctl::Bvegrehajt})
            model.setEnabled(control, false);
        showMessageBox(QStringLiteral("Sikeres szétválasztás!"), BoxKind::info,
                       QStringLiteral("Sikeresen megtörtént a szétválasztás! A 2 file neve:"),
                       false, false, true, name1 + QStringLiteral(", ") + name2);
        return CdOutcome::Done;
    }
    showWriteFailure(failed == 1 ? name2 : name1, fault, notDone);
    return CdOutcome::Unwritable;
}
