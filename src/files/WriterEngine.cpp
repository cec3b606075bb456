#include "files/WriterEngine.h"

#include "document/SubtitleTable.h"
#include "files/SubtitleFormat.h"
#include "files/TextEncoding.h"

namespace {

const QString &textOf(const SubtitleRow &row, bool second)
{
    return second ? row.szoveg2 : row.szoveg;
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
        format.render(out, {number, i + 1, row.kezdes, row.befejezes, text, i + 1 == count});
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
