#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

const QString data = QStringLiteral(KELVO_TEST_DATA "/fix/");

class SoundAggressiveFix : public ::testing::Test {
protected:
    BatchRun fix(const QStringList &args) { return runBatchTool(QStringList{"fix"} + args); }
    QString out() const { return dir.filePath(QStringLiteral("out.srt")); }
    QTemporaryDir dir;
};

// The extra item also takes the mixed-case label the plain one only reports.
TEST_F(SoundAggressiveFix, SoundAndSoundExtra)
{
    BatchRun r = fix({"sound", data + "sound.srt", out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("plain"),
              QStringList{"plain\tEnnyit módosítottam: 2\tEnnyi kritikus sort találtam: 1\t"
                          "További információt a \"Lista\" gomb alatt találsz!"});
    EXPECT_EQ(fileBytes(out()), QByteArray("1\r\n00:00:01,000 --> 00:00:05,000\r\n- Hello there.\r\n\r\n"
                                           "2\r\n00:00:08,000 --> 00:00:09,000\r\nJohn: Hi"));
    r = fix({"sound-extra", data + "sound.srt", out()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(fileBytes(out()).endsWith("00:00:09,000\r\nHi"));
}

TEST_F(SoundAggressiveFix, AggressiveFollowsTheThresholdAndRefusesFrames)
{
    const QString in = dir.filePath("long.srt");
    putFile(in, "1\r\n00:00:01,000 --> 00:00:03,000\r\n"
                "Aaaa aaaa aaaa aaaa aaaa, bbbb bbbb bbbb bbbb bbbb\r\n\r\n");
    BatchRun r = fix({"aggressive", in, out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(fileBytes(out()).contains("aaaa,\r\nbbbb"));
    EXPECT_EQ(r.records("plain").value(0),
              "plain\tEnnyi sort módosítottam: \tEgysoros: 1\tKétsoros: 0\tHáromsoros: 0\t"
              "További információ a Lista gomb alatt!");
    r = fix({"aggressive", "--threshold", "60", in, out()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.records("box"), QStringList{"box\tEredmény\tinfo\tNem találtam módosítandó sort!\t"});

    const QString frames = dir.filePath("frames.sub");
    QFile::copy(data + "aggressive.sub", frames);
    r = fix({"aggressive", frames, dir.filePath("out.sub")});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.sub")));
}

TEST_F(SoundAggressiveFix, HalveBreaksOneLineRows)
{
    const BatchRun r = fix({"halve", data + "aggressive.sub", dir.filePath("out.sub")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(dir.filePath("out.sub")),
              QByteArray("{10}{20}Aaaa aaaa aaaa aaaa aaaa,|bbbb bbbb bbbb bbbb bbbb"));
    EXPECT_EQ(r.records("log").last(), "log\tMire  : Aaaa aaaa aaaa aaaa aaaa,|bbbb bbbb bbbb bbbb bbbb");
}

}  // namespace
