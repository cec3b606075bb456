#include "editor/EditorTools.h"

void wireEditorTools(TFelirat &editor)
{
    wireCorrectionLog(editor);
    wireOverlapTools(editor);
}
