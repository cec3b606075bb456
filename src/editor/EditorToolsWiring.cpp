#include "editor/EditorTools.h"

void wireEditorTools(TFelirat &editor)
{
    wireFileCommands(editor);
    wireCorrectionLog(editor);
    wireGeneralFixes(editor);
    wireOverlapTools(editor);
    wireConversion(editor);
}
