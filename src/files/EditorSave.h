#pragma once
#include <QString>

class EditorModel;

// Saving as the editor does: the save-time overlap check runs when its
// option "Mentéskor átfedés ellenőrzése" is on. See files/SubtitleWriter.h.
bool saveSubtitle(EditorModel &model, bool askName, bool announce);
bool saveSecondSubtitle(EditorModel &model);
bool writeTimeFile(EditorModel &model, const QString &target);
