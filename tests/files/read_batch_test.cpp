#include <gtest/gtest.h>

#include <QProcess>

#include "read_support.h"

namespace {

struct BatchRun {
    int status;
    QStringList lines;
};

BatchRun runBatchTool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(KELVO_BATCH_EXE), arguments);
    p.waitForFinished(30000);
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return {p.exitCode(), lines};
}

// The batch tool prints the same records the editor's read leaves behind.
TEST(ReadBatch, PrintsFixtureRecords)
{
    const struct {
        QStringList options;
        const char *fixture, *expected;
        int status;
    } cases[] = {
        {{}, "srt/time_discrepancy.srt", "srt/time_discrepancy.expected", 0},
        {{"--max2"}, "srt/separator_leading_bars.srt", "srt/separator_leading_bars.max2.expected", 0},
        {{"--hide-read-report"}, "srt/utf16_be.srt", "srt/utf16_be.expected", 0},
        {{}, "srt/dotted_layout.srt", "srt/dotted_layout.expected", 1},
        {{}, "sub/frame_stop_space.sub", "sub/frame_stop_space.expected", 0},
    };
    for (const auto &c : cases) {
        const BatchRun run = runBatchTool(
            QStringList{QStringLiteral("read"), dataPath(QString::fromLatin1(c.fixture))} + c.options);
        EXPECT_EQ(run.status, c.status) << c.fixture;
        EXPECT_EQ(run.lines, expectedLines(QString::fromLatin1(c.expected))) << c.fixture;
    }
}

TEST(ReadBatch, UnopenableFileExitsWithItsMessage)
{
    const BatchRun run = runBatchTool({QStringLiteral("read"), dataPath(QStringLiteral("srt/nincs ilyen.srt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("type\t"),
                                      QStringLiteral("box\tHiba\thiba\tNem található a file: nincs "
                                                     "ilyen.srt\tEllenőrizze a file nevét és helyét!")}));
}

}  // namespace
