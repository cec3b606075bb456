#pragma once
#include <QString>

class EditorModel;

// Undo and redo of the editor's journal: the table, the current row and the
// line fields, the flag counts and the modified marker come back as they
// were before (or after) the step. False when there was nothing to do.
bool undoLastStep(EditorModel &model);
bool redoNextStep(EditorModel &model);

// The captions of the two menu items: "Visszavonás: Általános javítás",
// "Mégis: Általános javítás", or the plain captions when there is no step.
QString undoCaption(const EditorModel &model);
QString redoCaption(const EditorModel &model);
// Enables the two menu items by what the journal holds.
void showHistoryState(EditorModel &model);
