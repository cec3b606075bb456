#include "editor/RowText.h"

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowStats.h"

namespace {

void storeText(EditorModel &model, Field field, const QString &text, bool startEdit,
               bool releaseLock, bool recountFlags)
{
    SubtitleTable &cds = model.cds;
    if (startEdit)
        cds.edit();
    cds.setField(field, text);
    if (recountFlags)
        setRowFlags(model);
    else
        setRowFlagsQuiet(model);
    if (releaseLock)
        displayLock = false;
    cds.post();
}

}  // namespace

void writeRowText(EditorModel &model, const QString &text, bool startEdit, bool releaseLock,
                  bool recountFlags)
{
    QString stored = text;
    if (model.options.max2 && stored.startsWith(u'|')) {
        stored.remove(0, 1);
        if (stored.startsWith(u'|'))
            stored.remove(0, 1);
    }
    storeText(model, Field::Szoveg, stored, startEdit, releaseLock, recountFlags);
}

void writeRowText2(EditorModel &model, const QString &text, bool startEdit, bool releaseLock,
                   bool recountFlags)
{
    storeText(model, Field::Szoveg2, text, startEdit, releaseLock, recountFlags);
}
