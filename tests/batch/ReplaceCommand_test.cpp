#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

class ReplaceCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        putFile(in(), "1\r\n00:00:01,000 --> 00:00:02,000\r\nbanana\r\n\r\n"
                      "2\r\n00:00:03,000 --> 00:00:04,000\r\nBan\xe1n|alma\r\n\r\n");
    }
    QString in() const { return dir.filePath(QStringLiteral("in.srt")); }
    QString out() const { return dir.filePath(QStringLiteral("out.srt")); }
    QTemporaryDir dir;
};

TEST_F(ReplaceCommand, ReplacesEveryMatchWithItsLogAndWritesOut)
{
    const BatchRun r = runBatchTool({"replace", "ban", "Kan", in(), out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("log"), (QStringList{"log\t", "log\tMelyik sorban volt: 1",
                                             "log\tMiből: banana", "log\tMire  : Kanana", "log\t",
                                             "log\tMelyik sorban volt: 2",
                                             "log\tMiből: Banán|alma", "log\tMire  : Kanán|alma"}));
    EXPECT_EQ(r.records("box"), QStringList{"box\tEredmény\tinfo\tEnnyit találtam és cseréltem le: "
                                            "2\tTovábbi információt a \"Lista\" gomb alatt "
                                            "találsz!"});
    EXPECT_TRUE(fileBytes(out()).contains("Kan\xe1n\r\nalma"));
}

TEST_F(ReplaceCommand, CaseSwitchAndNothingFound)
{
    const BatchRun r = runBatchTool({"replace", "--case", "ban", "Kan", in(), out()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.records("log").size(), 4);
    EXPECT_TRUE(fileBytes(out()).contains("Ban\xe1n"));
    const BatchRun none = runBatchTool({"replace", "szilva", "x", in(), out()});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.records("box"),
              QStringList{"box\tEredmény\tinfo\tNem találtam semmit a megadott szó alapján!\t"});
    EXPECT_TRUE(fileBytes(out()).contains("banana"));
    EXPECT_EQ(runBatchTool({"replace", "a", in(), out()}).exitCode, 2);
}

}  // namespace
