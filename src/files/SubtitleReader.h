#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "document/SubtitleTable.h"
#include "files/FileEncoding.h"
#include "files/ReadSession.h"
#include "files/SubtitleFileType.h"
#include "files/SubtitleFormat.h"

class EditorModel;

// Where a read starts: the rows the table holds, the cursor's row (-1 for
// none) and its content. A main read appends after the rows and may rewrite
// the current one; a second read fills Szoveg2 from the current row on.
struct ReadStart {
    int rowCount = 0;
    int currentIndex = -1;
    SubtitleRow current;
};

// Everything a read gives back; the caller applies it to the table.
struct ReadResult {
    SubtitleFileType type = SubtitleFileType::none;
    FileEncoding encoding = FileEncoding::Cp1250;
    ReadRows rows;            // the rows appended, the rewritten ones
    int currentIndex = -1;    // where the read left the cursor (0-based)
    int secondRowCount = 0;   // second read: rows that received a text
    int overThresholdCount = 0;
    int threeLineCount = 0;
    CorrectionLog report;     // the correction log lines of the repairs
    bool reported = false;    // something was repaired or reported
    // The read stopped before the end ("Csak eddig tudtam betölteni a
    // file-t!"): the rows hold only part of the file.
    bool stoppedEarly = false;
    // A streamed file could not be read again as it was surveyed (it
    // changed or failed under the read): the rows are not to be taken.
    bool unreadable = false;
};

// The readers the formats name (files/SubtitleFormat.cpp). Adding a reader
// is one more of these and its function, named by its format's entry.
extern const SubtitleReading subRipReading;    // time-based: a number line first
extern const SubtitleReading microDvdReading;  // frame-based: "{start}{end}text"
extern const SubtitleReading dottedReading;    // "HH:MM:SS.hh,HH:MM:SS.hh", then refused

// The type a reader reports for a file in that encoding: a time-based file
// in 16-bit Unicode is told apart.
SubtitleFileType typeRead(const SubtitleReading &reader, bool utf16);
// The type of a file by the first line that tells anything; none when no
// line does.
SubtitleFileType detectSubtitleType(const DecodedText &text);
// The type the line alone tells, as a type string ("1", "2", "4" or empty).
QString detectFileType(QStringView line);

// Reads subtitle bytes: decodes them, detects the type and reads the rows
// through the reader of the format that takes them, repairing and reporting. Touches no global, no window and no message box.
ReadResult readSubtitle(QByteArray bytes, const ReadOptions &options,
                        const ReadStart &start = {});
ReadResult readSubtitle(const DecodedText &text, const ReadOptions &options,
                        const ReadStart &start = {});

// Reads the file named by subtitlePath into the model's table (textTarget
// "1") or into Szoveg2 of its rows ("2"), repairing and reporting into the
// correction log. Returns the detected type: "1" frame-based, "2"
// time-based, "3" time-based Unicode, "4" dotted layout, or empty.
// withOffset: the CD-join read of a second part. A file that cannot be
// opened or read gets its own message; *unopenable then tells the caller
// not to add the general failure message.
QString readSubtitleFile(EditorModel &model, bool withOffset, bool *unopenable = nullptr);

// Why a file could not be read: the two lines of its "Hiba" box (kind
// "hiba"); empty when it could.
struct FileFailure {
    QString first;
    QString second;
    bool failed() const { return !first.isEmpty(); }
};

// Loads a whole file for reading (a file taken whole, as the translation
// workspace takes one). On failure returns the message naming the file and
// leaves bytes empty; shows nothing.
FileFailure loadSubtitleBytes(const QString &path, QByteArray *bytes);
