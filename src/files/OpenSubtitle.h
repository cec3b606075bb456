#pragma once
#include <QString>

class EditorModel;

// Sets the editor up for a read: editorReady on, with copyName the file-name
// field takes the dialog's name, the search and edit controls are enabled.
void prepareEditor(EditorModel &model, bool copyName, const QString &dialogName);
// Reads subtitlePath into the editor (main or second subtitle by
// textTarget); does nothing while editorReady is off.
void readIntoEditor(EditorModel &model);
