#pragma once
#include <QString>

class EditorModel;

// Saving the table in its own time base: a time-based file in "Time", a
// frame-based one in "Frame". askName shows the file-name dialog first;
// announce shows "A file-t elmentettem!" after a successful save.
// Both return true when a file was written.
bool saveSubtitle(EditorModel &model, bool askName, bool announce);
bool saveSecondSubtitle(EditorModel &model);
// target "1" writes Szoveg to subtitlePath, "2" Szoveg2 to secondSubtitlePath.
// The file on disk is replaced only once the whole new file was written.
bool writeTimeFile(EditorModel &model, const QString &target);
bool writeFrameFile(EditorModel &model, const QString &target);
// The lower-case extension of a path with its dot (".srt"), or empty.
QString lowerExtension(const QString &path);
