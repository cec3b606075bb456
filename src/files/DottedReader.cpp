#include "files/DottedReader.h"

#include "files/LineClasses.h"

void readDottedLine(ReadSession &s, QStringView firstTimeLine)
{
    ReadRows &cds = s.cds;
    QStringView timeLine = firstTimeLine;
    auto next = [&s]() { return s.atEnd() ? QStringView() : s.nextLine(); };
    // A time line the file ends on makes no entry.
    while (!s.atEnd() && !s.fatal) {
        const QStringView text = next();
        if (!hasDottedShape(timeLine)) {
            s.stopWithMessage();
            break;
        }
        cds.append();
        cds.setField(Field::Kezdes, timeLine.mid(0, 8).toString() + u',' + timeLine.mid(9, 2).toString() + u'0');
        cds.setField(Field::Befejezes, timeLine.mid(12, 8).toString() + u',' + timeLine.mid(21, 2).toString() + u'0');
        if (!text.isEmpty()) {
            QString stored = text.toString();
            stored.replace(QStringLiteral("[br]"), QStringLiteral("|"));
            s.storeText(stored, false);
        } else {
            cds.setField(Field::Befejezes, QString());
        }
        next();
        timeLine = next();
    }
}
