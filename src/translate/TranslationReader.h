#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "files/FileEncoding.h"
#include "files/SubtitleFileType.h"

class SubtitleTable;

// The translation workspace keeps its rows in its own layout: a time-based
// file gives one row per text line (the first line of an entry carries the
// times, the blank line after an entry is an empty row), a frame-based file
// one row per line with its "|" separators, the dotted layout one row per
// entry followed by an empty row. A text typed into a line field holds at
// most this many characters; texts read from a file are kept whole, so a
// save never cuts what the file held.
inline constexpr int translationTextWidth = 73;

// One "Hiba" box (kind "hiba") the read has to say: its two lines.
struct TranslationMessage {
    QString first;
    QString second;
};

struct TranslationRead {
    SubtitleFileType type = SubtitleFileType::none;
    QString timeBase;  // "Time", "Frame", or empty when nothing was read
    FileEncoding encoding = FileEncoding::Cp1250;
    bool loaded = false;   // the file's bytes could be read at all
    bool stopped = false;  // a line did not fit; the rows before it stay
    bool refused = false;  // a time-based file in 16-bit Unicode
    // What the window says of the read, in this order; nothing is shown
    // while reading.
    std::vector<TranslationMessage> messages;
};

// Reads bytes into table (emptied first). With twin, the twin is emptied
// and receives a row for every row read: the same start and end with an
// empty text. Trailing rows with all fields empty are dropped from both.
// Every stop is in the result's messages.
TranslationRead readTranslationBytes(QByteArray bytes, SubtitleTable &table,
                                     SubtitleTable *twin = nullptr);
// The same for a file; a file that cannot be read gets its own message.
TranslationRead readTranslationFile(const QString &path, SubtitleTable &table,
                                    SubtitleTable *twin = nullptr);

// Shows the read's messages through the message box, in order.
void tellTranslationRead(const TranslationRead &read);
