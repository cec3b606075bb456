#include "files/FileGlobals.h"

QString textTarget;
QString openPurpose;
QString openResult;
bool secondOpen = false;
bool editorReady = false;
QString lastDirectory;
QString subtitlePath;
QString subtitleFileName;
QString pickedPath;
QString pickedFileName;
QString pickedDirectory;
QString savedLastDirectory;
QString savedSubtitlePath;
QString savedSubtitleFileName;

QString fileNameMode;
bool saveCancelled = false;
bool saveRefused = false;
qint64 largestSavedFile = largestReadableFile;
QString saveExtension;
QString secondSubtitlePath;
QString secondSubtitleFileName;

void resetFileGlobals()
{
    for (QString *s : {&textTarget, &openPurpose, &openResult, &lastDirectory, &subtitlePath,
                       &subtitleFileName, &pickedPath, &pickedFileName, &pickedDirectory,
                       &savedLastDirectory, &savedSubtitlePath, &savedSubtitleFileName,
                       &fileNameMode, &saveExtension, &secondSubtitlePath,
                       &secondSubtitleFileName})
        s->clear();
    secondOpen = false;
    editorReady = false;
    saveCancelled = false;
    saveRefused = false;
    largestSavedFile = largestReadableFile;
}
