#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/SoundNames.h"

// The two removals of sound-imitation text and names in the tool menu.
void wireSoundNames(TFelirat &editor)
{
    editor.onClick(Ctl::HangutnzszavaksNevektrlse1,
                   [&editor] { runSoundNames(editor.model(), false); });
    editor.onClick(Ctl::Hangutnzszavaksnevektrlse2,
                   [&editor] { runSoundNames(editor.model(), true); });
}
