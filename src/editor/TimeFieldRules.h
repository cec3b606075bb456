#pragma once
#include <QChar>
#include <QString>
#include <QStringView>

// Typing rules of the editor's time fields (start, end, shift amount).
// A filter returns the key unchanged when it is accepted and Esc when it is
// rejected; the field then ignores it.

inline constexpr QChar rejectedKey = QChar(27);
inline constexpr QChar backspaceKey = QChar(8);

// Time base: digits, ":", "," and Backspace.
QChar filterTimeChar(QChar key);
// As filterTimeChar, but Backspace is rejected with the caret right after a
// separator (positions 3, 6 and 9), so separators cannot be erased backwards.
QChar filterTimeCharAt(QChar key, int caret);
// Frame base: digits and Backspace.
QChar filterFrameChar(QChar key);
// The filter of a field by time base ("Time" or anything else for frames).
QChar filterTypedChar(QChar key, int caret, bool timeBase);
// The same without the caret rule: Backspace is taken everywhere (the CD
// tools' start values).
QChar filterStartValueChar(QChar key, bool timeBase);

// Delete is blocked right before a separator (caret 2, 5 or 8).
bool forwardDeleteBlocked(int caret);

// An 11-character time gets its last millisecond digit: "00:00:05,00" + "0".
QString completeTimeText(const QString &text);

// Enter in the start field: the completed start, and the end pulled up to
// the start when the start is later than the end.
struct StartEnter {
    QString start;
    QString end;
    bool endPulled = false;
};
StartEnter startFieldEnter(const QString &start, const QString &end, bool timeBase);

// The difference field: end - start as a time code (Time) or a number
// (Frame); negative values carry a leading "-" and are shown on red.
struct Difference {
    QString text;
    bool negative = false;
};
Difference computeDifference(const QString &start, const QString &end, bool timeBase);

// Target row of "Ugrás erre a sorra:": 0 when nothing is to happen (not a
// whole number or an empty table); numbers beyond the table give the last
// row and 0 or less the first.
int jumpTargetRow(const QString &text, int rowCount);
