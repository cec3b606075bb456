#include "tools/timing/TimeBase.h"

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/Decimal.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"
#include "editor/RowStats.h"

namespace {

// A frame number as a whole number; a value that is not one counts as empty,
// so the other value of the pair stands in for it.
bool readFrame(const QString &text, qint64 *frame)
{
    bool ok = false;
    *frame = text.trimmed().toLongLong(&ok);
    return ok && *frame >= 0;
}

QString frameAsTime(qint64 frame, const QString &fps)
{
    return frameToTimeCode(static_cast<long double>(frame), fps);
}

}  // namespace

TimePair framesToTimes(const QString &start, const QString &end, const QString &fps)
{
    qint64 k = 0;
    qint64 b = 0;
    const bool hasK = readFrame(start, &k);
    const bool hasB = readFrame(end, &b);
    TimePair out;
    out.start = hasK ? frameAsTime(k, fps) : hasB ? frameAsTime(b, fps) : zeroTimeCode;
    out.end = hasB ? frameAsTime(b, fps) : hasK ? frameAsTime(k, fps) : zeroTimeCode;
    return out;
}

TimePair timesToFrames(const QString &start, const QString &end, const QString &fps)
{
    const QString zero = QStringLiteral("0");
    TimePair out;
    out.start = !start.isEmpty() ? timeCodeToFrame(start, fps)
                : !end.isEmpty() ? timeCodeToFrame(end, fps) : zero;
    out.end = !end.isEmpty() ? timeCodeToFrame(end, fps)
              : !start.isEmpty() ? timeCodeToFrame(start, fps) : zero;
    return out;
}

bool chooseTimeBase(EditorModel &model, const QString &chosen)
{
    if (chosen == loadedTimeBase)
        return false;
    switchTimeBase(model, chosen);
    return true;
}

void switchTimeBase(EditorModel &model, const QString &base)
{
    const bool toTime = base == TimeBase::time;
    EditorHost *host = model.host();
    host->pauseFilm();
    host->clearLineFields();

    SubtitleTable &cds = model.cds;
    const QString fps = model.fps();
    if (toTime) {
        model.overThresholdCount = 0;
        model.threeLineCount = 0;
    }
    {
        BulkPass pass(model, {.gauge = true});
        cds.first();
        const int rows = cds.recordCount();
        int done = 0;
        while (!cds.eof() && done < rows) {
            const SubtitleRow &row = cds.rowAt(cds.recNo() - 1);
            const TimePair values = toTime ? framesToTimes(row.kezdes, row.befejezes, fps)
                                           : timesToFrames(row.kezdes, row.befejezes, fps);
            cds.edit();
            cds.setField(Field::Kezdes, values.start);
            cds.setField(Field::Befejezes, values.end);
            if (toTime)
                setRowFlagsQuiet(model);
            cds.post();
            pass.progress(++done);
            cds.next();
        }
        loadedTimeBase = base;
        applyTimeBaseTools(model, toTime);
        model.setTimeBase(base);
        model.setModified(true);
        model.setEnabled(Ctl::Btorles, true);
        pass.finish(rows > 0 ? 1 : 0, false);
    }
    if (toTime)
        model.announceCounts();
}
