#include <gtest/gtest.h>

#include "convert/ConvertFixture.h"
#include "files/ConvertSubtitle.h"
#include "files/convert/ConvertLayout.h"

namespace {

// Every written format, byte for byte, from one small table.
TEST_F(ConvertTest, EveryWrittenFormatMatchesItsGoldenFile)
{
    int checked = 0;
    for (const SubtitleFormat &f : subtitleFormats()) {
        if (!f.convert)
            continue;
        fillTable(model, goldenRows);
        const ConvertedSubtitle out = convertSubtitle(f, model.cds, ConvertOptions{});
        EXPECT_EQ(out.bytes, goldenBytes(f)) << f.name.data();
        EXPECT_FALSE(out.fellBackToUtf8);
        ++checked;
    }
    EXPECT_EQ(checked, 44);  // and SubRip through the editor's save
}

TEST_F(ConvertTest, RegistryListsTheFiftySixNamesInOrder)
{
    const auto all = subtitleFormats();
    ASSERT_EQ(all.size(), 56u);
    EXPECT_EQ(all.front().name, QLatin1StringView("Adobe Encore DVD"));
    EXPECT_EQ(all[21].name, QLatin1StringView("MicroDVD"));
    EXPECT_EQ(all[46].name, QLatin1StringView("SubRip"));
    EXPECT_EQ(all.back().name, QLatin1StringView("ZeroG"));
    QStringList without;
    for (const SubtitleFormat &f : all)
        if (!f.convert && !f.saveAs)
            without.append(f.name);
    EXPECT_EQ(without, QStringList({"AQtitle", "I-Author Script", "MacSUB", "MicroDVD", "MPlayer",
                                    "MPSub", "Phoenix Japanimation on Society", "Softitler RTF",
                                    "Stream SubText Player", "SubSonic", "TMPlayer"}));
    // the editor still saves its own two kinds
    EXPECT_EQ(savedFormat(false).extension, QLatin1StringView(".srt"));
    EXPECT_EQ(savedFormat(true).name, QLatin1StringView("MicroDVD"));
}

QString rendered(TimeRendering r, const char *code)
{
    char16_t buf[16];
    const QString c = QString::fromLatin1(code);
    return QString::fromUtf16(buf, renderTime(r, c, buf));
}

TEST(ConvertTimes, RenderingsCutAndNeverRound)
{
    using R = TimeRendering;
    struct Case {
        R rendering;
        const char *code;
        const char *expected;
    } cases[] = {
        {R::Clock, "01:02:03,456", "01:02:03"},
        {R::ShortClock, "01:02:03,456", "1:02:03"},
        {R::ColonHundredths, "01:02:03,456", "01:02:03:45"},
        {R::DotHundredths, "01:02:03,456", "01:02:03.45"},
        {R::ShortDotHundredths, "01:02:03,456", "1:02:03.45"},
        {R::DotTenths, "01:02:03,456", "01:02:03.4"},
        {R::ShortDotTenths, "01:02:03,456", "1:02:03.4"},
        {R::PalFrames, "01:02:03,456", "01:02:03:11"},
        {R::PalFramesSemicolon, "01:02:03,456", "01;02;03;11"},
        {R::Packed, "01:02:03,456", "10203456"},
        {R::Full, "01:02:03,456", "01:02:03,456"},
        {R::Milliseconds, "01:02:03,456", "3723456"},
        {R::Centiseconds, "01:02:03,456", "372345"},
        {R::Deciseconds, "01:02:03,456", "37234"},
        {R::MinutesSeconds, "01:02:03,456", "62:03.45"},
        {R::SecondsHundredths, "01:02:03,456", "3723 45"},
        {R::PalFrames, "23:59:59,999", "23:59:59:24"},
        {R::ShortClock, "23:59:59,999", "3:59:59"},
        {R::Milliseconds, "00:00:00,000", "0"},
        {R::Centiseconds, "00:00:03,000", "300"},
        {R::MinutesSeconds, "00:00:05,090", "00:05.09"},
        {R::MinutesSeconds, "02:00:00,000", "120:00.00"},
        {R::SecondsHundredths, "00:00:05,999", "05 99"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rendered(c.rendering, c.code), QString::fromLatin1(c.expected))
            << c.code << " rendering " << int(c.rendering);
}

TEST(ConvertTags, EachTreatment)
{
    using T = TagTreatment;
    struct Case {
        T treatment;
        const char *text;
        const char *expected;
    } cases[] = {
        {T::Removed, "<i>Hello</i>|World", "Hello|World"},
        {T::Removed, "<<i>i>x</i<b>>", "x"},  // removal joins a new tag: removed as well
        {T::Removed, "a < b", "a < b"},
        {T::Kept, "<i>x</i>", "<i>x</i>"},
        {T::ClosingRemoved, "<i>x</i> <b>y</b> <u>z</u>", "<i>x <b>y <u>z"},
        {T::SsaCodes, "<i>a</i><b>b</b><u>c</u>", "{\\i1}a{\\i0}{\\b1}b{\\b0}{\\u1}c{\\u0}"},
        {T::SsaCodesNoUnderline, "<u>a</u>|<i>b</i>", "a|{\\i1}b{\\i0}"},
    };
    for (const Case &c : cases) {
        QString out;
        treatTags(c.treatment, QString::fromUtf8(c.text), out);
        EXPECT_EQ(out, QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST_F(ConvertTest, EmptyTextsGiveHeaderAndFooterOnly)
{
    const QByteArray bytes = convert("SAMI Captioning", {{R1, ""}, {R2, ""}});
    EXPECT_TRUE(bytes.startsWith("<SAMI>\r\n"));
    EXPECT_TRUE(bytes.endsWith("<BODY>\r\n</BODY>\r\n</SAMI>\r\n"));
}

TEST_F(ConvertTest, EdgeCasesOfSingleFormats)
{
    // SSA drops underline, keeps italics
    EXPECT_TRUE(convert("SubStation Alpha", {{R1, "<u>a</u>|<i>b</i>"}})
                    .endsWith(",!Effect,a\\N{\\i1}b{\\i0}\r\n"));
    // the running number counts written lines only
    EXPECT_TRUE(convert("Stream SubText Script", {{R1, "a"}, {R2, ""}, {R3, "c"}})
                    .endsWith("1\tDefault\t00:00:01.00\t00:00:02.00\ta\tSubRip\r\n"
                              "2\tDefault\t00:00:05.00\t00:00:06.00\tc\tSubRip\r\n"));
    EXPECT_EQ(convert("SBT", {{R1, "one"}}), QByteArray("00:00:01\r\n00:00:02\r\n\r\none\r\n"));
    EXPECT_EQ(convert("Captions 32", {{R1, "0123456789012345678901234567890123456789"}}),
              QByteArray("00:00:01:00 , 00:00:02:00 , 012345678901234567890123456789012|\r\n"));
    EXPECT_EQ(convert("Captions 32", {{R1, "a|b|c"}}), QByteArray());
    EXPECT_EQ(convert("Adobe Encore DVD", {{R1, "<i></i>"}}),
              QByteArray("00:00:01:00 00:00:02:00\r\n"));
    EXPECT_EQ(convert("Captions DAT", {{"00:00:01,000", "00:00:03,500", "x"}}),
              QByteArray("\x00\n#S00001000" "02500" "0\n" "B\xF0 \xE9 015 A\xF4     x\n\x00\r\n",
                         40));
    EXPECT_EQ(convert("Captions DAT text", {{"00:00:01,000", "00:00:03,500", "x"}}),
              QByteArray("\x00\n#T00001000" "02500" "0\nBG @015 A x\n\x00\r\n", 34));
}

TEST_F(ConvertTest, RunningNumbersOfAuthoringFormats)
{
    std::vector<RowData> ten;
    for (int i = 0; i < 10; ++i)
        ten.push_back({R1, "x"});
    const QByteArray maestro = convert("Spruce DVDMaestro", ten);
    EXPECT_TRUE(maestro.contains("\r\n0001\t\t"));
    EXPECT_TRUE(maestro.contains("\r\n0010\t\t"));
    const QByteArray scenarist = convert("Sonic Scenarist", ten);
    EXPECT_TRUE(scenarist.contains("\r\n1\t\t"));
    EXPECT_TRUE(scenarist.contains("\r\n10\t\t"));
    EXPECT_TRUE(convert("Ulead DVD Workshop 2.0", {{R1, "x"}}).contains("\r\n#0 00;00;01;00"));
    const QByteArray cheetah = convert("Cheetah", {{R1, "a"}, {R2, "b"}});
    for (const char *n : {"Number 1\r", "Number 2\r", "Number 3\r", "Number 4\r"})
        EXPECT_TRUE(cheetah.contains(n)) << n;
    EXPECT_FALSE(cheetah.contains("Number 5"));
}

TEST_F(ConvertTest, FrameBaseIsConvertedThroughTheFrameRate)
{
    fillTable(model, {{"25", "50", "a"}, {"x", "75", "b"}}, QStringLiteral("Frame"));
    ConvertOptions options;
    options.frameBase = true;
    options.fps = QStringLiteral("25");
    const ConvertedSubtitle out = convertSubtitle(format("MPlayer2"), model.cds, options);
    EXPECT_EQ(out.bytes, QByteArray("[10][20]a\r\n"));
    EXPECT_EQ(out.skippedRows, 1);
}

TEST_F(ConvertTest, RowsWithoutTimeCodesAreSkippedNotWrittenAsGarbage)
{
    ConvertedSubtitle out;
    EXPECT_EQ(convert("MPlayer2", {{"", "00:00:02,000", "a"}, {"00:00:0x,000", "00:00:02,000", "b"},
                                   {R2, "c"}},
                      &out),
              QByteArray("[30][40]c\r\n"));
    EXPECT_EQ(out.skippedRows, 2);
}

// Lines a format has no place for are counted: a text beyond three lines
// loses the rest (not where the whole text is written), and Captions 32
// leaves out a text of three lines or more.
TEST_F(ConvertTest, RowsThatLoseLinesAreCounted)
{
    const std::vector<RowData> rows{{R1, "a|b|c|d"}, {R2, "a|b|c"}, {R3, "a|b"}};
    struct Case {
        const char *format;
        int cut, dropped, entries;
    } cases[] = {
        {"MPlayer2", 1, 0, 3},
        {"Captions 32", 0, 2, 1},
        {"Captions Inc.", 0, 0, 3},
    };
    for (const Case &c : cases) {
        ConvertedSubtitle out;
        convert(c.format, rows, &out);
        EXPECT_EQ(out.cutRows, c.cut) << c.format;
        EXPECT_EQ(out.droppedRows, c.dropped) << c.format;
        EXPECT_EQ(out.entries, c.entries) << c.format;
    }
}

TEST_F(ConvertTest, CharactersOutsideTheCodePage)
{
    ConvertedSubtitle out;
    // a text format goes UTF-8 as a whole
    EXPECT_EQ(convert("MPlayer2", {{R1, "€ ☺"}}, &out),
              QByteArray("\xEF\xBB\xBF[10][20]\xE2\x82\xAC \xE2\x98\xBA\r\n"));
    EXPECT_TRUE(out.fellBackToUtf8);
    // byte-coded constants stay bytes; the stranger becomes "?"
    EXPECT_EQ(convert("CPC-600", {{R1, "a☺"}}, &out),
              QByteArray("~CPCC6.38~;UpperLower;PopOn;01;\r\n00:00:01:00\xB3" "0NEN\xB3" "a?\r\n"
                         "00:00:02:00\xB3" "0NEN\xB3\r\n"));
    EXPECT_FALSE(out.fellBackToUtf8);
    EXPECT_EQ(out.replacedChars, 1);
}

// The double click's routine: dialog, dispatch, write, messages.
class ConvertTableTest : public ConvertTest {};

TEST_F(ConvertTableTest, FormatWithoutWriterShowsItsMessageOnly)
{
    fillTable(model, {{R1, "a"}});
    EXPECT_EQ(convertTable(model, QStringLiteral("MicroDVD"), true),
              ConvertOutcome::NotProgrammed);
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_EQ(messages.lines(),
              QStringList("Hiányosság|info|Ez az opció még nincs leprogramozva!|"));
    EXPECT_EQ(boxAnswer, QStringLiteral("nem"));
}

TEST_F(ConvertTableTest, WritesTheChosenFileAndLeavesTheTableAlone)
{
    fillTable(model, goldenRows);
    model.cds.setRecNo(3);
    const bool modified = model.modified();
    host.script = {path(QStringLiteral("out.ass"))};
    EXPECT_EQ(convertTable(model, QStringLiteral("Advanced SubStation Alpha"), true),
              ConvertOutcome::Written);
    EXPECT_EQ(fileNameMode, QStringLiteral("MentesMaskent"));
    EXPECT_EQ(fileBytes(path(QStringLiteral("out.ass"))),
              goldenBytes(format("Advanced SubStation Alpha")));
    EXPECT_EQ(subtitleFileName, QStringLiteral("out.ass"));
    EXPECT_EQ(model.cds.recNo(), 1);
    EXPECT_EQ(model.modified(), modified);
    // the golden rows hold a text of four lines
    EXPECT_EQ(messages.lines(),
              QStringList("Konvertálás|info|1 sornak csak az első három sorát írtam ki,|"
                          "mert a formátum többet nem fogad el."));
}

TEST_F(ConvertTableTest, CancelledDialogWritesNothing)
{
    fillTable(model, {{R1, "a"}});
    host.script = {QString()};
    EXPECT_EQ(convertTable(model, QStringLiteral("ZeroG"), true), ConvertOutcome::Cancelled);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ConvertTableTest, UnwritableTargetIsToldNotThrown)
{
    fillTable(model, {{R1, "a"}});
    subtitlePath = path(QStringLiteral("missing/dir/out.zeg"));
    subtitleFileName = QStringLiteral("out.zeg");
    EXPECT_EQ(convertTable(model, QStringLiteral("ZeroG"), false), ConvertOutcome::Unwritable);
    EXPECT_EQ(messages.lines(),
              QStringList("Írásvédett file!|hiba|Írásvédett a következő file: out.zeg|"
                          "A kért mentés nem sikerült! Nem létezik a mappa."));
}

TEST_F(ConvertTableTest, SubRipGoesThroughTheEditorsSave)
{
    fillTable(model, goldenRows);
    model.cds.setRecNo(2);
    target(QStringLiteral("out.srt"));
    EXPECT_EQ(convertTable(model, QStringLiteral("SubRip"), false), ConvertOutcome::Written);
    EXPECT_EQ(fileBytes(path(QStringLiteral("out.srt"))), goldenBytes(format("SubRip")));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(messages.lines(), QStringList("Mentés|info|A file-t elmentettem!|"));
}

TEST_F(ConvertTableTest, SkippedRowsAreNoted)
{
    fillTable(model, {{"", "00:00:02,000", "a"}, {R2, "c"}});
    target(QStringLiteral("out.mpl"));
    EXPECT_EQ(convertTable(model, QStringLiteral("MPlayer2"), false), ConvertOutcome::Written);
    EXPECT_EQ(messages.lines(),
              QStringList("Konvertálás|info|1 sort kihagytam, mert a kezdése vagy a befejezése|"
                          "nem időkód."));
}

TEST_F(ConvertTableTest, LostLinesAreNoted)
{
    fillTable(model, {{R1, "a|b|c|d"}, {R2, "a|b|c"}, {R3, "a"}});
    target(QStringLiteral("out.mpl"));
    EXPECT_EQ(convertTable(model, QStringLiteral("MPlayer2"), false), ConvertOutcome::Written);
    target(QStringLiteral("out.txt"));
    EXPECT_EQ(convertTable(model, QStringLiteral("Captions 32"), false), ConvertOutcome::Written);
    EXPECT_EQ(messages.lines(),
              QStringList({"Konvertálás|info|1 sornak csak az első három sorát írtam ki,|"
                           "mert a formátum többet nem fogad el.",
                           "Konvertálás|info|2 sort kihagytam, mert három vagy több sorból áll,|"
                           "és a formátum legfeljebb kettőt fogad el."}));

    // when nothing is left, nothing replaces the file
    messages.clear();
    putFile(path(QStringLiteral("out.txt")), "old");
    fillTable(model, {{R1, "a|b|c"}});
    EXPECT_EQ(convertTable(model, QStringLiteral("Captions 32"), false), ConvertOutcome::Refused);
    EXPECT_EQ(fileBytes(path(QStringLiteral("out.txt"))), QByteArray("old"));
    EXPECT_EQ(messages.lines(),
              QStringList("Mentés|hiba|Nem mentettem: egyik sort sem lehet kiírni!|"
                          "1 sor szövege három vagy több sorból áll."));
}

}  // namespace
