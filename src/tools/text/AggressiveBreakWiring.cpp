#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/AggressiveBreak.h"

// "Agresszív sortörés" (Ctrl+A, enabled in the Time base only) and line
// halving of the tool menu.
void wireAggressiveBreak(TFelirat &editor)
{
    editor.onClick(Ctl::agressziv, [&editor] {
        if (editor.model().isTimeBase())
            runAggressiveBreak(editor.model());
    });
    editor.onClick(Ctl::Sorfelezs3872bet1,
                   [&editor] { runLineHalving(editor.model()); });
}
