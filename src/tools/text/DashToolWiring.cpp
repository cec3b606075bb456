#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/DashTool.h"

// "1*-"
void wireDashTool(TFelirat &editor)
{
    editor.onClick(Ctl::Bvonal, [&editor] { runDashTool(editor.model()); });
}
