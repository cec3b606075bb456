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

void setRowFlagsQuiet(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    const LineLengths m = measureLines(cds.field(Field::Szoveg));
    const bool betu38 = !cds.field(Field::Betu38).isEmpty();
    const bool sor3 = !cds.field(Field::Sor3).isEmpty();
    if (m.anyLongerThan(model.threshold())) {
        if (!betu38) {
            cds.setField(Field::Betu38, QStringLiteral("t"));
            ++model.overThresholdCount;
        }
    } else if (betu38) {
        cds.setField(Field::Betu38, QString());
        --model.overThresholdCount;
    }
    if (m.hasThirdLine()) {
        if (!sor3) {
            cds.setField(Field::Sor3, QStringLiteral("t"));
            ++model.threeLineCount;
        }
    } else if (sor3) {
        cds.setField(Field::Sor3, QString());
        --model.threeLineCount;
    }
}

void setRowFlags(EditorModel &model)
{
    setRowFlagsQuiet(model);
    model.announceCounts();
}
