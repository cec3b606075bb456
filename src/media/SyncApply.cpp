#include "media/SyncApply.h"

#include <cmath>

#include "document/Decimal.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "tools/timing/TimeShift.h"

namespace {

double frameRate(const EditorModel &model)
{
    long double rate = 0;
    return parseDecimal(model.fps(), &rate) && rate > 0 ? double(rate) : 25.0;
}

double secondsOf(const EditorModel &model, const QString &value, double rate)
{
    if (value.isEmpty())
        return 0;
    if (model.isTimeBase())
        return double(timeCodeToSeconds(value));
    bool ok = false;
    const qint64 frame = value.trimmed().toLongLong(&ok);
    return ok ? double(frame) / rate : 0;
}

QString moved(const EditorModel &model, const QString &value, double ratio, double offset, double rate)
{
    if (value.isEmpty())
        return value;
    if (model.isTimeBase()) {
        const QString scaled = ratio == 1.0 ? value
                                            : secondsToTimeCode(timeCodeToSeconds(value) * ratio);
        return offset == 0 ? scaled : shiftTimeValue(scaled, std::abs(offset), offset > 0);
    }
    bool ok = false;
    const qint64 frame = value.trimmed().toLongLong(&ok);
    if (!ok)
        return value;
    const QString scaled = QString::number(std::llround(double(frame) * ratio));
    return shiftFrameValue(scaled, std::llround(std::abs(offset) * rate), offset > 0);
}

}  // namespace

std::vector<SyncSpan> tableSpans(const EditorModel &model)
{
    const SubtitleTable &cds = model.cds;
    const double rate = frameRate(model);
    std::vector<SyncSpan> out(std::size_t(cds.recordCount()));
    for (int i = 0; i < cds.recordCount(); ++i) {
        const SubtitleRow &row = cds.rowAt(i);
        out[i].start = secondsOf(model, row.kezdes.chars().view().toString(), rate);
        out[i].end = std::max(out[i].start, secondsOf(model, row.befejezes.chars().view().toString(), rate));
    }
    return out;
}

void applySync(EditorModel &model, const SyncResult &result)
{
    SubtitleTable &cds = model.cds;
    const double rate = frameRate(model);
    {
        BulkPass pass(model, {.gauge = true});
        const int rows = cds.recordCount();
        std::size_t piece = 0;
        cds.first();
        for (int i = 0; i < rows && !cds.eof(); ++i) {
            while (piece + 1 < result.pieces.size() && result.pieces[piece + 1].firstRow <= i)
                ++piece;
            const double offset = result.pieces.empty() ? 0 : result.pieces[piece].offset;
            const SubtitleRow &row = cds.rowAt(i);
            const QString start = moved(model, row.kezdes.chars().view().toString(), result.ratio, offset, rate);
            const QString end = moved(model, row.befejezes.chars().view().toString(), result.ratio, offset, rate);
            cds.edit();
            cds.setField(Field::Kezdes, start);
            cds.setField(Field::Befejezes, end);
            cds.post();
            pass.progress(i + 1);
            cds.next();
        }
        pass.finish(rows > 0 ? 1 : 0, false);
    }
    model.setModified(true);
}
