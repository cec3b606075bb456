#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "files/FileGlobals.h"
#include "files/EditorSave.h"
#include "files/SubtitleWriter.h"
#include "files/SubtitleWriterFixture.h"
#include "tools/timing/OverlapCheck.h"

namespace {

const QString moreInfo = QStringLiteral("További információt a \"Lista\" gomb alatt találsz!");
const QString nothingFound = QStringLiteral("Eredmény|info|Nem találtam átfedést/hibát!|");

QString result(const QString &first, const QString &second = moreInfo)
{
    return QStringLiteral("Eredmény|info|") + first + u'|' + second;
}

QString rowLine(int n, const char *span)
{
    return QStringLiteral("Sor száma: ") + QString::number(n) + QStringLiteral("      Érték: ")
           + QString::fromUtf8(span);
}

class HostWithGrid : public FakeDialogHost {
public:
    int gridFocused = 0;
    void focusGrid() override { ++gridFocused; }
};

class OverlapCheckTest : public WriterFixture {
protected:
    void SetUp() override
    {
        WriterFixture::SetUp();
        model.setHost(&gridHost);
        model.log.add(QStringLiteral("left from the last run"));
    }
    QString startOf(int row) const { return model.cds.rowAt(row - 1).kezdes; }
    QString endOf(int row) const { return model.cds.rowAt(row - 1).befejezes; }
    OverlapResult run(bool repair, bool stretch = false, bool errorsOnly = false,
                      bool statistics = true)
    {
        OverlapOptions o;
        o.repair = repair;
        o.stretch = stretch;
        o.errorsOnly = errorsOnly;
        o.statistics = statistics;
        return runOverlapCheck(model, o);
    }
    HostWithGrid gridHost;
};

TEST_F(OverlapCheckTest, TouchingLines)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"}, {"00:00:02,000", "00:00:03,000", "b"}});
    const QStringList touching{QString(), rowLine(1, "00:00:01,000-->00:00:02,000"),
                               rowLine(2, "00:00:02,000-->00:00:03,000"), QStringLiteral("Átfedés")};

    OverlapResult r = run(false);
    EXPECT_EQ(r.overlaps, 1);
    EXPECT_EQ(r.smallerStart, 0);
    EXPECT_TRUE(r.listEnabled);
    EXPECT_EQ(model.log.lines(), touching);
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi átfedést/hibát találtam összesen: 1/0")});
    EXPECT_FALSE(model.modified());

    // "Csak hiba kiírása": counted, not logged
    messages.clear();
    r = run(false, false, true);
    EXPECT_EQ(r.overlaps, 1);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi hibát találtam összesen: 0/0")});

    messages.clear();
    r = run(true);
    EXPECT_EQ(startOf(2), QStringLiteral("00:00:02,001"));
    EXPECT_EQ(r.overlaps, 1);
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), rowLine(1, "00:00:01,000-->00:00:02,000"),
                           rowLine(2, "00:00:02,001-->00:00:03,000"), QStringLiteral("Javítás")}));
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi átfedést javítottam ki: 1/0")});
    EXPECT_TRUE(model.modified());
}

TEST_F(OverlapCheckTest, SmallerStart)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"}, {"00:00:01,500", "00:00:03,000", "b"}});
    OverlapResult r = run(false);
    EXPECT_EQ(r.overlaps, 0);
    EXPECT_EQ(r.smallerStart, 1);
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), rowLine(1, "00:00:01,000-->00:00:02,000"),
                           rowLine(2, "00:00:01,500-->00:00:03,000"),
                           "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!"}));
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi átfedést/hibát találtam összesen: 0/1")});
    EXPECT_EQ(startOf(2), QStringLiteral("00:00:01,500"));

    messages.clear();
    run(false, false, true);
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi hibát találtam összesen: 1/1")});

    messages.clear();
    r = run(true);
    EXPECT_EQ(startOf(2), QStringLiteral("00:00:02,001"));
    EXPECT_EQ(r.overlaps, 1);
    EXPECT_EQ(r.smallerStart, 0);
    EXPECT_EQ(model.log.lines().last(), QStringLiteral("Javítás"));
    EXPECT_EQ(model.log.lines()[2], rowLine(2, "00:00:02,001-->00:00:03,000"));
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi átfedést javítottam ki: 1/0")});
}

