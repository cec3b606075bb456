#pragma once
#include <QString>

class EditorModel;

// Moves of the current row that the editor's navigation buttons make. Each
// clears displayLock, shows the row and gives the grid the focus.
void goFirstRow(EditorModel &model);
void goLastRow(EditorModel &model);
// "Ok" of "Ugrás erre a sorra:": false when nothing happened (not a whole
// number or an empty table).
bool jumpToRow(EditorModel &model, const QString &text);
// "G": the current row's end becomes the start of the next row, which
// becomes current; on the last row a new row is appended with that start.
void continueFromEnd(EditorModel &model);

// A new subtitle: a fresh table with one row, 0 to 1 second ("0" to "10"
// frames), and the enable states of a subtitle that starts as modified.
void prepareNewSubtitle(EditorModel &model);
