#include "files/convert/ConvertFormats.h"

using TR = TimeRendering;
using TT = TagTreatment;

namespace {

// Sasami Script: a block per text line at its height, then the clearing block.
void sasamiEntry(ConvertOut &out, const ConvertLine &l)
{
    out.put(u";Buffer.Pop=1\n;Set.Time.Start=%S\n", &l);
    static const int heights[3][3] = {{203}, {185, 203}, {167, 185, 203}};
    const int blocks = l.count < 1 ? 1 : l.count;
    for (int k = 0; k < blocks; ++k) {
        const QString y = QString::number(heights[blocks - 1][k]);
        out.put(u";Set.Start.Position.x=160\n;Set.End.Position.x=160\n;Set.Start.Position.y=");
        out.text(y);
        out.put(u"\n;Set.End.Position.y=");
        out.text(y);
        out.endLine();
        if (k < l.count)
            out.text(l.lines[k]);
        out.endLine();
    }
    out.put(u";Buffer.Pop=1\n;Set.Time.Start=%E\n;Set.Start.Position.x=160\n"
            u";Set.End.Position.x=160\n;Set.Start.Position.y=221\n;Set.End.Position.y=221\n\n",
            &l);
}

// Cheetah: two captions per line, numbered across the file.
void cheetahEntry(ConvertOut &out, const ConvertLine &l)
{
    out.put(u"** Caption Number ");
    out.number(2 * qint64(l.number) - 1);
    out.put(u"\n*PopOn\n*T %S\n*BottomUp\n*Lf01\n%L\n** Caption Number ", &l);
    out.number(2 * qint64(l.number));
    out.put(u"\n*PopOn\n*T %E\n*BottomUp\n*Lf01\n\n\n", &l);
}

// Captions 32: two fixed columns of 33; a three-line text has no place.
void captions32Entry(ConvertOut &out, const ConvertLine &l)
{
    if (l.count == 3)
        return;
    out.put(u"%S , %E , ", &l);
    if (l.count >= 1) {
        out.text(l.lines[0].left(33).toString().leftJustified(33, u' '));
        out.text(u"|");
    }
    if (l.count == 2)
        out.text(l.lines[1].left(33));
    out.endLine();
}

void captionsDatLines(ConvertOut &out, const ConvertLine &l, QStringView kind, QStringView lead)
{
    out.text(kind);
    out.put(u"%S0", &l);
    out.number(l.durationMs);
    out.put(u"0\n");
    for (int k = 0; k < l.count; ++k) {
        out.text(lead);
        out.text(l.lines[k]);
        out.endLine();
    }
}

// The lead bytes 42 F0 20 E9 20 30 31 35 20 41 F4 20 20 20 20 20 in code page 1250.
void captionsDatEntry(ConvertOut &out, const ConvertLine &l)
{
    captionsDatLines(out, l, u"#S", u"B\u0111 \u00e9 015 A\u00f4     ");
}

void captionsDatTextEntry(ConvertOut &out, const ConvertLine &l)
{
    captionsDatLines(out, l, u"#T", u"BG @015 A ");
}

// The times follow the last line present.
void philipsEntry(ConvertOut &out, const ConvertLine &l)
{
    for (int k = 0; k + 1 < l.count; ++k) {
        out.text(l.lines[k]);
        out.endLine();
    }
    if (l.count > 1)
        out.text(l.lines[l.count - 1]);
    else
        out.put(u"%1", &l);
    out.put(u" %S %E 001 001 000 000\n", &l);
}

void inscriberEntry(ConvertOut &out, const ConvertLine &l)
{
    const int last = l.count < 1 ? 0 : l.count - 1;
    for (int k = 0; k <= last; ++k) {
        out.text(u"@@9 ");
        if (k < l.count)
            out.text(l.lines[k]);
        if (k == last)
            out.put(u"<%S><%E>", &l);
        out.endLine();
    }
    out.endLine();
}

void adobeEncoreEntry(ConvertOut &out, const ConvertLine &l)
{
    out.put(l.count > 0 ? u"%S %E %1\n%T" : u"%S %E\n", &l);
}

// SBT: always two text lines.
void sbtEntry(ConvertOut &out, const ConvertLine &l)
{
    out.put(u"%S\n%E\n", &l);
    if (l.count <= 1) {
        out.put(u"\n%1\n", &l);
        return;
    }
    out.text(l.lines[0]);
    out.endLine();
    out.text(l.lines[1]);
    if (l.count == 3) {
        out.text(u" ");
        out.text(l.lines[2]);
    }
    out.endLine();
}

}  // namespace

