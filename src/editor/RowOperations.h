#pragma once
#include <QString>

class EditorModel;

// The editor's row operations on the current row of the table: inserting,
// appending, deleting and moving the boundary between two rows. They read
// "Beszúráskor: üres sor" (cburessor) and "Ne legyen kérdés a törlésnél"
// (CBdelete) from the model's check marks.

struct NewRowTimes {
    QString start;
    QString end;
};

// Times of a row inserted before the current row, and after it (last: the
// current row is the table's last). They read the row, not the line fields.
NewRowTimes newRowTimesBefore(const EditorModel &model);
NewRowTimes newRowTimesAfter(const EditorModel &model, bool last);

// The new row (the last of the five) is the current row afterwards.
void appendRow(EditorModel &model);
void insertBefore(EditorModel &model);
void insertAfter(EditorModel &model);
void insertFiveAfter(EditorModel &model);

// Deletes the current row after the question (none while CBdelete is
// ticked); true when a row was deleted.
bool deleteRow(EditorModel &model);
// Deletes rows first..last (1-based, inclusive; at least one) without asking.
void deleteRange(EditorModel &model, int first, int last);

// Moves the boundary between the previous and the current row to
// part/parts of the previous row's span (Time base).
void moveBoundary(EditorModel &model, int part, int parts);

// The spin boxes of the range-delete window.
struct SpinRange {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
};
// "Kezdő sor:" on activation: 1..rows-1 at the current row.
SpinRange firstRowSpin(int rows, int recNo);
// "Utolsó törlendő sor:" once "Kezdő sor:" shows first (on activation first
// is the current row): up to rows, from first+1, at the row after the
// current one; rows-1 and the current row when first is the last row.
SpinRange lastRowSpin(int rows, int recNo, int first);
