#pragma once

class EditorModel;

// "Kilépés": asks the save question when the subtitle is modified and the
// question is not switched off ("Kilépésnél: nincs kérdés"). True when the
// editor may close: no question, "Nem", or "Igen" with the save done. False
// after "Mégsem", and when the save behind "Igen" did not happen (name
// dialog left, file not written), so the subtitle is not lost.
bool mayLeaveEditor(EditorModel &model, bool noQuestion);
