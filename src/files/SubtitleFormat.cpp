#include "files/SubtitleFormat.h"

#include "files/SubtitleReader.h"
#include "files/TextEncoding.h"
#include "files/convert/ConvertFormats.h"

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
    out.appendBraced(e.start, e.end, e.text);
    if (!e.lastOfTable)
        out.append(lineEnd);
}

using namespace Qt::StringLiterals;

// The conversion list, in its order; SubRip and MicroDVD are also what
// the editor saves. A format read names its reader; a reader's lines are
// told apart from every other reader's.
const SubtitleFormat formats[] = {
    {"Adobe Encore DVD"_L1, ".txt"_L1, false, 0, nullptr, &layouts::adobeEncore, false},
    {"Advanced SubStation Alpha"_L1, ".ass"_L1, false, 0, nullptr, &layouts::ass, false},
    {"AQtitle"_L1, ".aqt"_L1, false, 0, nullptr, nullptr, false},
    {"Captions 32"_L1, ".txt"_L1, false, 0, nullptr, &layouts::captions32, false},
    {"Captions DAT"_L1, ".dat"_L1, false, 0, nullptr, &layouts::captionsDat, false},
    {"Captions DAT text"_L1, ".dat"_L1, false, 0, nullptr, &layouts::captionsDatText, false},
    {"Captions Inc."_L1, ".txt"_L1, false, 0, nullptr, &layouts::captionsInc, false},
    {"Cheetah"_L1, ".asc"_L1, false, 0, nullptr, &layouts::cheetah, false},
    {"CPC-600"_L1, ".txt"_L1, false, 0, nullptr, &layouts::cpc600, false},
    {"DKS Subtitle Format"_L1, ".dks"_L1, false, 0, nullptr, &layouts::dks, false},
    {"DVD Junior"_L1, ".txt"_L1, false, 0, nullptr, &layouts::dvdJunior, false},
    {"DVD Subtitle System"_L1, ".txt"_L1, false, 0, nullptr, &layouts::dvdSubtitleSystem, false},
    {"DVDSubtitle"_L1, ".sub"_L1, false, 0, nullptr, &layouts::dvdSubtitle, false},
    {"FAB Subtitler"_L1, ".txt"_L1, false, 0, nullptr, &layouts::fab, false},
    {"I-Author Script"_L1, ".txt"_L1, false, 0, nullptr, nullptr, false},
    {"Inscriber CG"_L1, ".txt"_L1, false, 0, nullptr, &layouts::inscriber, false},
    {"JACOSub 2.7+"_L1, ".js"_L1, false, 0, nullptr, &layouts::jacosub, false},
    {"Karaoke Lyrics LRC"_L1, ".lrc"_L1, false, 0, nullptr, &layouts::lrc, false},
    {"Karaoke Lyrics VKT"_L1, ".vkt"_L1, false, 0, nullptr, &layouts::vkt, false},
    {"MAC DVD Studio Pro"_L1, ".txt"_L1, false, 0, nullptr, &layouts::macDvdStudioPro, false},
    {"MacSUB"_L1, ".scr"_L1, false, 0, nullptr, nullptr, false},
    {"MicroDVD"_L1, ".sub"_L1, true, 6, renderBraced, nullptr, false, &microDvdReading},
    {"MPlayer"_L1, ".mpl"_L1, false, 0, nullptr, nullptr, false},
    {"MPlayer2"_L1, ".mpl"_L1, false, 0, nullptr, &layouts::mplayer2, false},
    {"MPSub"_L1, ".sub"_L1, false, 0, nullptr, nullptr, false},
    {"OVR Script"_L1, ".ovr"_L1, false, 0, nullptr, &layouts::ovr, false},
    {"Panimator"_L1, ".pan"_L1, false, 0, nullptr, &layouts::panimator, false},
    {"Philips SVCD Designer 1.5-2.0"_L1, ".sub"_L1, false, 0, nullptr, &layouts::philips, false},
    {"Phoenix Japanimation on Society"_L1, ".pjs"_L1, false, 0, nullptr, nullptr, false},
    {"Pinnacle Impression"_L1, ".txt"_L1, false, 0, nullptr, &layouts::pinnacle, false},
    {"PowerDivX"_L1, ".psb"_L1, false, 0, nullptr, &layouts::powerDivX, false},
    {"PowerPixel"_L1, ".txt"_L1, false, 0, nullptr, &layouts::powerPixel, false},
    {"QuickTime Text"_L1, ".txt"_L1, false, 0, nullptr, &layouts::quickTime, false},
    {"RealTime"_L1, ".rt"_L1, false, 0, nullptr, &layouts::realTime, false},
    {"SAMI Captioning"_L1, ".smi"_L1, false, 0, nullptr, &layouts::sami, false},
    {"Sasami Script"_L1, ".s2k"_L1, false, 0, nullptr, &layouts::sasami, false},
    {"SBT"_L1, ".sbt"_L1, false, 0, nullptr, &layouts::sbt, false},
    {"Sofni"_L1, ".sub"_L1, false, 0, nullptr, &layouts::sofni, false},
    {"Softitler RTF"_L1, ".rtf"_L1, false, 0, nullptr, nullptr, false},
    {"Sonic Scenarist"_L1, ".sst"_L1, false, 0, nullptr, &layouts::sonicScenarist, false},
    {"SonicDVD Creator"_L1, ".sub"_L1, false, 0, nullptr, &layouts::sonicDvd, false},
    {"Spruce DVDMaestro"_L1, ".son"_L1, false, 0, nullptr, &layouts::spruceMaestro, false},
    {"Spruce Subtitle File"_L1, ".stl"_L1, false, 0, nullptr, &layouts::spruceStl, false},
    {"Stream SubText Player"_L1, ".sst"_L1, false, 0, nullptr, nullptr, false},
    {"Stream SubText Script"_L1, ".ssts"_L1, false, 0, nullptr, &layouts::sstScript, false},
    {"SubCreator 1.x"_L1, ".txt"_L1, false, 0, nullptr, &layouts::subCreator, false},
    {"SubRip"_L1, ".srt"_L1, false, 48, renderCounted, nullptr, true, &subRipReading},
    {"SubSonic"_L1, ".sub"_L1, false, 0, nullptr, nullptr, false},
    {"SubStation Alpha"_L1, ".ssa"_L1, false, 0, nullptr, &layouts::ssa, false},
    {"SubViewer 1.0"_L1, ".sub"_L1, false, 0, nullptr, &layouts::subViewer1, false},
    {"SubViewer 2.0"_L1, ".sub"_L1, false, 0, nullptr, &layouts::subViewer2, false,
     &dottedReading},
    {"TMPlayer"_L1, ".txt"_L1, false, 0, nullptr, nullptr, false},
    {"Turbo Titler"_L1, ".tts"_L1, false, 0, nullptr, &layouts::turboTitler, false},
    {"Ulead DVD Workshop 2.0"_L1, ".txt"_L1, false, 0, nullptr, &layouts::ulead, false},
    {"ViPlay Subtitle File"_L1, ".vsf"_L1, false, 0, nullptr, &layouts::viplay, false},
    {"ZeroG"_L1, ".zeg"_L1, false, 0, nullptr, &layouts::zeroG, false},
};

const SubtitleFormat &named(QStringView name)
{
    for (const SubtitleFormat &f : formats)
        if (name == f.name)
            return f;
    Q_UNREACHABLE();
}

}  // namespace

std::span<const SubtitleFormat> subtitleFormats()
{
    return formats;
}

const SubtitleFormat &savedFormat(bool frameBased)
{
    static const SubtitleFormat &srt = named(u"SubRip");
    static const SubtitleFormat &sub = named(u"MicroDVD");
    return frameBased ? sub : srt;
}

const SubtitleFormat *findSubtitleFormat(QStringView name)
{
    for (const SubtitleFormat &f : formats)
        if (name == f.name)
            return &f;
    return nullptr;
}

const SubtitleReading *readerTaking(QStringView line)
{
    for (const SubtitleFormat &f : formats)
        if (f.reader && f.reader->takes(line))
            return f.reader;
    return nullptr;
}
