#pragma once
// A file read into a model as the editor opens it, for the benchmarks that
// work on a table.
#include <QFileInfo>
#include <QString>

#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"

namespace bench {

inline bool readInto(EditorModel &model, const QString &path)
{
    resetAllGlobals();
    subtitlePath = path;
    textTarget = QStringLiteral("1");
    model.cds.create();
    prepareEditor(model, true, QFileInfo(path).fileName());
    readIntoEditor(model);
    return model.cds.recordCount() > 0;
}

}  // namespace bench
