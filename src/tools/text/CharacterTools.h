#pragma once
#include <QString>
#include <QStringView>

#include "tools/text/BatchPass.h"

class EditorModel;

// The small whole-table tools of the tool menu. Each run returns its change
// count and ends with its own message.

// "l betű kicserélése I-re": an "l'" or "l " standing at the start of a
// word is the English "I" misread; the first two of each are corrected.
BatchTool lToITool();
int runLToI(EditorModel &model);

// The Hungarian accented vowels without their accents, and the text in
// small letters. Each returns the text and adds the characters it changed
// to *changed.
QString withoutAccents(QStringView text, int *changed);
QString inSmallLetters(QStringView text, int *changed);

// "Ékezetek eltűntetése" and "Összes betű kis betű legyen": every row
// rewritten directly, the correction log left as it is, "Kész!" at the end.
int runAccentRemoval(EditorModel &model);
int runLowerCase(EditorModel &model);

// "Üres sorok törlése": rows with an empty text are deleted and logged.
int runEmptyRowDeletion(EditorModel &model);

// ".?! karakterek előtti space eltűntetése": spaces before "?", "!" and "."
// go, one at a time, until none is left on the row.
BatchTool spaceBeforeTool();
int runSpaceBefore(EditorModel &model);

// ".,?! karakterek után tegyen space-t ": a space after every ".", ",", "!"
// and "?" that is glued to what follows, with the exceptions of web
// addresses, numbers and runs of marks.
BatchTool spaceAfterTool();
int runSpaceAfter(EditorModel &model);
// The text with those spaces inserted; returns how many.
int insertSpacesAfterMarks(QString &text);
