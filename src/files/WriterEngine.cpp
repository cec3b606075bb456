#include "files/WriterEngine.h"

#include "document/SubtitleTable.h"
#include "files/SubtitleFormat.h"
#include "document/Decimal.h"
#include "document/TimeCode.h"
#include "files/TextEncoding.h"
#include "files/convert/ConvertLayout.h"

namespace {

const QString &textOf(const SubtitleRow &row, bool second)
{
    return second ? row.szoveg2.text() : row.szoveg;
}

// The gauge of a pass over the rows: told the rows done every hundredth
// of them; nothing for a table under a hundred rows or without a gauge.
class RowGauge {
public:
    RowGauge(int count, const std::function<void(int)> *progress)
        : step_(count / 100), until_(step_),
          progress_(progress && *progress && step_ > 0 ? progress : nullptr)
    {
    }
    // Before row i (0-based) is written.
    void row(int i)
    {
        if (progress_ && --until_ == 0) {
            (*progress_)(i + 1);
            until_ = step_;
        }
    }

private:
    int step_;
    int until_;
    const std::function<void(int)> *progress_;
};

// Characters the file will hold, about, so its buffer is made once.
qsizetype expectedChars(const SubtitleFormat &format, const SubtitleTable &rows, bool second)
{
    qsizetype n = 0;
    const int count = rows.recordCount();
    for (int i = 0; i < count; ++i) {
        const SubtitleRow &row = rows.rowAt(i);
        n += row.kezdes.size() + row.befejezes.size() + textOf(row, second).size();
    }
    return n + qsizetype(count) * format.charsPerEntry;
}

// One pass over the rows into out. The steps run on the first pass only,
// over every row also when the file no longer fits its code page. Returns
// the entries written.
int renderInto(EncodedFile &out, const SubtitleFormat &format, const SubtitleTable &rows,
                const WriteOptions &options, const WriteSteps *steps)
{
    const int count = rows.recordCount();
    WriteCheck *check = steps && !format.frameBased ? steps->check : nullptr;
    RowGauge gauge(count, steps ? &steps->progress : nullptr);
    int number = 1;
    for (int i = 0; i < count; ++i) {
        gauge.row(i);
        const SubtitleRow &row = rows.rowAt(i);
        const QString &text = textOf(row, options.second);
        if (!isWrittenRow(row, text, options.skipEmpty))
            continue;
        format.render(out, {number, i + 1, row.kezdes.chars(), row.befejezes.chars(), text,
                            i + 1 == count});
        if (check)
            check->entry(i + 1, row.kezdes, row.befejezes);
        ++number;
    }
    return number - 1;
}

}  // namespace

bool isWrittenRow(const SubtitleRow &row, const QString &text, bool skipEmpty)
{
    return !row.kezdes.isEmpty() && !row.befejezes.isEmpty() && !(skipEmpty && text.isEmpty());
}

RenderedSubtitle renderSubtitle(const SubtitleFormat &format, const SubtitleTable &rows,
                                const WriteOptions &options, const WriteSteps &steps)
{
    RenderedSubtitle result;
    const qsizetype chars = expectedChars(format, rows, options.second);
    EncodedFile file(options.encoding, chars);
    result.entries = renderInto(file, format, rows, options, &steps);
    if (file.fits()) {
        result.bytes = file.take();
        return result;
    }
    // a character without a place in code page 1250: the whole file again as UTF-8
    EncodedFile utf8(FileEncoding::Utf8Bom, chars);
    renderInto(utf8, format, rows, options, nullptr);
    result.bytes = utf8.take();
    result.fellBackToUtf8 = true;
    return result;
}

namespace {

// A start or end as a time code, or empty when the row has none usable.
QString timeCodeOf(const QString &value, const ConvertOptions &options)
{
    if (!options.frameBase)
        return hasTimeCodeShape(value) ? value : QString();
    long double frame = 0;
    if (!parseDecimal(value, &frame) || frame < 0 || fpsValue(options.fps) <= 0)
        return QString();
    const QString code = frameToTimeCode(frame, options.fps);
    return hasTimeCodeShape(code) ? code : QString();
}

// Returns the rows skipped for their times; *result takes the rows
// written, cut and dropped.
int convertInto(EncodedFile &file, const ConvertLayout &layout, const SubtitleTable &rows,
                const ConvertOptions &options, const std::function<void(int)> *progress,
                ConvertedSubtitle *result)
{
    const bool wholeText = layout.entry.contains(u"%W");
    int cut = 0;
    int dropped = 0;
    ConvertOut out(file, layout);
    out.put(layout.header);
    const int count = rows.recordCount();
    RowGauge gauge(count, progress);
    int number = 1;
    int skipped = 0;
    QString treated;
    char16_t start[16];
    char16_t end[16];
    for (int i = 0; i < count; ++i) {
        gauge.row(i);
        const SubtitleRow &row = rows.rowAt(i);
        if (row.szoveg.isEmpty())
            continue;
        const QString s = timeCodeOf(row.kezdes, options);
        const QString e = timeCodeOf(row.befejezes, options);
        if (s.isEmpty() || e.isEmpty()) {
            ++skipped;
            continue;
        }
        ConvertLine line{};
        line.start = QStringView(start, renderTime(layout.rendering, s, start));
        line.end = QStringView(end, renderTime(layout.rendering, e, end));
        line.durationMs = qAbs(timeCodeToMs(e) - timeCodeToMs(s));
        treatTags(layout.tags, row.szoveg, treated);
        const qsizetype lines = treated.isEmpty() ? 0 : treated.count(u'|') + 1;
        if (layout.droppedFrom > 0 && lines >= layout.droppedFrom) {
            ++dropped;
            continue;
        }
        if (lines > 3 && !wholeText)
            ++cut;
        line.whole = treated;
        line.number = number++;
        // at most three lines; an empty text has none
        qsizetype from = 0;
        while (!treated.isEmpty() && line.count < 3) {
            const qsizetype bar = treated.indexOf(u'|', from);
            line.lines[line.count++] = QStringView(treated).mid(from, bar < 0 ? -1 : bar - from);
            if (bar < 0)
                break;
            from = bar + 1;
        }
        if (layout.routine)
            layout.routine(out, line);
        else
            out.put(layout.entry, &line);
    }
    out.put(layout.footer);
    result->entries = number - 1;
    result->cutRows = cut;
    result->droppedRows = dropped;
    return skipped;
}

}  // namespace

ConvertedSubtitle convertSubtitle(const SubtitleFormat &format, const SubtitleTable &rows,
                                  const ConvertOptions &options,
                                  const std::function<void(int)> &progress)
{
    ConvertedSubtitle result;
    const ConvertLayout &layout = *format.convert;
    const qsizetype chars = expectedChars(format, rows, false) + qsizetype(rows.recordCount()) * 64
                            + layout.header.size() + 64;
    EncodedFile file(FileEncoding::Cp1250, chars);
    if (layout.byteCoded)
        file.replaceMissing();
    result.skippedRows = convertInto(file, layout, rows, options, &progress, &result);
    if (file.fits()) {
        result.replacedChars = file.replaced();
        result.bytes = file.take();
        return result;
    }
    EncodedFile utf8(FileEncoding::Utf8Bom, chars);
    convertInto(utf8, layout, rows, options, nullptr, &result);
    result.bytes = utf8.take();
    result.fellBackToUtf8 = true;
    return result;
}
