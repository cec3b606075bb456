#include <gtest/gtest.h>

#include "batch/Batch.h"
#include "support/BatchRun.h"

namespace {

TEST(BatchTool, UsageErrorsExitWithTwo)
{
    for (const QStringList &args :
         {QStringList{}, QStringList{QStringLiteral("no-such-command")},
          QStringList{QStringLiteral("--fps")}}) {
        const BatchRun r = runBatchTool(args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.contains("Usage: kelvo-batch")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(BatchTool, HelpListsTheOptions)
{
    const BatchRun r = runBatchTool({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    for (const char *option : {"--threshold", "--fps", "--max2", "--skip-empty",
                               "--no-overlap-check", "--hide-read-report", "--edition"})
        EXPECT_TRUE(r.out.contains(option)) << option;
}

TEST(BatchTool, FieldsEscapeTabsAndBackslashes)
{
    EXPECT_EQ(BatchOutput::escape(QStringLiteral("a\tb\\c")), QStringLiteral("a\\tb\\\\c"));
    EXPECT_EQ(BatchOutput::escape(QStringLiteral("árvíztűrő|tükör")),
              QStringLiteral("árvíztűrő|tükör"));
}

}  // namespace
