#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/ShowLog.h"

// "Lista" and F5.
void wireCorrectionLog(TFelirat &editor)
{
    for (Ctl name : {Ctl::Blista, Ctl::Lista1})
        editor.onClick(name, [&editor] { showCorrectionLog(editor.model()); });
}
