#include "translate/TranslationRows.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "document/SubtitleTable.h"
#include "editor/TypedValues.h"

namespace {

// Only the letters A-Z fold; accented capitals stay as they are.
QString foldAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return out;
}

QString removeFirst(QString text, const QString &what)
{
    const qsizetype at = text.indexOf(what);
    if (at >= 0)
        text.remove(at, what.size());
    return text;
}

// displayLock on for a pass over the table, back to its old value after.
struct DisplayLock {
    bool old = displayLock;
    DisplayLock() { displayLock = true; }
    ~DisplayLock() { displayLock = old; }
};

// A time-based row where the file's reader will find it: an entry's
// first row (with its times) after an empty row or at the start, its
// further text rows right after it. Anything else would be saved as a file
// that reads back cut short or with entries run together.
bool readsBack(const SubtitleTable &table, int i)
{
    const auto hasTimes = [](const SubtitleRow &r) { return !r.kezdes.isEmpty(); };
    const auto isEmptyRow = [](const SubtitleRow &r) {
        return r.kezdes.isEmpty() && r.befejezes.isEmpty() && r.szoveg.isEmpty();
    };
    const SubtitleRow &row = table.rowAt(i);
    const SubtitleRow *above = i > 0 ? &table.rowAt(i - 1) : nullptr;
    const QString number = QStringLiteral("Sor száma: ") + QString::number(i + 1) + QStringLiteral(". ");
    if (hasTimes(row) && above && !isEmptyRow(*above)) {
        showMessageBox(QStringLiteral("Ellenőrzés"), BoxKind::error,
                       QStringLiteral("Hiányzik az üres sor a felirat előtt!"), false, false, true,
                       number + QStringLiteral("Kérem szúrjon be elé egy üres sort!"));
        return false;
    }
    if (!hasTimes(row) && !isEmptyRow(row) && (!above || isEmptyRow(*above))) {
        showMessageBox(QStringLiteral("Ellenőrzés"), BoxKind::error,
                       QStringLiteral("Időpont nélküli szöveg üres sor után!"), false, false, true,
                       number + QStringLiteral("Kérem töltse fel a sort rendesen!"));
        return false;
    }
    return true;
}

}  // namespace

bool checkTranslationTable(SubtitleTable &table, const QString &timeBase, bool announce)
{
    const int back = table.recNo();
    bool passed = true;
    {
        DisplayLock lock;
        const bool frames = timeBase == TimeBase::frame;
        for (int i = 0; i < table.recordCount() && passed; ++i) {
            const SubtitleRow &row = table.rowAt(i);
            if (frames) {
                if (row.kezdes.isEmpty() || row.befejezes.isEmpty()) {
                    showMessageBox(QStringLiteral("Ellenőrzés"), BoxKind::error,
                                   QStringLiteral("Üres mező!"), false, false, true,
                                   QStringLiteral("Kérem töltse fel a sort rendesen!"));
                    passed = false;
                } else {
                    passed = checkFramePair(row.kezdes.chars(), row.befejezes.chars());
                }
            } else if (!row.kezdes.isEmpty() || !row.befejezes.isEmpty()) {
                passed = checkTimePair(row.kezdes.chars(), row.befejezes.chars());
            }
            if (passed && !frames)
                passed = readsBack(table, i);
        }
    }
    if (back > 0)
        table.setRecNo(back);
    if (passed && announce)
        showMessageBox(QStringLiteral("Ellenőrzés"), BoxKind::info,
                       QStringLiteral("Mindent rendben találtam!"), false, false, true);
    return passed;
}

bool searchTranslation(SubtitleTable &table, const QString &what,
                       const std::function<void(int)> &progress)
{
    if (what.isEmpty()) {
        showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                       QStringLiteral("Kérem, adja meg a keresendő szöveget!"), false, false, true);
        return false;
    }
    const QString needle = foldAscii(what);
    const int from = table.recNo();
    const int rows = table.recordCount();
    const int step = qMax(1, (rows - from) / 100);
    int found = 0;
    {
        DisplayLock lock;
        for (int i = from; i < rows; ++i) {
            if (progress && (i - from + 1) % step == 0)
                progress(qMin(100, (i - from + 1) * 100 / qMax(1, rows - from)));
            if (foldAscii(table.rowAt(i).szoveg).contains(needle)) {
                found = i + 1;
                break;
            }
        }
    }
    if (progress)
        progress(100);
    if (found > 0) {
        table.setRecNo(found);
        return true;
    }
    showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                   QStringLiteral("Nincs (több) ilyen: "), false, false, true, what);
    return false;
}

int partnerRow(int recNo, int otherRowCount)
{
    return recNo > 0 && otherRowCount >= recNo ? recNo : 0;
}

QString wrapStyle(const QString &text, QChar tag)
{
    return u'<' + QString(tag) + u'>' + text + QStringLiteral("</") + tag + u'>';
}

QString unwrapStyle(const QString &text, QChar tag)
{
    QString out = removeFirst(text, u'<' + QString(tag) + u'>');
    return removeFirst(out, QStringLiteral("</") + tag + u'>');
}

QString removeAllStyles(const QString &text)
{
    QString out = text;
    for (QChar tag : {u'i', u'b', u'u'})
        out = unwrapStyle(out, tag);
    return out;
}

bool insertEmptyRow(SubtitleTable &table, bool after)
{
    const int count = table.recordCount();
    if (count == 0)
        return false;
    const int at = table.recNo();
    if (after && at >= count) {
        table.append();
    } else {
        table.setRecNo(after ? at + 1 : at);
        table.insert();
    }
    table.post();
    return true;
}

bool deleteCurrentRow(SubtitleTable &table)
{
    if (table.recordCount() == 0)
        return false;
    table.remove();
    return true;
}

void setRowText(SubtitleTable &table, const QString &text)
{
    if (table.recordCount() == 0)
        return;
    table.edit();
    table.setField(Field::Szoveg, text);
    table.post();
}
