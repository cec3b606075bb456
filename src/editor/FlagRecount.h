#pragma once

class EditorModel;

// Rebuilds betu38, sor3 and both counts for every row against the current
// threshold (the threshold spin's change handler), with progress.
void recountAllFlags(EditorModel &model);
