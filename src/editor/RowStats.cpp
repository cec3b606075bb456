#include "editor/RowStats.h"

#include "editor/EditorModel.h"

bool LineLengths::anyLongerThan(int threshold) const
{
    for (quint8 len : l)
        if (len > threshold)
            return true;
    return false;
}

LineLengths measureLines(QStringView text)
{
    LineLengths m;
    if (text.isEmpty())
        return m;
    int line = 0;
    int len = 0;
    for (QChar c : text) {
        if (c == u'|') {
            if (line < 5)
                m.l[line] = quint8(qMin(len, 255));
            ++line;
            len = 0;
        } else {
            ++len;
        }
    }
    if (line < 5)
        m.l[line] = quint8(qMin(len, 255));
    m.lineCount = line + 1;
    return m;
}

QString lineCountLabel(QStringView text)
{
    if (text.isEmpty())
        return QStringLiteral("0=0 betű");
    const QList<QStringView> lines = text.split(u'|');
    if (lines.size() == 1)
        return QString::number(lines[0].size()) + QStringLiteral(" betű");
    QString label;
    int total = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            label += u'+';
        label += QString::number(lines[i].size());
        total += int(lines[i].size());
    }
    return label + u'=' + QString::number(total) + QStringLiteral(" betű");
}

namespace {

// Sets or clears one flag of the current row and moves its count with it.
// The count only moves when the table took the write, so a call outside
// edit state cannot make the counts drift from the flags.
void syncFlag(SubtitleTable &cds, Field field, bool want, int &count)
{
    const bool has = !cds.field(field).isEmpty();
    if (want == has)
        return;
    if (cds.setField(field, want ? QStringLiteral("t") : QString()))
        count += want ? 1 : -1;
}

}  // namespace

void setRowFlagsQuiet(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    const LineLengths m = measureLines(cds.field(Field::Szoveg));
    syncFlag(cds, Field::Betu38, m.anyLongerThan(model.threshold()), model.overThresholdCount);
    syncFlag(cds, Field::Sor3, m.hasThirdLine(), model.threeLineCount);
}

void setRowFlags(EditorModel &model)
{
    setRowFlagsQuiet(model);
    model.announceCounts();
}
