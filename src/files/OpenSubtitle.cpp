#include "files/OpenSubtitle.h"

#include "editor/EditorModel.h"
#include "files/FileGlobals.h"

// Placeholder until the editor's read is in place.
void prepareEditor(EditorModel &model, bool copyName, const QString &dialogName)
{
    editorReady = true;
    if (copyName)
        model.fileNameField = dialogName;
}

void readIntoEditor(EditorModel &model)
{
}
