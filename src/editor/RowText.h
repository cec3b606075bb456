#pragma once
#include <QString>

class EditorModel;

// Stores a text into Szoveg of the current row: optionally puts the row into
// edit state first, removes up to two leading line breaks when the Max2
// option is on, brings the flags up to date (announcing the counts when
// recountFlags is set), optionally clears displayLock, and posts.
void writeRowText(EditorModel &model, const QString &text, bool startEdit, bool releaseLock,
                  bool recountFlags);
// The same for Szoveg2, without the leading-break option.
void writeRowText2(EditorModel &model, const QString &text, bool startEdit, bool releaseLock,
                   bool recountFlags);
