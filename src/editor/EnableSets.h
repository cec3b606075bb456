#pragma once

class EditorModel;

// The editor's enable sets: which controls are enabled and shown in each
// state of the window. They act on the model's control states, which the
// window mirrors.
void applyResetSet(EditorModel &model);
void applyAfterReadSet(EditorModel &model);  // rows >= 1 or an empty table, by the table
void applyReadFailedSet(EditorModel &model);
