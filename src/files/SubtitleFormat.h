#pragma once
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <span>

#include "files/SubtitleFileType.h"

class EncodedFile;
class ReadSession;
struct ConvertLayout;
struct DecodedText;

// One entry as the writer hands it to a format: a row that is written.
struct EntryToWrite {
    int number;  // 1-based among the written entries
    int recNo;   // the row's 1-based position in the table
    QStringView start;
    QStringView end;
    const QString &text;  // "|" marks a line break
    bool lastOfTable;     // the table's last row: its line end is left off
};

// Puts one entry's bytes into the file. One renderer serves every format
// that lays its entries out the same way.
using EntryRenderer = void (*)(EncodedFile &out, const EntryToWrite &entry);

// How a format is read. The first line of a file that tells anything
// chooses the reader that takes it (files/SubtitleReader.h).
struct SubtitleReading {
    SubtitleFileType type;  // what a read reports (from 16-bit Unicode: see typeRead)
    bool (*takes)(QStringView line);
    // Reads the rows after firstLine, the line that chose the reader;
    // skipped counts the lines before it that held anything.
    void (*read)(ReadSession &session, const DecodedText &text, QStringView firstLine,
                 int skipped);
};

// What the writer and the reader know of a file format.
struct SubtitleFormat {
    QLatin1StringView name;
    QLatin1StringView extension;  // lower case, with its dot
    bool frameBased;              // starts and ends are frame numbers, not time codes
    qsizetype charsPerEntry;      // about what an entry adds to its fields, to size the file once
    EntryRenderer render;         // the editor's own save; nullptr for the others
    // How the conversion writes it; nullptr: listed without a writer.
    const ConvertLayout *convert = nullptr;
    bool saveAs = true;           // written through the editor's own save (SubRip)
    const SubtitleReading *reader = nullptr;  // nullptr: not read
};

// Every format the writer knows: the conversion list's names in its order.
std::span<const SubtitleFormat> subtitleFormats();
// The format a table of that time base is saved in: ".srt" or ".sub".
const SubtitleFormat &savedFormat(bool frameBased);
// A format by its name, or nullptr.
const SubtitleFormat *findSubtitleFormat(QStringView name);
// The reader of the first format whose reader takes the line, or nullptr.
const SubtitleReading *readerTaking(QStringView line);
