#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/CharacterTools.h"

// The character tools of the tool menu.
void wireCharacterTools(TFelirat &editor)
{
    const std::pair<Ctl, int (*)(EditorModel &)> items[] = {
        {Ctl::lgomb1, runLToI},
        {Ctl::kezgomb1, runAccentRemoval},
        {Ctl::sszesbetkisbetlegyen1, runLowerCase},
        {Ctl::ressoroktrlse1, runEmptyRowDeletion},
        {Ctl::karakterekelttispaceeltntetse1, runSpaceBefore},
        {Ctl::karakterekutntegyenspacet1, runSpaceAfter},
    };
    for (const auto &[item, run] : items)
        editor.onClick(item, [&editor, run] { run(editor.model()); });
}
