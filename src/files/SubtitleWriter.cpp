#include "files/SubtitleWriter.h"

#include "editor/EditorModel.h"

void saveSubtitle(EditorModel &model, bool askName, bool announce) {}
void saveSecondSubtitle(EditorModel &model) {}
bool writeTimeFile(EditorModel &model, const QString &target) { return false; }
bool writeFrameFile(EditorModel &model, const QString &target) { return false; }