TEST_F(OverlapCheckTest, StartAfterEndIsReportedButNotRepaired)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"},
                      {"00:00:05,000", "00:00:04,000", "b"},
                      // starts before the previous end, but not before its own end
                      {"00:00:04,500", "00:00:04,500", "c"}});
    for (bool repair : {false, true}) {
        messages.clear();
        const OverlapResult r = run(repair);
        EXPECT_EQ(r.overlaps, 1);
        EXPECT_EQ(model.log.lines(),
                  (QStringList{QString(), rowLine(2, "00:00:05,000-->00:00:04,000"),
                               "A 2. sor kezdő értéke nagyobb, mint a befejező értéke!"}));
        EXPECT_EQ(startOf(2), QStringLiteral("00:00:05,000"));
        EXPECT_EQ(startOf(3), QStringLiteral("00:00:04,500"));
        EXPECT_FALSE(model.modified());
        EXPECT_EQ(messages.lines(),
                  QStringList{repair ? result("Ennyi átfedést javítottam ki: 1/0")
                                     : result("Ennyi átfedést/hibát találtam összesen: 1/0")});
    }
}

TEST_F(OverlapCheckTest, StretchPushesTheNextStart)
{
    fillTable(model, {{"00:00:05,000", "00:00:05,200", "a"}, {"00:00:05,400", "00:00:06,000", "b"}});
    const OverlapResult r = run(true, true);
    EXPECT_EQ(endOf(1), QStringLiteral("00:00:05,500"));
    EXPECT_EQ(startOf(2), QStringLiteral("00:00:05,501"));
    EXPECT_EQ(r.halfSecondRepairs, 1);
    EXPECT_EQ(r.overlaps, 0);
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), "Sor száma: 1", "Miről:  Érték: 00:00:05,000-->00:00:05,200",
                           "Mire:   Érték: 00:00:05,000-->00:00:05,500", "0,5 mp-re állítás"}));
    // the stretched line counts as half a second; the pushed one is 499 ms
    EXPECT_EQ(r.bands[0] + r.bands[1], 0);
    EXPECT_EQ(r.bands[2], 1);
    EXPECT_EQ(messages.lines(),
              QStringList{result("Ennyi 0,5 mp alatti időt javítottam: 1", QString())});
    EXPECT_TRUE(r.listEnabled);
    EXPECT_TRUE(model.modified());
}

TEST_F(OverlapCheckTest, StretchKeepsAFarNextStartAndNeverTouchesTheLastLine)
{
    fillTable(model, {{"00:00:05,000", "00:00:05,200", "a"},
                      {"00:00:06,000", "00:00:07,000", "b"},
                      {"00:00:08,000", "00:00:08,100", "c"}});
    const OverlapResult r = run(false, true);
    EXPECT_EQ(endOf(1), QStringLiteral("00:00:05,500"));
    EXPECT_EQ(startOf(2), QStringLiteral("00:00:06,000"));
    EXPECT_EQ(endOf(3), QStringLiteral("00:00:08,100"));
    EXPECT_EQ(r.halfSecondRepairs, 1);
    EXPECT_EQ(r.bands[1], 1);

    // without the statistics there is no stretch
    fillTable(model, {{"00:00:05,000", "00:00:05,200", "a"}, {"00:00:06,000", "00:00:07,000", "b"}});
    EXPECT_EQ(run(false, true, false, false).halfSecondRepairs, 0);
    EXPECT_EQ(endOf(1), QStringLiteral("00:00:05,200"));
}