namespace layouts {

// Player and script formats.

const ConvertLayout ass{
    TR::ShortDotHundredths, TT::SsaCodes,
    u"[Script Info]\nScriptType: v4.00+\nCollisions: Normal\nPlayResX: 384\nPlayResY: 288\n"
    u"Timer: 100.0000\n\n[V4+ Styles]\n"
    u"Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
    u"BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
    u"BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
    u"Style: Default,Tahoma,24,&H00FFFFFF,&H00FFFFFF,&H00FFFFFF,&H00C0C0C0,-1,0,0,0,100,100,0,"
    u"0.00,1,2,3,2,20,20,20,1\n\n[Events]\n"
    u"Format: Layer, Start, End, Style, Actor, MarginL, MarginR, MarginV, Effect, Text\n",
    u"Dialogue: 0,%S,%E,Default,,0000,0000,0000,,%J\n", u"", u"\\N"};

const ConvertLayout ssa{
    TR::ShortDotHundredths, TT::SsaCodesNoUnderline,
    u"[Script Info]\nTitle: <untitled>\nOriginal Script: <unknown>\nScriptType: v4.00\n\n"
    u"[V4 Styles]\n"
    u"Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, TertiaryColour, "
    u"BackColour, Bold, Italic, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, "
    u"MarginV, AlphaLevel, Encoding\n"
    u"Style: Default,Tahoma,24,16777215,16777215,16777215,12632256,-1,0,1,1,1,6,30,30,415,0,0\n"
    u"\n[Events]\n"
    u"Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n",
    u"Dialogue: Marked=0,%S,%E,Default,NTP,0000,0000,0000,!Effect,%J\n", u"", u"\\N"};

const ConvertLayout sami{
    TR::Milliseconds, TT::Kept,
    u"<SAMI>\n<HEAD>\n   <STYLE TYPE=\"Text/css\">\n   <!--\n"
    u"      P {margin-left: 29pt; margin-right: 29pt; font-size: 24pt; text-align: center; "
    u"font-family: Tahoma; font-weight: bold; color: #FFFFFF; background-color: #000000;}\n"
    u"      .SUBTTL {Name: 'Subtitles'; Lang: en-US; SAMIType: CC;}\n   -->\n   </STYLE>\n"
    u"</HEAD>\n<BODY>\n",
    u"   <SYNC START=%S>\n      <P CLASS=SUBTTL>%J\n   <SYNC START=%E>\n"
    u"      <P CLASS=SUBTTL>&nbsp;\n",
    u"</BODY>\n</SAMI>\n", u"<br>"};

const ConvertLayout realTime{
    TR::ShortDotTenths, TT::Kept,
    u"<Window\n  Width    = \"640\"\n  Height   = \"480\"\n  WordWrap = \"true\"\n"
    u"  Loop     = \"true\"\n  bgcolor  = \"black\"\n>\n<Font\n  Color = \"white\"\n"
    u"  Face  = \"Arial\"\n  Size  = \"+2\"\n>\n<center>\n<b>\n\n",
    u"<Time begin=\"%S\" end=\"%E\" /><clear/>%J\n", u"</b>\n</center>\n", u"<br>"};

const ConvertLayout quickTime{
    TR::DotHundredths, TT::Removed,
    u"{QTtext} {font:Tahoma}\n{plain} {size:20}\n{timeScale:30}\n{width:160} {height:32}\n"
    u"{timeStamps:absolute} {language:0}\n",
    u"[%S]\n%J\n[%E]\n\n", u"", u" "};

const ConvertLayout subViewer1{
    TR::Clock, TT::Removed,
    u"[TITLE]\n\n[AUTHOR]\n\n[SOURCE]\n\n[PRG]\n\n[FILEPATH]\n\n[DELAY]\n0\n[CD TRACK]\n0\n"
    u"[BEGIN]\n******** START SCRIPT ********\n",
    u"[%S]\n%J\n[%E]\n\n", u"[end]\n******** END SCRIPT ********\n", u"|"};

const ConvertLayout subViewer2{
    TR::DotHundredths, TT::Removed,
    u"[INFORMATION]\n[TITLE]\n[AUTHOR]\n[SOURCE]\n[PRG]\n[FILEPATH]\n[DELAY]0\n[CD TRACK]0\n"
    u"[COMMENT]\n[END INFORMATION]\n[SUBTITLE]\n[COLF]&HFFFFFF,[STYLE]bd,[SIZE]24,[FONT]Tahoma\n",
    u"%S,%E\n%J\n\n", u"", u"[br]"};

const ConvertLayout jacosub{
    TR::ShortDotHundredths, TT::Removed,
    u"#T100\n\n# Directive entries\n#D\n#D1\n#D2\n#D3\n#D4\n#D5\n#D6\n#D7\n#D8\n#D9\n#D10\n"
    u"#D11\n#D12\n#D13\n#D14\n#D15\n#D16\n#D17\n#D18\n#D19\n#D20\n#D21\n#D22\n#D23\n#D24\n"
    u"#D25\n#D26\n#D27\n#D28\n#D29\n\n",
    u"%S %E {NTP} %J\n", u"", u"\\n"};

const ConvertLayout zeroG{TR::ShortDotHundredths, TT::Removed, u"%% Zero G 1.0\n\n",
                          u"E 1 %S %E Default NTP %J\n", u"", u"\\n"};

const ConvertLayout sstScript{TR::DotHundredths, TT::Removed,
                              u"SST 2.0.73\n[TITLES]\nfps=25.00\n",
                              u"%n\tDefault\t%S\t%E\t%J\tSubRip\n", u"", u"~"};

const ConvertLayout sasami{
    TR::Milliseconds, TT::Removed,
    u";Env.Movie.Width=320\n;Env.Movie.Height=240\n;Set.Slot=1\n;Set.Time.Delay=15000\n"
    u";Set.Alpha.End=256\n;Set.Alpha.Start=256\n;Set.Alpha.Step=-300\n;Set.Font.Style.Bold=0\n"
    u";Set.Font.Color=#FFFFFF\n;Set.Font.Outline.Color=#00101010\n"
    u";Set.Font.Outline2.Color=#01101010\n;Set.Font.Size=20\n;Set.Font.Face=Tahoma\n"
    u";Buffer.Push=1\n",
    u"", u"", u"", sasamiEntry};

const ConvertLayout lrc{TR::MinutesSeconds, TT::Removed,
                        u"[ti:Project title]\n[ar:Project author]\n[la:af]\nProject title\n\n",
                        u"[%S]%R\n[%E]\n", u""};

const ConvertLayout vkt{
    TR::Centiseconds, TT::Removed,
    u"# <HEAD>\n# FRAME RATE=MP3\n# CREATOR=Project author\n# VIDEO SOURCE=C:\\Untitled.avi\n"
    u"# DATE=%D\n# </HEAD>\n#\n",
    u"{%S %R}\n{%E }\n", u"\n#\n# THE END.\n"};

const ConvertLayout mplayer2{TR::Deciseconds, TT::Removed, u"", u"[%S][%E]%J\n", u"", u"|"};
const ConvertLayout powerDivX{TR::ShortClock, TT::Removed, u"", u"{%S}{%E}%J\n", u"", u"|"};
const ConvertLayout dks{TR::Clock, TT::Removed, u"", u"[%S]%J\n[%E]\n", u"", u"[br]"};
const ConvertLayout subCreator{TR::DotTenths, TT::Removed, u"", u"%S:%J\n%E:\n", u"", u"|"};
const ConvertLayout viplay{TR::Full, TT::ClosingRemoved, u"{* VIPLAY SUBTITLE FILE *}\n",
                           u"%S-%E=%J\n", u"", u"|"};
const ConvertLayout turboTitler{TR::ShortDotHundredths, TT::Removed, u"", u"%S,%E,NTP %J\n",
                                u"", u"|"};
const ConvertLayout ovr{TR::ColonHundredths, TT::Removed, u"", u"%S %J\n%E\n", u"", u"//"};
const ConvertLayout powerPixel{TR::ColonHundredths, TT::Removed, u"", u"%S\t%E\n%L\n", u""};
const ConvertLayout panimator{TR::SecondsHundredths, TT::Removed, u"", u"/d %S\n%L/d %E\n/c\n",
                              u""};
const ConvertLayout sofni{TR::DotHundredths, TT::Removed, u"", u"%L%S\\%E\n", u"\n"};
const ConvertLayout sbt{TR::Clock, TT::Removed, u"", u"", u"", u"", sbtEntry};

// Authoring formats with PAL frames.

const ConvertLayout adobeEncore{TR::PalFrames, TT::Removed, u"", u"", u"", u"", adobeEncoreEntry};
const ConvertLayout fab{TR::PalFrames, TT::Removed, u"", u"%S  %E\n%L\n", u""};
const ConvertLayout macDvdStudioPro{TR::PalFrames, TT::Removed, u"", u"%S\t%E\t%J\n", u"",
                                    u"<P>"};
#define KELVO_DASHES49 u"-------------------------------------------------"
const ConvertLayout pinnacle{TR::PalFrames, TT::Removed,
                             KELVO_DASHES49 u"\n#INPOINT OUTPOINT PATH\n" KELVO_DASHES49 u"\n",
                             u"%S %E %J\n", KELVO_DASHES49 u"\n", u" "};
#undef KELVO_DASHES49
const ConvertLayout spruceStl{
    TR::PalFrames, TT::Removed,
    u"//Font select and font size\n$FontName       = Arial\n$FontSize       = 30\n\n"
    u"//Character attributes (global)\n$Bold           = FALSE\n$UnderLined     = FALSE\n"
    u"$Italic         = FALSE\n\n//Position Control\n$HorzAlign      = Center\n"
    u"$VertAlign      = Bottom\n$XOffset        = 0\n$YOffset        = 0\n\n"
    u"//Contrast Control\n$TextContrast           = 15\n$Outline1Contrast       = 8\n"
    u"$Outline2Contrast       = 15\n$BackgroundContrast     = 0\n\n//Effects Control\n"
    u"$ForceDisplay   = FALSE\n$FadeIn         = 0\n$FadeOut        = 0\n\n//Other Controls\n"
    u"$TapeOffset          = FALSE\n//$SetFilePathToken  = <<:>>\n\n//Colors\n"
    u"$ColorIndex1    = 0\n$ColorIndex2    = 1\n$ColorIndex3    = 2\n$ColorIndex4    = 3\n\n"
    u"//Subtitles\n",
    u"%S,%E,%J\n", u"", u"|"};
const ConvertLayout spruceMaestro{
    TR::PalFrames, TT::Removed,
    u"st_format\t2\nDisplay_Start\tnon_forced\nTV_Type\t\tPAL\nTape_Type\tNON_DROP\n"
    u"Pixel_Area\t(0 573)\nDirectory\n\nSP_NUMBER\tSTART\t\tEND\t\tFILE_NAME\n"
    u"Color\t(0 1 2 3)\nContrast\t(0 15 15 15)\n",
    u"%4\t\t%S\t%E\t%J\n", u"", u" "};
const ConvertLayout sonicScenarist{
    TR::PalFrames, TT::Removed,
    u"st_format 2\nDisplay_Start\tnon_forced\nTV_Type\t\tPAL\nTape_Type\tNON_DROP\n"
    u"Pixel_Area\t(2 576)\nDisplay_Area\t(0 2 719 574)\nColor\t\t(9 3 4 3)\n"
    u"Contrast\t(15 15 15 0)\nE2\t\t(0 0 255 ===)\nE1\t\t(255 0 0 ===)\nPA\t\t(0 0 0 ===)\n"
    u"BG\t\t(255 255 255 ===)\nDirectory\t.\n"
    u"#####################################################\n"
    u"SP_NUMBER\tSTART\t\tEND\t\tFILE_NAME\n",
    u"%n\t\t%S\t%E\t%J\n", u"", u" "};
const ConvertLayout sonicDvd{TR::PalFrames, TT::Removed, u"", u"%4  %S  %E  %1\n%T\n", u""};
const ConvertLayout ulead{
    TR::PalFramesSemicolon, TT::Removed,
    u"#Ulead subtitle format\n\n#Subtitle stream attribute begin\n#FR:25,00\n"
    u"#Subtitle stream attribute end\n\n#Subtitle text begin\n",
    u"#%0 %S %E\n%L",
    u"#Subtitle text end\n\n#Subtitle text attribute begin\n#/R:1,639 /FP:8  /FS:24\n"
    u"#Subtitle text attribute end\n"};

// Titling and caption systems.

const ConvertLayout philips{
    TR::ColonHundredths, TT::Removed,
    u"# PHILIPS SVCD DESIGNER 1.5 - 2.0 SUBTITLES FILE\n#\n[HEADER]\nTITLE\nFRAMERATE\tPAL\n"
    u"CONTRAST\t(0 15 15 15)\n\n[LIST]\n",
    u"", u"", u"", philipsEntry};
const ConvertLayout inscriber{
    TR::ColonHundredths, TT::Removed,
    u"@@9 Title\n@@9 Created by Kelvo program\n@@9 STORY:\n@@9 LANG: ENG\n@@9\n@@9\n@@9\n@@9\n",
    u"", u"", u"", inscriberEntry};
const ConvertLayout cheetah{TR::ColonHundredths, TT::Removed, u"*NonDropFrame\n*Width 32\n\n",
                            u"", u"", u"", cheetahEntry};
const ConvertLayout captions32{TR::ColonHundredths, TT::Removed, u"", u"", u"", u"",
                               captions32Entry, false, false, 3};
const ConvertLayout captionsInc{TR::ColonHundredths, TT::Removed,
                                u"*Timecode type: PAL/EBU\n\n", u"%S %E\n{0 [1 %W\n\n", u""};
const ConvertLayout cpc600{TR::ColonHundredths, TT::Removed,
                           u"~CPCC6.38~;UpperLower;PopOn;01;\n",
                           u"%S\u01420NEN\u0142%J\n%E\u01420NEN\u0142\n", u"", u"\\",
                           nullptr, true};
const ConvertLayout dvdJunior{TR::ColonHundredths, TT::Removed,
                              u"Subtitle File Mark:2C:\\Untitled.avi\n", u"%S&%E#%J\n", u"",
                              u"<"};
const ConvertLayout dvdSubtitleSystem{TR::ColonHundredths, TT::Removed, u"", u"%S %E %J\n", u"",
                                      u"//"};
const ConvertLayout dvdSubtitle{
    TR::ColonHundredths, TT::Removed,
    u"{HEAD\nDISCID=\nDVDTITLE=\nCODEPAGE=1250\nFORMAT=ASCII\nLANG=EN\nTITLE=1\n"
    u"ORIGINAL=ORIGINAL\nAUTHOR=\nWEB=\nINFO=\nLICENSE=\n",
    u"}\n{T %S\n%L}\n{T %E\n\n", u"}\n"};

// Byte-coded caption files.
const ConvertLayout captionsDat{TR::Packed, TT::Removed, u"%z\n", u"", u"%z\r\n", u"",
                                captionsDatEntry, true, true};
const ConvertLayout captionsDatText{TR::Packed, TT::Removed, u"%z\n", u"", u"%z\r\n", u"",
                                    captionsDatTextEntry, true, true};

}  // namespace layouts
