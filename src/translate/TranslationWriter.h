#pragma once
#include <QByteArray>
#include <QString>

#include "files/FileEncoding.h"

class SubtitleTable;

// The bytes of a table in the workspace's row layout, lines ending in CR LF.
// "Frame": "{start}{end}text" for every row. "Time": a numbered entry for
// every row with a start and an end, its text on the next line; a row with
// every field empty is the blank line between entries; any other row is a
// further text line of the entry above. A text that has no place in code
// page 1250 turns the whole file into UTF-8 with a byte-order mark.
QByteArray renderTranslation(const SubtitleTable &table, const QString &timeBase,
                             FileEncoding encoding);

// Writes the table to path in place of the old file (which stays as it was
// when anything fails) and tells the user: "Ismeretlen típus!" for a time
// base other than "Time" and "Frame", "Írásvédett file!" when the file
// could not be written. True when written.
bool writeTranslationFile(const SubtitleTable &table, const QString &timeBase,
                          const QString &path, FileEncoding encoding);
