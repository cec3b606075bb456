#include <gtest/gtest.h>

#include "read_support.h"
#include "support/BatchRun.h"

namespace {

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
        EXPECT_EQ(run.exitCode, c.status) << c.fixture;
        EXPECT_EQ(run.lines(), expectedLines(QString::fromLatin1(c.expected))) << c.fixture;
    }
}

TEST(ReadBatch, UnopenableFileExitsWithItsMessage)
{
    const BatchRun run = runBatchTool({QStringLiteral("read"), dataPath(QStringLiteral("srt/nincs ilyen.srt"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.lines(), (QStringList{QStringLiteral("type\t"),
                                      QStringLiteral("box\tHiba\thiba\tNem található a file: nincs "
                                                     "ilyen.srt\tEllenőrizze a file nevét és helyét!")}));
}

}  // namespace
