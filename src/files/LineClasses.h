#pragma once
#include <QString>
#include <QStringView>

#include "document/TimeText.h"

// Classes of the lines of a subtitle file, positions as in the file.

// Length 0, or exactly one space. Asked of every line, so inline.
inline bool isEmptyLine(QStringView line)
{
    return line.isEmpty() || (line.size() == 1 && line[0].unicode() == u' ');
}
// The whole line is a whole number (digits only).
bool isNumberLine(QStringView line);
// "HH:MM:SS,mmm --> HH:MM:SS,mmm"; "," and ":" always stand for the
// millisecond separator, "." only when acceptDot is set (right after a
// sequence number). Characters 13 and 17 are not looked at.
bool isTimeLine(QStringView line, bool acceptDot);
// The dotted layout "HH:MM:SS.hh,HH:MM:SS.hh".
bool hasDottedShape(QStringView line);

// The start and end of a time line with the separators made ":" and ",";
// short lines give short (malformed) times.
QString timeLineStart(QStringView line);
QString timeLineEnd(QStringView line);
// Both at once, built without a string in between.
void timeLineTimes(QStringView line, TimeText &start, TimeText &end);

// Runs of spaces shrink to one; spaces before "," and on both sides of "|"
// disappear. A single leading or trailing space stays.
QString cleanText(const QString &text);
// Length cleanText would give, without building the text.
qsizetype cleanedLength(QStringView text);
// Whether cleanText would change the text; only its spaces are looked at.
bool needsCleaning(QStringView text);
