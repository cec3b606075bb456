#include "app/Windows.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/timing/OverlapCheck.h"
#include "tools/timing/TAtfedes.h"

// "Átfedés vizsgálata" opens the overlap window; "0.5 mp" lists the lines
// of half a second.
void wireOverlapTools(TFelirat &editor)
{
    editor.onClick(Ctl::BAtfedes, [] {
        if (TAtfedes *w = windows().atfedes)
            w->openWindow();
    });
    editor.onClick(Ctl::L05, [&editor] {
        listHalfSecondLines(editor.model());
        editor.focusGrid();
    });
}
