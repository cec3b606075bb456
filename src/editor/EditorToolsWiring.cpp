#include "editor/EditorTools.h"

void wireEditorTools(TFelirat &editor)
{
    wireFileCommands(editor);
    wireCorrectionLog(editor);
    wireGeneralFixes(editor);
    wireSoundNames(editor);
    wireAggressiveBreak(editor);
    wireOverlapTools(editor);
}
