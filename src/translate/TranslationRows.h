#pragma once
#include <functional>
#include <QString>

class SubtitleTable;

// Row work of the translation workspace on one of its two tables.

// Checks every row from the first: "Frame" rows need a start and an end and
// a sound pair; "Time" rows with neither pass, the others need a sound time
// pair; "Time" rows must also stand where the file's reader finds them
// again (an entry's first row after an empty row, its text rows right
// after it). Stops at the first failing row with its message; the cursor goes
// back to the row it was on. With announce, a clean table is reported.
bool checkTranslationTable(SubtitleTable &table, const QString &timeBase, bool announce);

// Finds the first row after the current one whose text contains what, the
// letters A-Z compared without case. Found: it becomes current. Otherwise
// the cursor stays and the user is told. An empty what is refused with a
// message. progress, when given, gets the gauge's value (0..100) as the
// rows are looked at.
bool searchTranslation(SubtitleTable &table, const QString &what,
                       const std::function<void(int)> &progress = {});

// The row number the other table moves to when one table's cursor moves to
// recNo, or 0 when it stays (it has fewer rows).
int partnerRow(int recNo, int otherRowCount);

// Style tags of a row text: wrapping in <i>..</i> (tag "i"), and taking the
// first opening and closing tag off again; removeAllStyles takes off the
// first of each of the six.
QString wrapStyle(const QString &text, QChar tag);
QString unwrapStyle(const QString &text, QChar tag);
QString removeAllStyles(const QString &text);

// An empty row before or after the current one (after the last row it is
// appended); nothing in an empty table. The new row becomes current.
bool insertEmptyRow(SubtitleTable &table, bool after);
// Deletes the current row; false in an empty table.
bool deleteCurrentRow(SubtitleTable &table);
// Sets the current row's text.
void setRowText(SubtitleTable &table, const QString &text);
