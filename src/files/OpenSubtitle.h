#pragma once
#include <QString>

class EditorModel;

// The editor's side of opening a subtitle, without the window: the steps
// before and after the reader, as control states of the model and hooks of
// its host.

// editorReady on; Efilenev := dialogName when copyName; the grid, search and
// shift controls enabled; RB1 enabled and checked; st1..st3 hidden.
void prepareEditor(EditorModel &model, bool copyName, const QString &dialogName);

// Reads subtitlePath into the editor (textTarget "1" the main subtitle, "2"
// the second one) and sets the editor up for the result. Does nothing while
// editorReady is off. Returns the reader's type ("1" to "4" or empty).
QString readIntoEditor(EditorModel &model);

// Whether a read of that type counts as a success for the editor.
bool isReadSuccess(const QString &type);

// Opens the file named by commandLineFile when it ends in ".srt" or ".sub"
// (any letter case); returns false when there is none.
bool openCommandLineFile(EditorModel &model);
