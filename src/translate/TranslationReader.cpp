#include "translate/TranslationReader.h"

#include <vector>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/SubtitleTable.h"
#include "files/LineClasses.h"
#include "files/SubtitleFormat.h"
#include "files/SubtitleReader.h"
#include "files/TextDecoding.h"

namespace {

const QString stopFirst = QStringLiteral("Hiba a file-ban!");
const QString stopSecond = QStringLiteral("Csak eddig tudtam betölteni a file-t!");

SubtitleRow makeRow(QStringView start, QStringView end, QStringView text)
{
    SubtitleRow row;
    row.kezdes = start.left(12).toString();
    row.befejezes = end.left(12).toString();
    row.szoveg = text.toString();
    return row;
}

bool isBlankRow(const SubtitleRow &row)
{
    return row.kezdes.isEmpty() && row.befejezes.isEmpty() && row.szoveg.isEmpty();
}

// The rows read and their twins, filled side by side.
struct Rows {
    std::vector<SubtitleRow> own;
    std::vector<SubtitleRow> twin;
    bool withTwin = false;
    void add(SubtitleRow row)
    {
        if (withTwin)
            twin.push_back(makeRow(row.kezdes.chars(), row.befejezes.chars(), {}));
        own.push_back(std::move(row));
    }
};

using Messages = std::vector<TranslationMessage>;

// "{start}{end}text"; false when the line does not have that shape.
bool splitFrameLine(QStringView line, SubtitleRow *row)
{
    if (!line.startsWith(u'{'))
        return false;
    const qsizetype close1 = line.indexOf(u'}', 1);
    if (close1 < 0 || close1 + 1 >= line.size() || line[close1 + 1] != u'{')
        return false;
    const qsizetype close2 = line.indexOf(u'}', close1 + 2);
    if (close2 < 0)
        return false;
    *row = makeRow(line.mid(1, close1 - 1), line.mid(close1 + 2, close2 - close1 - 2),
                   line.mid(close2 + 1));
    return true;
}

bool readFrames(LineCursor &lines, QStringView first, Rows &rows, Messages &messages)
{
    QString line = first.toString();
    for (;;) {
        SubtitleRow row;
        // A blank line (a file ending in an empty line) holds nothing to lose.
        if (!line.isEmpty()) {
            if (!splitFrameLine(line, &row)) {
                messages.push_back({stopFirst, stopSecond});
                return false;
            }
            rows.add(std::move(row));
        }
        if (lines.atEnd())
            return true;
        line = lines.next().toString();
    }
}

// "HH:MM:SS,mmm --> HH:MM:SS,mmm" with "," as the millisecond separator.
bool isStrictTimeLine(QStringView line)
{
    return line.size() >= 29 && isTimeLine(line, false) && line[8] == u','
           && line[25] == u',';
}

QString shortened(QStringView line)
{
    return line.size() > 10 ? line.left(9).toString() + QStringLiteral("...") : line.toString();
}

bool readTimes(LineCursor &lines, Rows &rows, Messages &messages)
{
    enum class Expect { Time, FirstText, MoreText, Number } state = Expect::Time;
    while (!lines.atEnd()) {
        const QString line = lines.next().toString();
        switch (state) {
        case Expect::Time:
            if (!isStrictTimeLine(line)) {
                messages.push_back({stopFirst + u' ' + stopSecond,
                                    QStringLiteral("A hiba oka: A következő sorban hiba van: ")
                                        + line});
                return false;
            }
            rows.add(makeRow(QStringView(line).left(12), QStringView(line).mid(17, 12), {}));
            state = Expect::FirstText;
            break;
        case Expect::FirstText:
            rows.own.back().szoveg = line;
            state = Expect::MoreText;
            break;
        case Expect::MoreText:
            if (!line.isEmpty()) {
                rows.add(makeRow({}, {}, line));
                break;
            }
            state = Expect::Number;
            rows.add(SubtitleRow{});
            break;
        case Expect::Number:
            if (line.isEmpty()) {
                rows.add(SubtitleRow{});
            } else if (isNumberLine(line)) {
                state = Expect::Time;
            } else {
                messages.push_back({stopFirst + u' ' + stopSecond,
                                    QStringLiteral("A hiba oka: A következő sor sorszáma ez:'")
                                        + shortened(line) + QStringLiteral("', ami talán rossz!")
                                        + QStringLiteral(
                                            "\r\n                       (vagy a 2. sor üres)")});
                return false;
            }
            break;
        }
    }
    return true;
}

// "HH:MM:SS.hh" at from as a time code: the hundredths followed by "0".
QString dottedTime(QStringView line, int from)
{
    return line.mid(from, 8).toString() + u',' + line.mid(from + 9, 2).toString() + u'0';
}

bool readDotted(LineCursor &lines, QStringView first, Rows &rows, Messages &messages)
{
    QString timeLine = first.toString();
    for (;;) {
        if (!hasDottedShape(timeLine) || timeLine.size() < 23) {
            messages.push_back({stopFirst, stopSecond});
            return false;
        }
        QString text = lines.atEnd() ? QString() : lines.next().toString();
        text.replace(QStringLiteral("[br]"), QStringLiteral("|"));
        rows.add(makeRow(dottedTime(timeLine, 0), dottedTime(timeLine, 12), text));
        rows.add(SubtitleRow{});
        if (lines.atEnd())
            return true;
        lines.next();  // the blank line between entries
        if (lines.atEnd())
            return true;
        timeLine = lines.next().toString();
    }
}

void fill(SubtitleTable &table, std::vector<SubtitleRow> &&rows)
{
    table.appendRows(std::move(rows));
    table.first();
}

}  // namespace

