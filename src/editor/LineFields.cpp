#include "editor/LineFields.h"

#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowStats.h"
#include "editor/RowText.h"
#include "editor/SecondSubtitle.h"
#include "editor/TypedValues.h"

namespace {

// Keys typed into one field of one row are one step, as in other editors.
QString typingStep()
{
    return QStringLiteral("Gépelés");
}

QString counterLabel(const QString &stored)
{
    return stored.isEmpty() ? QStringLiteral("0") : lineCountLabel(stored);
}

}  // namespace

bool storeTypedTimes(EditorModel &model, const QString &start, const QString &end)
{
    SubtitleTable &cds = model.cds;
    const bool ok = model.isTimeBase()
                        ? checkTypedTime(start, true) && checkTypedTime(end, true)
                        : checkFramePair(start, end);
    if (!ok || !cds.isActive() || cds.recordCount() == 0)
        return false;
    const DisplayHold hold;
    cds.edit();
    cds.setField(Field::Kezdes, start);
    cds.setField(Field::Befejezes, end);
    cds.post();
    model.setModified(true);
    model.setEnabled(Ctl::Bertek, false);
    return true;
}

QString storedFormOf(const QString &fieldText)
{
    QString s = fieldText;
    s.remove(u'\r');
    s.replace(u'\n', u'|');
    s.replace(QChar::ParagraphSeparator, u'|');
    s.replace(QChar::LineSeparator, u'|');
    return s;
}

QString storeTypedText(EditorModel &model, const QString &fieldText)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive())
        return QString();
    const QString text = storedFormOf(fieldText);
    if (cds.recordCount() > 0 && text == cds.field(Field::Szoveg))
        return QString();
    {
        const DisplayHold hold;
        writeRowText(model, text, true, false, true);
        model.markChanged(EditorModel::Subtitle::main);
    }
    model.journal().commitTyping(typingStep(), cds.recNo(), int(Field::Szoveg));
    return counterLabel(cds.field(Field::Szoveg));
}

QString storeTypedText2(EditorModel &model, const QString &fieldText)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive() || cds.recordCount() == 0)
        return QString();
    const QString text = storedFormOf(fieldText);
    if (text == cds.field(Field::Szoveg2))
        return QString();
    {
        const DisplayHold hold;
        writeRowText2(model, text, true, false, true);
        noteSecondText(model);
        model.markChanged(EditorModel::Subtitle::second);
    }
    model.journal().commitTyping(typingStep(), cds.recNo(), int(Field::Szoveg2));
    return counterLabel(cds.field(Field::Szoveg2));
}
