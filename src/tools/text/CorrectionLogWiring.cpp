#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/ShowLog.h"

// "Lista" and F5.
void wireCorrectionLog(TFelirat &editor)
{
    for (const char *name : {"Blista", "Lista1"})
        editor.onClick(QLatin1String(name), [&editor] { showCorrectionLog(editor.model()); });
}
