#include "files/SubtitleReader.h"

#include "editor/EditorModel.h"

QString readSubtitleFile(EditorModel &model, bool withOffset)
{
    return QString();
}