TEST_F(OverlapCheckTest, RepairWithHalfSecondChangesEndsInAPlainMessage)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"},
                      {"00:00:02,000", "00:00:02,100", "b"},
                      {"00:00:04,000", "00:00:05,000", "c"}});
    const OverlapResult r = run(true, true);
    EXPECT_EQ(startOf(2), QStringLiteral("00:00:02,001"));
    EXPECT_EQ(endOf(2), QStringLiteral("00:00:02,500"));
    EXPECT_EQ(r.overlaps, 1);
    EXPECT_EQ(r.halfSecondRepairs, 1);
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_EQ(messages.plainMessages(),
              QStringList{"Ennyi átfedést javítottam ki: 1\nEbből ennyi 0,5mp-es változtatás: 1\n"
                          + moreInfo});
    EXPECT_TRUE(model.modified());
}

TEST_F(OverlapCheckTest, DurationBands)
{
    fillTable(model, {{"00:00:01,000", "00:00:01,249", "249"},
                      {"00:00:02,000", "00:00:02,250", "250"},
                      {"00:00:03,000", "00:00:03,000", "0"},
                      {"00:00:04,000", "00:00:03,900", "negative"},
                      {"00:00:05,000", "00:00:05,500", "500"},
                      {"00:00:06,000", "00:00:06,499", "499"},
                      {"00:00:07,000", "00:00:07,001", "1"}});
    OverlapResult r = run(false);
    EXPECT_EQ(r.bands[0], 2);
    EXPECT_EQ(r.bands[1], 2);
    EXPECT_EQ(r.bands[2], 2);
    EXPECT_TRUE(r.statisticsEnabled);
    showDurationStatistics(r);
    EXPECT_EQ(messages.plainMessages(),
              QStringList{"0 mp alatt: 2\n0 - 0.249 mp: 2\n0.250 - 0.499 mp: 2"});

    r = run(false, false, false, false);
    EXPECT_EQ(r.bands[0] + r.bands[1] + r.bands[2], 0);
    EXPECT_FALSE(r.statisticsEnabled);
}

TEST_F(OverlapCheckTest, EmptyAndOneLineTables)
{
    for (const std::vector<RowData> &rows :
         {std::vector<RowData>{}, std::vector<RowData>{{"00:00:01,000", "00:00:02,000", "a"}}}) {
        messages.clear();
        fillTable(model, rows);
        const OverlapResult r = run(true, true);
        EXPECT_EQ(r.overlaps + r.smallerStart + r.halfSecondRepairs, 0);
        EXPECT_FALSE(r.listEnabled);
        EXPECT_TRUE(model.log.isEmpty());
        EXPECT_EQ(messages.lines(), QStringList{nothingFound});
    }
    EXPECT_EQ(model.log.caption, QStringLiteral("Az átfedés vizsgálatának eredménye"));
    EXPECT_FALSE(model.log.headingsVisible);
}

TEST_F(OverlapCheckTest, RunLeavesTheEditorAsItFoundIt)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"}, {"00:00:01,500", "00:00:03,000", "b"}});
    model.cds.setRecNo(2);
    run(true, true);
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(model.cds.refreshSuspended());
    EXPECT_FALSE(gridHost.progressVisible);
    EXPECT_EQ(model.cds.recNo(), 1);
}

// Every line takes part, also one without times ("G" on the last row makes
// one without an end): an empty time counts as 0 and the previous line is
// always the one above.
TEST_F(OverlapCheckTest, RowsWithoutTimesCountAsZero)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"},
                      {"", "", "new"},
                      {"00:00:01,500", "00:00:03,000", "b"},
                      {"00:00:03,000", "", "G"}});
    OverlapResult r = run(false);
    EXPECT_EQ(r.overlaps, 1);
    EXPECT_EQ(r.smallerStart, 0);
    EXPECT_EQ(r.bands[0], 2);
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), rowLine(3, "00:00:01,500-->00:00:03,000"),
                           rowLine(4, "00:00:03,000-->"), "Átfedés"}));
    EXPECT_EQ(messages.lines(),
              QStringList{result("Ennyi átfedést/hibát találtam összesen: 1/0")});

    r = run(true);
    EXPECT_EQ(startOf(4), "00:00:03,001");
    EXPECT_TRUE(startOf(2).isEmpty());
}

