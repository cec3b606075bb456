#pragma once
#include <QString>
#include <QtGlobal>
#include <array>

class EditorModel;

// Times and texts taken from the film position. Positions are seconds as the
// player reports them; every "truncate to the millisecond" works on the
// decimal text of the value.

// The position as a time code (milliseconds truncated).
QString filmTimeCode(double position);
// Trunc(frame rate × position) as a whole number.
QString filmFrame(double position, const QString &fps);
// The film's length as a time code, and its frame count at that rate.
QString filmDurationText(qint64 durationMs);
QString filmTotalFrames(qint64 durationMs, const QString &fps);

// The counter under the film: position / length, as time codes in the Time
// base, as frame numbers in the Frame base. An unknown length reads "n.a."
// when asked for, otherwise it is left empty.
struct FilmCounter {
    bool timeBase = true;
    QString fps;
    QString durationText;
    QString totalFrames;
};
QString filmCounterText(const FilmCounter &counter, double position, bool unknownAsNa = false);
inline const QString zeroFilmCounter = QStringLiteral("00:00:00,000 / 00:00:00,000");

// The value a start taken from the film gets: while the film plays a tenth
// of a second earlier (the reaction time), never below zero.
QString filmStartValue(double position, bool playing, bool timeBase, const QString &fps);
QString filmEndValue(double position, bool timeBase, const QString &fps);

// The subtitle row's text as drawn under the film: up to three lines, with
// the italic tags taken off where they enclose a line (or lines 1 and 2
// together). An empty line is not drawn.
struct FilmLine {
    QString text;
    bool italic = false;
};
using FilmLines = std::array<FilmLine, 3>;
FilmLines filmLinesOf(const QString &rowText);

// Writing times from the film into the current row. Each does nothing and
// returns false on an empty table; otherwise it posts the row and sets the
// modified marker.
// The start of the current row.
bool takeFilmStart(EditorModel &model, const QString &value);
// The end of the current row; the next row becomes current.
bool takeFilmEnd(EditorModel &model, const QString &value);
// The end of the current row and the start of the next one, which becomes
// current (appended when the row was the last).
bool takeFilmEndAndNextStart(EditorModel &model, const QString &value);
