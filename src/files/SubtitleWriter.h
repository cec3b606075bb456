#pragma once
#include <QString>

class EditorModel;

// Saving the table in its own time base: a time-based file in "Time", a
// frame-based one in "Frame". askName shows the file-name dialog first;
// announce shows "A file-t elmentettem!" after a successful save.
void saveSubtitle(EditorModel &model, bool askName, bool announce);
void saveSecondSubtitle(EditorModel &model);
// target "1" writes Szoveg to subtitlePath, "2" Szoveg2 to secondSubtitlePath.
bool writeTimeFile(EditorModel &model, const QString &target);
bool writeFrameFile(EditorModel &model, const QString &target);
