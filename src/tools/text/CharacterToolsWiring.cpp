#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/text/CharacterTools.h"

// The character tools of the tool menu.
void wireCharacterTools(TFelirat &editor)
{
    const std::pair<const char *, int (*)(EditorModel &)> items[] = {
        {"lgomb1", runLToI},
        {"kezgomb1", runAccentRemoval},
        {"sszesbetkisbetlegyen1", runLowerCase},
        {"ressoroktrlse1", runEmptyRowDeletion},
        {"karakterekelttispaceeltntetse1", runSpaceBefore},
        {"karakterekutntegyenspacet1", runSpaceAfter},
    };
    for (const auto &[item, run] : items)
        editor.onClick(QLatin1String(item), [&editor, run] { run(editor.model()); });
}
