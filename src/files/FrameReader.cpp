#include "files/FrameReader.h"


namespace {

// The characters between the first "{" and the first "}", "{" skipped.
QString firstField(QStringView line)
{
    QString field;
    for (qsizetype i = 1; i < line.size() && line[i].unicode() != u'}'; ++i)
        if (line[i].unicode() != u'{')
            field += line[i];
    return field;
}

}  // namespace

void FrameReader::prepareOffset(QStringView firstLine)
{
    bool typedOk = false, fileOk = false;
    const qint64 typed = s_.options.cdJoinStart.trimmed().toLongLong(&typedOk);
    const qint64 first = firstField(firstLine).toLongLong(&fileOk);
    offset_ = typedOk && fileOk ? typed - first : 0;
}

// A field that is not a whole number is kept as it stands.
QString FrameReader::shifted(const QString &field) const
{
    if (offset_ <= 0)
        return field;
    bool ok = false;
    const qint64 value = field.toLongLong(&ok);
    return ok ? QString::number(value + offset_) : field;
}

void FrameReader::readFrameLine(QStringView line)
{
    if (line.isEmpty() || line[0].unicode() != u'{') {
        s_.stopWithMessage();
        return;
    }
    ReadRows &cds = s_.cds;
    QString field;
    int closing = 0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (c == u'{')
            continue;
        if (c != u'}') {
            field += line[i];
            continue;
        }
        if (++closing == 1) {
            if (!s_.second) {
                cds.append();
                cds.setField(Field::Kezdes, shifted(field));
            }
            field.clear();
            continue;
        }
        const QStringView text = line.mid(i + 1);
        if (!s_.second) {
            cds.setField(Field::Befejezes, shifted(field));
            s_.storeText(text, false);
        } else if (cds.recordCount() > 0) {
            cds.edit();
            cds.setField(Field::Szoveg2, text);
            s_.noteLongText(Field::Szoveg2, text.size());
            cds.post();
            ++s_.secondRowCount;
            cds.next();
        }
        return;
    }
}
