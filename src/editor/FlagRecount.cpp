#include "editor/FlagRecount.h"

#include "editor/EditorModel.h"

void recountAllFlags(EditorModel &model) {}