TEST_F(OverlapCheckTest, StretchPushesAnEmptyNextStart)
{
    fillTable(model, {{"00:00:05,000", "00:00:05,200", "a"}, {"", "", "b"}});
    run(false, true);
    EXPECT_EQ(endOf(1), "00:00:05,500");
    EXPECT_EQ(startOf(2), "00:00:05,501");
}

TEST_F(OverlapCheckTest, HalfSecondList)
{
    fillTable(model, {{"00:00:01,000", "00:00:01,500", "a"},
                      {"00:00:02,000", "00:00:02,499", "b"},
                      {"00:00:03,000", "00:00:03,501", "c"},
                      {"00:00:04,000", "00:00:04,500", "d"}});
    model.cds.setRecNo(3);
    listHalfSecondLines(model);
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), "Sor száma: 1", "00:00:01,000-->00:00:01,500", "0,5 mp-es sor",
                           QString(), "Sor száma: 4", "00:00:04,000-->00:00:04,500",
                           "0,5 mp-es sor"}));
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyit találtam: 2")});
    EXPECT_EQ(model.cds.recNo(), 3);
    EXPECT_EQ(gridHost.gridFocused, 1);
    EXPECT_FALSE(displayLock);

    messages.clear();
    fillTable(model, {{"00:00:02,000", "00:00:02,499", "b"}});
    listHalfSecondLines(model);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Nem találtam ilyen sort!|"});
}

TEST_F(OverlapCheckTest, HalfSecondListInFramesUsesTheFrameRate)
{
    model.setFps(QStringLiteral("24"));
    fillTable(model, {{"24", "36", "12 frames"}, {"48", "59", "11 frames"}}, QStringLiteral("Frame"));
    listHalfSecondLines(model);
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), "Sor száma: 1", "24-->36", "0,5 mp-es sor"}));
}

class SaveTimeCheck : public WriterFixture {
protected:
    void SetUp() override
    {
        WriterFixture::SetUp();
        target(QStringLiteral("c.srt"));
        model.log.add(QStringLiteral("left from the last run"));
    }
};

TEST_F(SaveTimeCheck, ReportsSmallerStartsNotTouchingLines)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"},
                      {"00:00:02,000", "00:00:03,000", "b"},
                      {"00:00:02,500", "00:00:04,000", "c"}});
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), rowLine(2, "00:00:02,000-->00:00:03,000"),
                           rowLine(3, "00:00:02,500-->00:00:04,000"),
                           "A 3. sor kezdő értéke kisebb, mint az 2. sor befejező értéke!"}));
    EXPECT_EQ(messages.lines(), QStringList{result("Ennyi átfedési hibát találtam: 1")});
    EXPECT_EQ(model.cds.rowAt(2).kezdes, QStringLiteral("00:00:02,500"));  // nothing repaired

    messages.clear();
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"}, {"00:00:02,000", "00:00:03,000", "b"}});
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_TRUE(messages.lines().isEmpty());
}

// A row the writer leaves out takes no part: the error is measured against,
// and names, the line written before it.
TEST_F(SaveTimeCheck, ComparesWithThePreviouslyWrittenLine)
{
    model.options.uresNe = true;
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"},
                      {"00:00:05,000", "00:00:06,000", ""},
                      {"00:00:01,500", "00:00:03,000", "c"}});
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), rowLine(1, "00:00:01,000-->00:00:02,000"),
                           rowLine(3, "00:00:01,500-->00:00:03,000"),
                           "A 3. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!"}));
}

TEST_F(SaveTimeCheck, OffLeavesTheLogAlone)
{
    model.options.mentAt = false;
    fillTable(model, {{"00:00:01,000", "00:00:02,000", "a"}, {"00:00:01,500", "00:00:03,000", "b"}});
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(model.log.lines(), QStringList{"left from the last run"});
    EXPECT_TRUE(messages.lines().isEmpty());
}

}  // namespace
