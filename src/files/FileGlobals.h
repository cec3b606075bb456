#pragma once
#include <QString>

// Opening (open dialog and readers)
extern QString textTarget;        // "1" main subtitle, "2" second subtitle
extern QString openPurpose;       // "Felirat", "Forditas1", "Forditas2", "Eredeti", "Forditott"
extern QString openResult;        // "ki", "megnyit", "vissza"
extern bool secondOpen;
extern bool editorReady;
extern QString lastDirectory;
extern QString subtitlePath;
extern QString subtitleFileName;
extern QString pickedPath;
extern QString pickedFileName;
extern QString pickedDirectory;
extern QString savedLastDirectory;
extern QString savedSubtitlePath;
extern QString savedSubtitleFileName;

// Saving (file-name dialog and writers)
extern QString fileNameMode;      // "Felirat", "Forditas", "dupla", "MentesMaskent"
extern bool saveCancelled;
// The last write refused to put a file in place (nothing of the table
// could be written, or the file would be too large to open again).
extern bool saveRefused;
// The largest subtitle file the readers take.
inline constexpr qint64 largestReadableFile = qint64(512) * 1024 * 1024;
// The largest time- or frame-based file a save writes: what the readers
// take, so that every saved file opens again (tests lower it).
extern qint64 largestSavedFile;
extern QString saveExtension;
extern QString secondSubtitlePath;
extern QString secondSubtitleFileName;

void resetFileGlobals();
