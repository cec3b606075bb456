// kelvo-batch timebase, fps and avi-fps.
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/AviBytes.h"

namespace {

QByteArray tinyAvi(quint32 scale, quint32 rate)
{
    return avibytes::aviHeaders(scale, rate);
}

class FrameRateCommands : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray read(const QString &name)
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString out(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(FrameRateCommands, TimebaseSwitchesAndWritesTheNewKind)
{
    const QString in = write(QStringLiteral("in.sub"), "{50}{75}Egy\r\n{}{100}Kettő\r\n");
    BatchRun r = runBatchTool({"--fps", "25", "--rows", "timebase", "Time", in, out("t.srt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("row"), (QStringList{"row\t1\t00:00:02,000\t00:00:03,000\tEgy\t",
                                             "row\t2\t00:00:04,000\t00:00:04,000\tKettő\t"}));
    EXPECT_TRUE(read(QStringLiteral("t.srt")).contains("00:00:02,000 --> 00:00:03,000"));

    r = runBatchTool({"timebase", "Frame", "--fps", "25", out("t.srt"), out("back.sub")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(read(QStringLiteral("back.sub")).startsWith("{50}{75}Egy"));
}

TEST_F(FrameRateCommands, TimebaseAtTheDefaultRateTruncates)
{
    const QString in = write(QStringLiteral("in.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n");
    const BatchRun r = runBatchTool({"--rows", "timebase", "Frame", in, out("o.sub")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("row"), QStringList{"row\t1\t23\t47\tA\t"});
}

TEST_F(FrameRateCommands, FpsConvertsInTheTablesOwnBase)
{
    const QString sub = write(QStringLiteral("in.sub"), "{0}{100}A\r\n{10}{250}B\r\n");
    BatchRun r = runBatchTool({"--rows", "fps", "25", "23,976", sub, out("o.sub")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("row"), (QStringList{"row\t1\t0\t95\tA\t", "row\t2\t9\t239\tB\t"}));
    EXPECT_EQ(r.records("box"), QStringList{"box\tFPS módosítás\tinfo\tAz átváltás megtörtént!\t"});
    EXPECT_EQ(read(QStringLiteral("o.sub")), QByteArray("{0}{95}A\r\n{9}{239}B"));

    const QString srt = write(QStringLiteral("in.srt"), "1\r\n00:00:10,000 --> 00:00:12,000\r\nA\r\n\r\n");
    r = runBatchTool({"--rows", "fps", "25", "23,976", srt, out("o.srt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("row"), QStringList{"row\t1\t00:00:09,590\t00:00:11,508\tA\t"});
}

TEST_F(FrameRateCommands, WrongBasesAndRatesAreWrongUsage)
{
    const QString in = write(QStringLiteral("in.sub"), "{0}{100}A\r\n");
    for (const QStringList &args :
         {QStringList{"timebase", "time", in, out("o")}, QStringList{"fps", "25", "25", in, out("o")},
          QStringList{"fps", "25", "29,97", in, out("o")}, QStringList{"fps", "", "25", in, out("o")}}) {
        const BatchRun r = runBatchTool(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(out("o")));
    }
}

TEST_F(FrameRateCommands, AviFpsPrintsWhatTheBoxShows)
{
    struct Case {
        quint32 scale, rate;
        QStringList options;
        const char *shown;
    } cases[] = {
        {1, 25, {}, "25"},
        {1001, 24000, {"--fps", "25"}, "23,976"},
        {1001, 30000, {}, "29,97"},
        {1, 12, {"--fps", "24"}, "24"},  // no item of the box: it stays
    };
    for (const Case &c : cases) {
        const QString avi = write(QStringLiteral("f.avi"), tinyAvi(c.scale, c.rate));
        const BatchRun r = runBatchTool(c.options + QStringList{"avi-fps", avi});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.lines(), QStringList{QStringLiteral("fps\t") + QString::fromUtf8(c.shown)});
    }
}

TEST_F(FrameRateCommands, AviFpsRefusesFilesWithoutAUsableRate)
{
    const QString openFailed = QStringLiteral(
        "box\tSikertlen kísérlet!\thiba\tHiba a file megnyitásakor!\tValami nincs rendben a file-lal!");
    const QString noRate =
        QStringLiteral("box\tSikertlen kísérlet!\thiba\tEhhez a file-hoz nem tudok FPS-t rendelni!\t");
    // a pipe is never waited on: only an ordinary file is read
    const QString pipe = out(QStringLiteral("pipe.avi"));
    EXPECT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    struct Case {
        QString path;
        QString box;
    } cases[] = {
        {write(QStringLiteral("five.avi"), tinyAvi(1, 5)), noRate},
        // below 0,005 frames a second: rounds to 0, which would zero every time
        {write(QStringLiteral("slow.avi"), tinyAvi(1000, 4)), noRate},
        {pipe, openFailed},
        {dir.path(), openFailed},
        {write(QStringLiteral("zero.avi"), tinyAvi(0, 25)), openFailed},
        {write(QStringLiteral("cut.avi"), tinyAvi(1, 25).left(40)), openFailed},
        {out(QStringLiteral("missing.avi")), openFailed},
    };
    for (const Case &c : cases) {
        const BatchRun r = runBatchTool({"avi-fps", c.path});
        EXPECT_EQ(r.exitCode, 4) << c.path.toStdString();
        EXPECT_EQ(r.lines(), QStringList{c.box}) << c.path.toStdString();
    }
}

}  // namespace
