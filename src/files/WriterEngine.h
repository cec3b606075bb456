#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

#include "files/FileEncoding.h"

class SubtitleTable;
class TimeText;
struct SubtitleFormat;
struct SubtitleRow;

// The subtitle writer: rows → entries → bytes. It reads the table and the
// options it is given, nothing else; putting the bytes on the disk and
// telling the user are the callers' part.

struct WriteOptions {
    bool second = false;     // the second subtitle's texts (Szoveg2)
    bool skipEmpty = false;  // leave out rows whose text is empty
    FileEncoding encoding = FileEncoding::Cp1250;
};

// A step run over the entries a save writes, in writing order (the
// save-time overlap check). Only time-code formats run it.
class WriteCheck {
public:
    virtual ~WriteCheck() = default;
    // Before the first entry.
    virtual void start() {}
    // The texts are the table's own and stay put until the write ends.
    virtual void entry(int recNo, const TimeText &start, const TimeText &end) = 0;
    // After the file was written.
    virtual void finish() {}
};

struct WriteSteps {
    WriteCheck *check = nullptr;
    // Rows done, at every hundredth of the table.
    std::function<void(int done)> progress;
};

struct RenderedSubtitle {
    QByteArray bytes;
    // Code page 1250 was asked for but a character had no place in it, so
    // the bytes are UTF-8 with a byte-order mark.
    bool fellBackToUtf8 = false;
};

// The one rule for rows left out of a file: no start, no end, or an empty
// text when empty rows are skipped.
bool isWrittenRow(const SubtitleRow &row, const QString &text, bool skipEmpty);

// The whole file's bytes in one buffer.
RenderedSubtitle renderSubtitle(const SubtitleFormat &format, const SubtitleTable &rows,
                                const WriteOptions &options, const WriteSteps &steps = {});

// Conversion into one of the listed formats (format.convert set): the
// format's header, an entry for every row with a text, its footer.
struct ConvertOptions {
    bool frameBase = false;  // starts and ends are frame numbers, turned into times at fps
    QString fps = QStringLiteral("23,976");
};

struct ConvertedSubtitle {
    QByteArray bytes;
    bool fellBackToUtf8 = false;  // a text format that left code page 1250
    qsizetype replacedChars = 0;  // characters a byte-coded format wrote as "?"
    int skippedRows = 0;          // rows with a text but without a usable start or end
    int shortenedRows = 0;        // rows of more than three lines, written with the first three
    int droppedRows = 0;          // rows the format has no way to write (it wrote nothing)
};

ConvertedSubtitle convertSubtitle(const SubtitleFormat &format, const SubtitleTable &rows,
                                  const ConvertOptions &options,
                                  const std::function<void(int done)> &progress = {});
