#pragma once
#include <QList>

#include "editor/EditorControls.h"

class EditorModel;

// The editor's enable sets: which controls are enabled and shown in each
// state of the window. They act on the model's control states, which the
// window mirrors.
// The states of a freshly created window: the items the menus start with
// switched off, the controls hidden until they are needed, and the film's
// controls gone in the edition without a film.
void applyCreationSet(EditorModel &model);
void applyResetSet(EditorModel &model);
// After a read: the rows >= 1 or the empty-table variant, by the table;
// the second-subtitle controls follow textTarget ("2" after a second read).
void applyAfterReadSet(EditorModel &model);
void applyReadFailedSet(EditorModel &model);
// Enables or disables the tools that only work on time codes (and clears
// the colouring check boxes when they go off).
void applyTimeBaseTools(EditorModel &model, bool on);

// The two-subtitle layout hides the row number, start, difference and end
// fields with their labels and "Értékek beállítása", and shows the second
// text field with its counter; the single layout does the reverse.
void setTwoSubtitleFields(EditorModel &model, bool two);

// Groups of controls the sets and the window share.
const QList<Ctl> &timeBaseOnlyControls();
const QList<Ctl> &lineToolControls();
const QList<Ctl> &gridMenuRowItems();  // grid menu items that need a row, without "Beillesztés"
