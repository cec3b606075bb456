#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/LineJoin.h"

// "öh"
void wireLineJoin(TFelirat &editor)
{
    editor.onClick(Ctl::Boh, [&editor] { runLineJoin(editor.model()); });
}
