#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

const QString data = QStringLiteral(KELVO_TEST_DATA "/fix/");

class FixCommand : public ::testing::Test {
protected:
    BatchRun fix(const QStringList &args) { return runBatchTool(QStringList{"fix"} + args); }
    QString out() const { return dir.filePath(QStringLiteral("out.srt")); }
    QTemporaryDir dir;
};

// A row fixed by several rules, a row deleted by its font block (the rows
// after it logged at their new places) and the file written as the editor
// writes it.
TEST_F(FixCommand, GeneralFixesEveryRowAndPrintsTheLogAndTheSummary)
{
    const BatchRun r = fix({"general", data + "general.srt", out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QStringList log = r.records("log");
    ASSERT_EQ(log.size(), 23);
    EXPECT_EQ(log.mid(4, 3), (QStringList{"log\t ", "log\tMelyik sorban volt: 2",
                                          "log\tTörölve: <font color=\"red\">Zene</font>"}));
    EXPECT_EQ(log.last(), "log\tMire:   <i>Igen</i>, mindig|újra...");
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tEnnyit találtam: 6\tTovábbi információt a "
                          "\"Lista\" gomb alatt találsz!"});
    EXPECT_EQ(fileBytes(out()), fileBytes(data + "general.expected.srt"));
}

// The VN edition leaves "<I>" alone; a frame-based table is written as a
// frame-based file whatever OUT is called.
TEST_F(FixCommand, VnEditionAndAFrameBasedTable)
{
    const BatchRun r = fix({"--edition", "vn", "general", data + "general.sub", out(), "--rows"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("row").size(), 2);
    EXPECT_EQ(fileBytes(out()), QByteArray("{10}{20}Mi ez?\r\n{30}{40}<I>Igen</i>|\xc1llj!"));
    const BatchRun full = fix({"general", data + "general.sub", out()});
    EXPECT_TRUE(fileBytes(out()).contains("<i>Igen</i>"));
    EXPECT_EQ(full.records("box").value(0).section(u'\t', 3, 3), "Ennyit találtam: 4");
}

TEST_F(FixCommand, NothingToFixStillWritesOut)
{
    putFile(dir.filePath("clean.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nRendben.\r\n\r\n");
    const BatchRun r = fix({"general", dir.filePath("clean.srt"), out()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.records("log").isEmpty());
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tEredmény\tinfo\tNem találtam módosítandó sort!\t"});
    EXPECT_TRUE(fileBytes(out()).startsWith("1\r\n00:00:01,000 --> 00:00:02,000\r\nRendben."));
}

TEST_F(FixCommand, AnUnknownToolIsWrongUsageAndWritesNothing)
{
    const BatchRun r = fix({"nosuch", data + "general.srt", out()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown tool nosuch")) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(QFile::exists(out()));
}

}  // namespace