TranslationRead readTranslationBytes(QByteArray bytes, SubtitleTable &table, SubtitleTable *twin)
{
    TranslationRead result;
    result.loaded = true;
    if (!table.isActive())
        table.create();
    table.empty();
    if (twin) {
        if (!twin->isActive())
            twin->create();
        twin->empty();
    }

    DecodedText decoded = prepareSubtitleText(std::move(bytes));
    result.encoding = decoded.encoding;
    LineCursor lines(decoded);
    QString classifying;
    while (result.type == SubtitleFileType::none && !lines.atEnd()) {
        classifying = lines.next().toString();
        if (const SubtitleReading *reader = readerTaking(classifying))
            result.type = typeRead(*reader, decoded.isUtf16());
    }

    Rows rows;
    rows.withTwin = twin != nullptr;
    bool complete = true;
    const TranslationMessage nothingRead{
        QStringLiteral("Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!"),
        QStringLiteral("Vagy a file értelmezhetetlen típust tartalmaz!")};
    switch (result.type) {
    case SubtitleFileType::frames:
        result.timeBase = TimeBase::frame;
        complete = readFrames(lines, classifying, rows, result.messages);
        break;
    case SubtitleFileType::timesUnicode:
        result.refused = true;
        result.messages.push_back(nothingRead);
        break;
    case SubtitleFileType::times:
        result.timeBase = TimeBase::time;
        complete = readTimes(lines, rows, result.messages);
        break;
    case SubtitleFileType::dotted:
        result.timeBase = TimeBase::time;
        complete = readDotted(lines, classifying, rows, result.messages);
        break;
    case SubtitleFileType::none:
        // Nothing in the file could be told apart as a subtitle.
        result.messages.push_back(nothingRead);
        break;
    }
    result.stopped = !complete;

    while (!rows.own.empty() && isBlankRow(rows.own.back())) {
        rows.own.pop_back();
        if (rows.withTwin)
            rows.twin.pop_back();
    }
    fill(table, std::move(rows.own));
    if (twin)
        fill(*twin, std::move(rows.twin));
    return result;
}

TranslationRead readTranslationFile(const QString &path, SubtitleTable &table, SubtitleTable *twin)
{
    QByteArray bytes;
    TranslationRead unread;
    if (const FileFailure failure = loadSubtitleBytes(path, &bytes); failure.failed()) {
        unread.messages.push_back({failure.first, failure.second});
        return unread;
    }
    return readTranslationBytes(std::move(bytes), table, twin);
}

void tellTranslationRead(const TranslationRead &read)
{
    for (const TranslationMessage &m : read.messages)
        showMessageBox(QStringLiteral("Hiba"), BoxKind::error, m.first, false, false, true,
                       m.second);
}
