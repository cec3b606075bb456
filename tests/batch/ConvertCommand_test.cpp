#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

const QString table = QStringLiteral(KELVO_TEST_DATA "/convert/table.srt");

TEST(ConvertCommand, WritesTheFormatAsTheEditorDoes)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.ssts"));
    const BatchRun r = runBatchTool({"convert", "Stream SubText Script", table, out});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(out),
              fileBytes(QStringLiteral(KELVO_TEST_DATA "/convert/stream_subtext_script.ssts")));
}

TEST(ConvertCommand, SubRipIsSavedWithTheEditorsMessage)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    const BatchRun r = runBatchTool({"convert", "SubRip", table, out});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("box"), QStringList("box\tMentés\tinfo\tA file-t elmentettem!\t"));
    EXPECT_TRUE(QFileInfo::exists(out));
}

TEST(ConvertCommand, RefusalsAndErrorsHaveTheirExitCodes)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.sub"));
    const BatchRun none = runBatchTool({"convert", "MicroDVD", table, out});
    EXPECT_EQ(none.exitCode, 4);
    EXPECT_EQ(none.records("box"),
              QStringList("box\tHiányosság\tinfo\tEz az opció még nincs leprogramozva!\t"));
    EXPECT_FALSE(QFileInfo::exists(out));

    EXPECT_EQ(runBatchTool({"convert", "microdvd", table, out}).exitCode, 2);
    EXPECT_EQ(runBatchTool({"convert", "ZeroG", dir.filePath("nothing.srt"), out}).exitCode, 1);
    const BatchRun unwritable =
        runBatchTool({"convert", "ZeroG", table, dir.filePath("no/such/dir/out.zeg")});
    EXPECT_EQ(unwritable.exitCode, 3);
    EXPECT_EQ(unwritable.records("box").size(), 1);
}

TEST(ConvertCommand, FormatsListsTheFiftySixNames)
{
    const BatchRun r = runBatchTool({"formats"});
    ASSERT_EQ(r.exitCode, 0);
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), 56);
    EXPECT_EQ(lines.first(), QStringLiteral("format\tAdobe Encore DVD\t.txt\twritten"));
    EXPECT_EQ(lines[2], QStringLiteral("format\tAQtitle\t.aqt\tnone"));
    EXPECT_EQ(lines[46], QStringLiteral("format\tSubRip\t.srt\twritten"));
    EXPECT_EQ(lines.last(), QStringLiteral("format\tZeroG\t.zeg\twritten"));
    EXPECT_EQ(r.out.count("\twritten\n"), 45);
}

}  // namespace
