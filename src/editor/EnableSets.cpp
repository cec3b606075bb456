#include "editor/EnableSets.h"

#include "editor/EditorModel.h"

void applyResetSet(EditorModel &model) {}
void applyAfterReadSet(EditorModel &model) {}
void applyReadFailedSet(EditorModel &model) {}
