#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/TestFiles.h"

namespace {

const QString data = QStringLiteral(KELVO_TEST_DATA "/save/");
const QString moreInfo = QStringLiteral("További információt a \"Lista\" gomb alatt találsz!");

class OverlapCommand : public ::testing::Test {
protected:
    BatchRun overlap(const QString &in, const QStringList &switches = {})
    {
        return runBatchTool(QStringList{QStringLiteral("overlap")} + switches
                            + QStringList{data + in, out()});
    }
    QString out() const { return dir.filePath(QStringLiteral("out.srt")); }
    QTemporaryDir dir;
};

TEST_F(OverlapCommand, CheckOnlyLogsAndWritesTheTableUnchanged)
{
    const BatchRun r = overlap(QStringLiteral("overlaps.srt"));
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("log"),
              (QStringList{"log\t", "log\tSor száma: 1      Érték: 00:00:01,000-->00:00:02,000",
                           "log\tSor száma: 2      Érték: 00:00:02,000-->00:00:03,000",
                           "log\tÁtfedés", "log\t",
                           "log\tSor száma: 2      Érték: 00:00:02,000-->00:00:03,000",
                           "log\tSor száma: 3      Érték: 00:00:02,500-->00:00:04,000",
                           "log\tA 3. sor kezdő értéke kisebb, mint az 2. sor befejező értéke!"}));
    // the window's summary only: OUT is written without the save-time check
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tEnnyi átfedést/hibát találtam összesen: 1/1\t"
                          + moreInfo});
    EXPECT_EQ(fileBytes(out()), fileBytes(data + "overlaps.srt"));
}

TEST_F(OverlapCommand, ErrorsOnlyLeavesTouchingLinesOut)
{
    const BatchRun r = overlap(QStringLiteral("overlaps.srt"), {QStringLiteral("--errors-only")});
    EXPECT_EQ(r.records("log").size(), 4);
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tEnnyi hibát találtam összesen: 1/1\t" + moreInfo});
}

TEST_F(OverlapCommand, RepairMovesStartsAfterThePreviousEnd)
{
    const BatchRun r = overlap(QStringLiteral("overlaps.srt"), {QStringLiteral("--repair"), QStringLiteral("--rows")});
    EXPECT_EQ(r.exitCode, 0);
    QByteArray expected = fileBytes(data + "overlaps.srt");
    expected.replace("00:00:02,000 --> 00:00:03,000", "00:00:02,001 --> 00:00:03,000");
    expected.replace("00:00:02,500 --> 00:00:04,000", "00:00:03,001 --> 00:00:04,000");
    EXPECT_EQ(fileBytes(out()), expected);
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tEnnyi átfedést javítottam ki: 2/0\t" + moreInfo});
    EXPECT_EQ(r.records("row").size(), 3);
}

TEST_F(OverlapCommand, StretchMakesShortLinesHalfASecond)
{
    const BatchRun r = overlap(QStringLiteral("short_lines.srt"),
                               {QStringLiteral("--repair"), QStringLiteral("--stretch"),
                                QStringLiteral("--show-stats")});
    EXPECT_EQ(r.exitCode, 0);
    QByteArray expected = fileBytes(data + "short_lines.srt");
    expected.replace("00:00:05,000 --> 00:00:05,200", "00:00:05,000 --> 00:00:05,500");
    expected.replace("00:00:05,400 --> 00:00:06,200", "00:00:05,501 --> 00:00:06,200");
    EXPECT_EQ(fileBytes(out()), expected);
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tEnnyi 0,5 mp alatti időt javítottam: 1\t"});
    EXPECT_EQ(r.records("plain"),
              QStringList{"plain\t0 mp alatt: 0\t0 - 0.249 mp: 0\t0.250 - 0.499 mp: 1"});
}

TEST_F(OverlapCommand, FrameBasedSubtitleIsRefused)
{
    const BatchRun r = overlap(QStringLiteral("worked_example.sub"));
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_FALSE(QFile::exists(out()));
}

TEST_F(OverlapCommand, HalfSecondList)
{
    const BatchRun r = runBatchTool({QStringLiteral("halfsec"), data + "short_lines.srt"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.records("log"), (QStringList{"log\t", "log\tSor száma: 3",
                                              "log\t00:00:07,000-->00:00:07,500",
                                              "log\t0,5 mp-es sor"}));
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tEnnyit találtam: 1\t" + moreInfo});
}

// Times the reader kept past 24 hours stay in that range when a repair or
// a shift moves them; they are never cut back to 24:00:00,000.
TEST_F(OverlapCommand, TimesPastADayKeepTheirRange)
{
    const QString in = dir.filePath(QStringLiteral("long.srt"));
    putFile(in, "1\r\n29:59:59,000 --> 30:00:02,000\r\na\r\n\r\n"
                "2\r\n30:00:00,000 --> 30:00:05,000\r\nb");
    BatchRun r = runBatchTool({"overlap", "--repair", in, out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(fileBytes(out()).contains("30:00:02,001 --> 30:00:05,000")) << fileBytes(out()).constData();

    r = runBatchTool({"shift", "+", "00:00:01,000", in, out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(out()), QByteArray("1\r\n30:00:00,000 --> 30:00:03,000\r\na\r\n\r\n"
                                           "2\r\n30:00:01,000 --> 30:00:06,000\r\nb"));
}

}  // namespace
