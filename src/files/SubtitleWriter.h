#pragma once
#include <QString>

#include "files/FileReplace.h"

class EditorModel;
class WriteCheck;
struct SubtitleFormat;

// Saving the table in its own time base: a time-based file in "Time", a
// frame-based one in "Frame". askName shows the file-name dialog first;
// announce shows "A file-t elmentettem!" after a successful save.
// Both return true when a file was written.
//
// The check given (nullptr: none) runs over the entries of a time-based
// file; the editor's forms, which choose it by its option, are in
// files/EditorSave.h.
bool saveSubtitle(EditorModel &model, bool askName, bool announce, WriteCheck *check);
bool saveSecondSubtitle(EditorModel &model, WriteCheck *check);
// target "1" writes Szoveg to subtitlePath, "2" Szoveg2 to secondSubtitlePath.
// The file on disk is replaced only once the whole new file was written.
bool writeTimeFile(EditorModel &model, const QString &target, WriteCheck *check);
bool writeFrameFile(EditorModel &model, const QString &target);
// Any format: holds the editor still while the rows are rendered, replaces
// the file and shows the outcome as the editor does.
bool writeSubtitleFile(EditorModel &model, const QString &target, const SubtitleFormat &format,
                       WriteCheck *check);
// "Írásvédett file!" for a file that could not be written, its second line
// followed by the cause where it is another than write protection.
void showWriteFailure(const QString &fileName, WriteFault fault,
                      const QString &second = QStringLiteral("A kért mentés nem sikerült!"));
// A save refused because the table had rows but none could be written:
// how many had no start or end, how many an empty text, how many more lines
// than the format has a place for.
void showNothingWritten(int withoutTimes, int emptyTexts, int tooManyLines = 0);
// The lower-case extension of a path with its dot (".srt"), or empty.
QString lowerExtension(const QString &path);
