#include "app/ModeGlobals.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/GeneralFixes.h"

// "Ö": the general fixes of the running edition.
void wireGeneralFixes(TFelirat &editor)
{
    editor.onClick(Ctl::BOsszes, [&editor] { runGeneralFixes(editor.model(), edition); });
}
