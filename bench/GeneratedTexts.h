#pragma once
// The texts of a generated subtitle as the editor reads them, for the
// benchmarks of the text tools, which fill their own tables with them.
#include <QStringList>
#include <map>

#include "GeneratedSubtitle.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"

namespace bench {

// Never empty: a stand-in line when the generator cannot be run.
inline const QStringList &generatedTexts(int entries)
{
    static std::map<int, QStringList> read;
    if (auto it = read.find(entries); it != read.end())
        return it->second;
    QStringList &out = read[entries];
    const QString path = subtitleFile(entries);
    if (!path.isEmpty()) {
        EditorModel model;
        subtitlePath = path;
        subtitleFileName = QStringLiteral("gen.srt");
        textTarget = QStringLiteral("1");
        model.cds.create();
        prepareEditor(model, true, subtitleFileName);
        readIntoEditor(model);
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out.append(model.cds.rowAt(i).szoveg);
    }
    if (out.isEmpty())
        out.append(QStringLiteral("Nem tudom, mit mondjak.|Majd holnap elmondom."));
    return out;
}

}  // namespace bench
