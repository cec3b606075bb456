#include "files/SubtitleFormat.h"

#include "files/TextEncoding.h"

namespace {

const QLatin1StringView lineEnd("\r\n");

// A counter line, "start --> end", then the text's lines; entries are
// parted by an empty line. An empty text is one empty line, and the
// table's last row ends without a line end unless its text ends in a break.
void renderCounted(EncodedFile &out, const EntryToWrite &e)
{
    if (e.number > 1)
        out.append(lineEnd);
    out.appendNumber(e.number);
    out.append(lineEnd);
    out.append(e.start);
    out.append(QLatin1StringView(" --> "));
    out.append(e.end);
    out.append(lineEnd);
    if (e.text.isEmpty()) {
        out.append(lineEnd);
        return;
    }
    out.appendLines(e.text, lineEnd);
    if (!e.lastOfTable && e.text.back() != u'|')
        out.append(lineEnd);
}

// "{start}{end}text" on one line, the text's breaks kept as "|".
void renderBraced(EncodedFile &out, const EntryToWrite &e)
{
    out.append(QLatin1StringView("{"));
    out.append(e.start);
    out.append(QLatin1StringView("}{"));
    out.append(e.end);
    out.append(QLatin1StringView("}"));
    out.append(e.text);
    if (!e.lastOfTable)
        out.append(lineEnd);
}

using namespace Qt::StringLiterals;

const SubtitleFormat formats[] = {
    {"SubRip"_L1, ".srt"_L1, false, 48, renderCounted},
    {"MicroDVD"_L1, ".sub"_L1, true, 6, renderBraced},
};

}  // namespace

std::span<const SubtitleFormat> subtitleFormats()
{
    return formats;
}

const SubtitleFormat &savedFormat(bool frameBased)
{
    return frameBased ? formats[1] : formats[0];
}

const SubtitleFormat *findSubtitleFormat(QStringView name)
{
    for (const SubtitleFormat &f : formats)
        if (name == f.name)
            return &f;
    return nullptr;
}
