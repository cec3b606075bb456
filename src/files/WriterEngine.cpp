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
// over every row also when the file no longer fits its code page.
void renderInto(EncodedFile &out, const SubtitleFormat &format, const SubtitleTable &rows,
                const WriteOptions &options, const WriteSteps *steps)
{
    const int count = rows.recordCount();
    WriteCheck *check = steps && !format.frameBased ? steps->check : nullptr;
    const bool progress = steps && steps->progress;
    const int step = count / 100;
    int untilProgress = step;
    int number = 1;
    for (int i = 0; i < count; ++i) {
        if (progress && step > 0 && --untilProgress == 0) {
            steps->progress(i + 1);
            untilProgress = step;
        }
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
    renderInto(file, format, rows, options, &steps);
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

// Rows left out or written only in part.
struct ConvertCounts {
    int skipped = 0;
    int shortened = 0;
    int dropped = 0;
};

ConvertCounts convertInto(EncodedFile &file, const ConvertLayout &layout, const SubtitleTable &rows,
                          const ConvertOptions &options, const std::function<void(int)> *progress)
{
    ConvertCounts counts;
    // a format that writes the whole text loses no line of it
    const bool writesWholeText = layout.entry.contains(u"%W");
    ConvertOut out(file, layout);
    out.put(layout.header);
    const int count = rows.recordCount();
    const int step = count / 100;
    int untilProgress = step;
    int number = 1;
    QString treated;
    char16_t start[16];
    char16_t end[16];
    for (int i = 0; i < count; ++i) {
        if (progress && *progress && step > 0 && --untilProgress == 0) {
            (*progress)(i + 1);
            untilProgress = step;
        }
        const SubtitleRow &row = rows.rowAt(i);
        if (row.szoveg.isEmpty())
            continue;
        const QString s = timeCodeOf(row.kezdes, options);
        const QString e = timeCodeOf(row.befejezes, options);
        if (s.isEmpty() || e.isEmpty()) {
            ++counts.skipped;
            continue;
        }
        ConvertLine line{};
        line.number = number++;
        line.start = QStringView(start, renderTime(layout.rendering, s, start));
        line.end = QStringView(end, renderTime(layout.rendering, e, end));
        line.durationMs = qAbs(timeCodeToMs(e) - timeCodeToMs(s));
        treatTags(layout.tags, row.szoveg, treated);
        line.whole = treated;
        // at most three lines; an empty text has none
        qsizetype from = 0;
        bool moreLines = false;
        while (!treated.isEmpty()) {
            const qsizetype bar = treated.indexOf(u'|', from);
            if (line.count == 3) {
                moreLines = true;
                break;
            }
            line.lines[line.count++] = QStringView(treated).mid(from, bar < 0 ? -1 : bar - from);
            if (bar < 0)
                break;
            from = bar + 1;
        }
        const qsizetype before = file.size();
        if (layout.routine)
            layout.routine(out, line);
        else
            out.put(layout.entry, &line);
        if (file.size() == before)
            ++counts.dropped;
        else if (moreLines && !writesWholeText)
            ++counts.shortened;
    }
    out.put(layout.footer);
    return counts;
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
    const ConvertCounts counts = convertInto(file, layout, rows, options, &progress);
    result.skippedRows = counts.skipped;
    result.shortenedRows = counts.shortened;
    result.droppedRows = counts.dropped;
    if (file.fits()) {
        result.replacedChars = file.replaced();
        result.bytes = file.take();
        return result;
    }
    // the first pass stopped writing where a character did not fit: the
    // counts of what was written are this pass's
    EncodedFile utf8(FileEncoding::Utf8Bom, chars);
    const ConvertCounts again = convertInto(utf8, layout, rows, options, nullptr);
    result.shortenedRows = again.shortened;
    result.droppedRows = again.dropped;
    result.bytes = utf8.take();
    result.fellBackToUtf8 = true;
    return result;
}
