#include "app/Windows.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "files/convert/TMentesMaskent.h"

// "Felirat konvertálása": the conversion window, modally.
void wireConversion(TFelirat &editor)
{
    editor.onClick(Ctl::Feliratmentsemsknt1, [] {
        if (TMentesMaskent *w = windows().mentesMaskent)
            w->openWindow();
    });
}
