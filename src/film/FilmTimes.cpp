#include "film/FilmTimes.h"

#include "document/Decimal.h"
#include "document/TimeCode.h"
#include "editor/EditorModel.h"

QString filmTimeCode(double position)
{
    return clampedMsToTimeCode(truncMillis(position));
}

QString filmFrame(double position, const QString &fps)
{
    const long double rate = fpsValue(fps);
    if (!(rate > 0) || !(position > 0))
        return QStringLiteral("0");
    // whole frames of the decimal text, as the millisecond truncation does
    return QString::number(truncMillis(rate * position) / 1000);
}

QString filmDurationText(qint64 durationMs)
{
    return clampedMsToTimeCode(durationMs);
}

QString filmTotalFrames(qint64 durationMs, const QString &fps)
{
    return filmFrame(durationMs / 1000.0, fps);
}

QString filmCounterText(const FilmCounter &c, double position, bool unknownAsNa)
{
    if (c.timeBase) {
        QString length = c.durationText;
        if (length.isEmpty() && unknownAsNa)
            length = QStringLiteral("n.a.");
        return filmTimeCode(position) + QStringLiteral(" / ") + length;
    }
    return filmFrame(position, c.fps) + QStringLiteral(" / ") + c.totalFrames;
}

QString filmStartValue(double position, bool playing, bool timeBase, const QString &fps)
{
    if (!timeBase)
        return filmFrame(position, fps);
    qint64 ms = truncMillis(position);
    if (playing)
        ms -= 100;
    return clampedMsToTimeCode(qMax<qint64>(0, ms));
}

QString filmEndValue(double position, bool timeBase, const QString &fps)
{
    return filmStartValue(position, false, timeBase, fps);
}

namespace {

const QString openTag = QStringLiteral("<i>");
const QString closeTag = QStringLiteral("</i>");

bool enclosed(const QString &line)
{
    return line.size() >= openTag.size() + closeTag.size() && line.startsWith(openTag)
           && line.endsWith(closeTag);
}

}  // namespace

FilmLines filmLinesOf(const QString &rowText)
{
    FilmLines lines;
    if (rowText.isEmpty())
        return lines;
    const QStringList parts = rowText.split(u'|');
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        lines[i].text = parts[i];
    QString &one = lines[0].text;
    QString &two = lines[1].text;
    if (one.startsWith(openTag) && !one.contains(closeTag) && !two.contains(openTag)
        && two.endsWith(closeTag)) {
        one = one.mid(openTag.size());
        two.chop(closeTag.size());
        lines[0].italic = lines[1].italic = true;
        return lines;
    }
    for (int i = 0; i < 2; ++i)
        if (enclosed(lines[i].text)) {
            lines[i].text = lines[i].text.mid(openTag.size());
            lines[i].text.chop(closeTag.size());
            lines[i].italic = true;
        }
    return lines;
}

namespace {

bool hasRows(const EditorModel &model)
{
    return model.cds.isActive() && model.cds.recordCount() > 0;
}

void writeField(EditorModel &model, Field field, const QString &value)
{
    model.cds.edit();
    model.cds.setField(field, value);
    model.cds.post();
}

void markModified(EditorModel &model)
{
    model.setModified(true);
    model.setEnabled(Ctl::BMMN, true);
    model.setEnabled(Ctl::MentM1, true);
}

}  // namespace

bool takeFilmStart(EditorModel &model, const QString &value)
{
    if (!hasRows(model))
        return false;
    writeField(model, Field::Kezdes, value);
    markModified(model);
    return true;
}

bool takeFilmEnd(EditorModel &model, const QString &value)
{
    if (!hasRows(model))
        return false;
    writeField(model, Field::Befejezes, value);
    model.cds.next();
    markModified(model);
    return true;
}

bool takeFilmEndAndNextStart(EditorModel &model, const QString &value)
{
    if (!hasRows(model))
        return false;
    SubtitleTable &cds = model.cds;
    writeField(model, Field::Befejezes, value);
    markModified(model);
    const int row = cds.recNo();
    if (row >= cds.recordCount()) {
        // a new last row that starts and, until its end is taken, ends there
        cds.append();
        cds.setField(Field::Kezdes, value);
        cds.setField(Field::Befejezes, value);
        cds.post();
    } else {
        cds.next();
        writeField(model, Field::Kezdes, value);
    }
    markModified(model);
    return true;
}
