#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/CellShade.h"
#include "editor/EditorModel.h"
#include "editor/FlagRecount.h"
#include "editor/RowStats.h"
#include "editor/RowText.h"
#include "support/GlobalsFixture.h"

namespace {

QString letters(int n)
{
    return QString(n, u'x');
}

class RowStatsTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.cds.create();
    }
    // Appends a row and stores its text the way the reader does.
    void addRow(const QString &text, const QString &start = QStringLiteral("00:00:01,000"),
                const QString &end = QStringLiteral("00:00:03,000"))
    {
        model.cds.append();
        model.cds.setField(Field::Kezdes, start);
        model.cds.setField(Field::Befejezes, end);
        writeRowText(model, text, false, false, false);
    }
    void store(int recNo, const QString &text)
    {
        model.cds.setRecNo(recNo);
        writeRowText(model, text, true, false, true);
    }
    bool flag(int recNo, Field f) const
    {
        const SubtitleRow &r = model.cds.rowAt(recNo - 1);
        return f == Field::Betu38 ? r.betu38 : r.sor3;
    }
    EditorModel model;
};

TEST(LineLabel, ShowsEveryLineAndTheTotal)
{
    const struct {
        QString text, label;
    } cases[] = {
        {QString(), QStringLiteral("0=0 betű")},
        {letters(37), QStringLiteral("37 betű")},
        {letters(12) + u'|' + letters(20), QStringLiteral("12+20=32 betű")},
        {QStringLiteral("ab|"), QStringLiteral("2+0=2 betű")},
        {QStringLiteral("a|b|c|d|e|ff"), QStringLiteral("1+1+1+1+1+2=7 betű")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lineCountLabel(c.text), c.label) << c.text.toStdString();
}

TEST(MeasureLines, CountsTagsAndSpacesButNotSeparators)
{
    const LineLengths m = measureLines(u"<i>ab cd</i>||x|y|z|toolong");
    EXPECT_EQ(m.l[0], 12);
    EXPECT_EQ(m.l[1], 0);
    EXPECT_EQ(m.l[2], 1);
    EXPECT_EQ(m.l[4], 1);  // the sixth line is not measured
    EXPECT_EQ(m.lineCount, 6);
}

// Bars at every place of the blocks the text is searched in, and lines
// longer than a length can hold.
TEST(MeasureLines, BarsAnywhereAndLongLines)
{
    for (int length = 1; length <= 40; ++length) {
        for (int bar = 0; bar < length; ++bar) {
            QString text(length, u'a');
            text[bar] = u'|';
            if (bar + 9 < length)
                text[bar + 9] = u'|';
            const LineLengths m = measureLines(text);
            const QList<QStringView> lines = QStringView(text).split(u'|');
            ASSERT_EQ(m.lineCount, lines.size()) << text.toStdString();
            for (qsizetype k = 0; k < lines.size(); ++k)
                ASSERT_EQ(m.l[size_t(k)], lines[k].size()) << text.toStdString() << " line " << k;
        }
    }
    const LineLengths wide = measureLines(QString(300, u'x') + u'|' + QString(256, u'y'));
    EXPECT_EQ(wide.l[0], 255);
    EXPECT_EQ(wide.l[1], 255);
}

TEST_F(RowStatsTest, FlagsFollowTheThresholdAndTheThirdLine)
{
    const struct {
        QString text;
        bool betu38, sor3;
    } cases[] = {
        {letters(37), false, false},
        {letters(38), true, false},
        {QStringLiteral("<i>") + letters(35), true, false},
        {letters(10) + u'|' + letters(38), true, false},
        {QStringLiteral("egy|ketto|"), false, false},  // an empty third line does not count
        {QStringLiteral("a|b|c"), false, true},
        {QStringLiteral("a|b|c|d|e|") + letters(60), false, true},  // sixth line is not measured
        {QString(), false, false},
    };
    for (const auto &c : cases) {
        model.cds.empty();
        model.overThresholdCount = model.threeLineCount = 0;
        addRow(QStringLiteral("x"));
        store(1, c.text);
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(flag(1, Field::Betu38), c.betu38);
        EXPECT_EQ(flag(1, Field::Sor3), c.sor3);
        EXPECT_EQ(model.overThresholdCount, int(c.betu38));
        EXPECT_EQ(model.threeLineCount, int(c.sor3));
    }
}

TEST_F(RowStatsTest, CountsFollowASequenceOfStores)
{
    addRow(letters(38));
    addRow(QStringLiteral("a|b|c"));
    addRow(QStringLiteral("rövid"));
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_EQ(model.threeLineCount, 1);

    store(1, letters(39));  // still long: neither toggled nor counted twice
    EXPECT_TRUE(flag(1, Field::Betu38));
    EXPECT_EQ(model.overThresholdCount, 1);

    store(3, letters(40) + QStringLiteral("|b|c"));
    EXPECT_EQ(model.overThresholdCount, 2);
    EXPECT_EQ(model.threeLineCount, 2);

    store(1, QStringLiteral("ok"));
    store(2, QStringLiteral("a|b"));
    EXPECT_FALSE(flag(1, Field::Betu38));
    EXPECT_FALSE(flag(2, Field::Sor3));
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_EQ(model.threeLineCount, 1);

    // the second text does not touch the flags of the main one
    model.cds.setRecNo(3);
    writeRowText2(model, letters(50), true, false, true);
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_TRUE(flag(3, Field::Betu38));
}

TEST_F(RowStatsTest, FlagWriteOutsideEditStateLeavesCountsAlone)
{
    addRow(QStringLiteral("x"));
    setRowFlagsQuiet(model);  // browse state: nothing can be written
    EXPECT_EQ(model.overThresholdCount, 0);
    // a stored long text in browse state cannot set the flag, so no count
    model.cds.edit();
    model.cds.setField(Field::Szoveg, letters(50));
    model.cds.post();
    setRowFlagsQuiet(model);
    EXPECT_EQ(model.overThresholdCount, 0);
    EXPECT_FALSE(flag(1, Field::Betu38));
}

struct ProgressHost : EditorHost {
    QList<int> progress;
    QList<bool> shown;
    bool lockSeen = false;
    void showProgress(bool visible) override { shown.append(visible); }
    void setProgress(int value) override
    {
        progress.append(value);
        lockSeen = lockSeen || displayLock;
    }
};

TEST_F(RowStatsTest, RecountFollowsANewThreshold)
{
    addRow(letters(38));
    addRow(letters(40) + QStringLiteral("|b|c"));
    addRow(letters(41));
    addRow(QStringLiteral("rövid"));
    EXPECT_EQ(model.overThresholdCount, 3);
    model.cds.setRecNo(2);
    model.overThresholdCount = 42;  // stale counts are rebuilt from nothing
    model.threeLineCount = 42;

    ProgressHost host;
    model.setHost(&host);
    int announced = 0;
    QObject::connect(&model, &EditorModel::countsChanged, [&] { ++announced; });
    model.setThreshold(40);
    recountAllFlags(model);

    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_EQ(model.threeLineCount, 1);
    EXPECT_FALSE(flag(1, Field::Betu38));
    EXPECT_FALSE(flag(2, Field::Betu38));
    EXPECT_TRUE(flag(2, Field::Sor3));
    EXPECT_TRUE(flag(3, Field::Betu38));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(model.cds.refreshSuspended());
    EXPECT_EQ(announced, 1);
    EXPECT_TRUE(host.lockSeen);
    EXPECT_EQ(host.shown, (QList<bool>{true, false}));
    EXPECT_EQ(host.progress.last(), 0);

    model.setThreshold(37);
    recountAllFlags(model);
    EXPECT_EQ(model.overThresholdCount, 3);
}

TEST_F(RowStatsTest, RecountProgressMovesInHundredths)
{
    for (int i = 0; i < 250; ++i)
        addRow(QStringLiteral("x"));
    ProgressHost host;
    model.setHost(&host);
    recountAllFlags(model);
    // step trunc(250 / 100) = 2: 0 at the start, then 0,1,1,2,...,125, then 0
    ASSERT_EQ(host.progress.size(), 252);
    EXPECT_EQ(host.progress[2], 1);
    EXPECT_EQ(host.progress[250], 125);
    EXPECT_EQ(host.progress.last(), 0);

    model.cds.empty();
    host.progress.clear();
    recountAllFlags(model);  // an empty table: no steps, no crash
    EXPECT_EQ(host.progress, (QList<int>{0, 0}));
    EXPECT_EQ(model.overThresholdCount, 0);
}

SubtitleRow shadeRow(const QString &start, const QString &end, const QString &text)
{
    SubtitleRow r;
    r.kezdes = start;
    r.befejezes = end;
    r.szoveg = text;
    return r;
}

TEST(CellShadeTest, DecidesFromTextTimesAndBoxes)
{
    resetAllGlobals();
    const QString s = QStringLiteral("00:00:01,000");
    const QString e = QStringLiteral("00:00:03,000");
    const QString longLine = letters(38);
    const QString three = QStringLiteral("a|b|c");
    const QString both = letters(38) + QStringLiteral("|b|c");
    const struct {
        const char *name;
        SubtitleRow row;
        bool time, colourLong, colourThree;
        CellShade shade;
    } cases[] = {
        {"0.499 s", shadeRow(s, QStringLiteral("00:00:01,499"), u"a"_qs), true, true, true,
         CellShade::Silver},
        {"0.5 s", shadeRow(s, QStringLiteral("00:00:01,500"), u"a"_qs), true, true, true,
         CellShade::Normal},
        {"frame base", shadeRow(u"10"_qs, u"11"_qs, u"a"_qs), false, true, true,
         CellShade::Normal},
        {"empty times", shadeRow(QString(), QString(), u"a"_qs), true, false, false,
         CellShade::Silver},
        {"end before start", shadeRow(e, s, u"a"_qs), true, false, false, CellShade::Silver},
        {"long", shadeRow(s, e, longLine), true, true, true, CellShade::Red},
        {"long, box off", shadeRow(s, e, longLine), true, false, true, CellShade::Normal},
        {"three lines", shadeRow(s, e, three), true, true, true, CellShade::Green},
        {"green wins", shadeRow(s, e, both), true, true, true, CellShade::Green},
        {"green off", shadeRow(s, e, both), true, true, false, CellShade::Red},
        {"short and long", shadeRow(s, s, longLine), true, true, false, CellShade::Red},
        {"empty text", shadeRow(s, s, QString()), true, true, true, CellShade::Silver},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cellShade(c.row, c.time, 37, c.colourLong, c.colourThree), c.shade) << c.name;

    // follows the text and the threshold, not the stored flags
    SubtitleRow flagged = shadeRow(s, e, letters(38));
    flagged.betu38 = false;
    EXPECT_EQ(cellShade(flagged, true, 37, true, false), CellShade::Red);
    EXPECT_EQ(cellShade(flagged, true, 38, true, false), CellShade::Normal);

    displayLock = true;  // a pass is walking the table: only silver
    EXPECT_EQ(cellShade(shadeRow(s, e, both), true, 37, true, true), CellShade::Normal);
    EXPECT_EQ(cellShade(shadeRow(s, s, both), true, 37, true, true), CellShade::Silver);
    resetAllGlobals();
}

}  // namespace
