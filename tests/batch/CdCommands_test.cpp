#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/TestFiles.h"

namespace {

const QByteArray film = "1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n"
                        "2\r\n00:52:10,500 --> 00:52:12,000\r\ntwo\r\n\r\n"
                        "3\r\n00:52:20,500 --> 00:52:22,000\r\nthree\r\n\r\n";

class CdCommands : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    BatchRun run(const QStringList &args) { return runBatchTool(args); }
    QTemporaryDir dir;
};

TEST_F(CdCommands, SplitWritesBothPartsBesideTheInput)
{
    putFile(path("film.srt"), film);
    const BatchRun r = run({"cd-split", "2", "00:00:01,000", path("film.srt")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tSikeres szétválasztás!\tinfo\tSikeresen megtörtént a "
                          "szétválasztás! A 2 file neve:\tfilm cd1.srt, film cd2.srt"});
    EXPECT_EQ(fileBytes(path("film cd1.srt")),
              QByteArray("1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n"));
    EXPECT_EQ(fileBytes(path("film cd2.srt")),
              QByteArray("1\r\n00:00:01,000 --> 00:00:02,500\r\ntwo\r\n\r\n"
                         "2\r\n00:00:11,000 --> 00:00:12,500\r\nthree\r\n\r\n"));

    // overwriting answered "Nem" is a refusal that leaves the parts alone
    putFile(path("film cd2.srt"), "old");
    const BatchRun no = run({"--answer", "nem", "cd-split", "2", "00:00:05,000", path("film.srt")});
    EXPECT_EQ(no.exitCode, 4);
    EXPECT_EQ(fileBytes(path("film cd2.srt")), QByteArray("old"));
}

TEST_F(CdCommands, SplitRefusesRowsItCannotTake)
{
    putFile(path("film.srt"), film);
    struct Case {
        const char *row;
        int exit;
    } cases[] = {{"1", 4}, {"9", 4}, {"x", 2}, {"0", 2}};
    for (const Case &c : cases) {
        const BatchRun r = run({"cd-split", c.row, "00:00:01,000", path("film.srt")});
        EXPECT_EQ(r.exitCode, c.exit) << c.row;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"film.srt"});
    EXPECT_EQ(run({"cd-split", "2", "00:00:01,000", path("missing.srt")}).exitCode, 1);
}

TEST_F(CdCommands, JoinWritesTheResultAndRefusesMismatchedParts)
{
    putFile(path("a.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n");
    putFile(path("b.srt"), "1\r\n00:00:00,500 --> 00:00:01,000\r\ntwo\r\n\r\n");
    putFile(path("c.sub"), "{1}{2}x\r\n");
    const BatchRun r = run({"cd-join", path("a.srt"), path("b.srt"), "01:00:00,000", path("out.srt")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(fileBytes(path("out.srt")).contains("2\r\n01:00:00,000 --> 01:00:00,500\r\ntwo"));
    // the join saves as the editor does, with the message
    EXPECT_EQ(r.records("box"), QStringList{"box\tMentés\tinfo\tA file-t elmentettem!\t"});

    const BatchRun kinds = run({"cd-join", path("a.srt"), path("c.sub"), "0", path("o2.sub")});
    EXPECT_EQ(kinds.exitCode, 4);
    EXPECT_EQ(kinds.records("box"),
              QStringList{"box\tHiba\thiba\tCsak azonos típusú file-t lehet kiválasztani!\t"});
    const BatchRun twice =
        run({"cd-join", path("a.srt"), path("a.srt"), "00:00:00,000", path("o3.srt")});
    EXPECT_EQ(twice.exitCode, 4);
    EXPECT_EQ(twice.records("box"),
              QStringList{"box\tDuplikáció\tinfo\tEzt a feliratot már betöltötte az első file-hoz!\t"});
    EXPECT_EQ(run({"cd-join", path("a.srt"), path("b.srt"), "1:2", path("o4.srt")}).exitCode, 4);
    for (const char *name : {"o2.sub", "o3.srt", "o4.srt"})
        EXPECT_EQ(fileBytes(path(name)), QByteArray("<missing>")) << name;
}

// Both parts are written before either is replaced: when the second cannot
// be, the first keeps its old bytes too, and the message names the cause.
TEST_F(CdCommands, SplitReplacesNeitherPartWhenOneCannotBeWritten)
{
    putFile(path("film.srt"), film);
    putFile(path("film cd1.srt"), "old first part");
    QDir(dir.path()).mkdir(QStringLiteral("film cd2.srt"));
    const BatchRun r = run({"cd-split", "2", "00:00:01,000", path("film.srt")});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(fileBytes(path("film cd1.srt")), QByteArray("old first part"));
    EXPECT_TRUE(r.lines().contains("box\tÍrásvédett file!\thiba\tÍrásvédett a következő file: "
                                   "film cd2.srt\tA kért szétválasztás nem sikerült! Ez nem "
                                   "közönséges file."))
        << r.out.constData();
}

// A part read only partly is never joined into OUT.
TEST_F(CdCommands, JoinRefusesAPartReadOnlyPartly)
{
    putFile(path("a.sub"), "{1}{2}a\r\n");
    putFile(path("b.sub"), "{1}{2}a\r\n{3}{4}b\r\n c\r\n{6}{7}d\r\n{8}{9}e");
    for (const auto &[first, second] : {std::pair{"a.sub", "b.sub"}, std::pair{"b.sub", "a.sub"}}) {
        const BatchRun r = run({"cd-join", path(first), path(second), "100", path("out.sub")});
        EXPECT_EQ(r.exitCode, 1) << first;
        EXPECT_TRUE(r.lines().contains(
            "box\tHiba\thiba\tHiba a file-ban!\tCsak eddig tudtam betölteni a file-t!"))
            << r.out.constData();
        EXPECT_EQ(fileBytes(path("out.sub")), QByteArray("<missing>")) << first;
    }

    // --partial joins what was read, as for every command that writes OUT
    const BatchRun partial =
        run({"--partial", "cd-join", path("a.sub"), path("b.sub"), "100", path("out.sub")});
    EXPECT_EQ(partial.exitCode, 0) << partial.err.constData();
    EXPECT_EQ(fileBytes(path("out.sub")), QByteArray("{1}{2}a\r\n{100}{101}a\r\n{102}{103}b"));
    QFile::remove(path("out.sub"));

    // parts read whole whose rows all lack an end: nothing to write is a refusal
    putFile(path("c.sub"), "{01}");
    putFile(path("d.sub"), "{02}");
    const BatchRun r = run({"cd-join", path("c.sub"), path("d.sub"), "100", path("out.sub")});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(fileBytes(path("out.sub")), QByteArray("<missing>"));
}

}  // namespace
