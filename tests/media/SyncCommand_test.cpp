#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "support/BatchRun.h"
#include "support/SpeechFilm.h"
#include "support/TestFiles.h"

// kelvo-batch sync on a film made at test time (speech by espeak-ng under
// noise and music), with its subtitle damaged in the ways releases differ.

namespace {

struct Damage {
    const char *name;
    std::function<double(int row, double t)> move;  // true time -> damaged time
};

double afterRow(int row, int cut, double by) { return row > cut ? by : 0; }

const Damage damages[] = {
    {"60s late", [](int, double t) { return t + 60; }},
    {"60s early", [](int, double t) { return t - 60; }},
    {"2.5s late", [](int, double t) { return t + 2.5; }},
    {"7.3s early", [](int, double t) { return t - 7.3; }},
    {"made for 25 on 23.976", [](int, double t) { return t * 23.976 / 25; }},
    {"made for 23.976 on 25", [](int, double t) { return t * 25 / 23.976 - 3; }},
    {"made for 25 on 24", [](int, double t) { return t * 24 / 25 + 1.5; }},
    {"made for 24 on 25", [](int, double t) { return t * 25 / 24; }},
    // a cut of the film: every row after it comes that much later in the subtitle
    {"one cut of 6.4s", [](int r, double t) { return t + afterRow(r, 25, 6.4); }},
    {"one cut of 2s, 20s late", [](int r, double t) { return t + 20 + afterRow(r, 40, 2); }},
    {"two cuts of 3.1s and 9.7s",
     [](int r, double t) { return t + afterRow(r, 15, 3.1) + afterRow(r, 40, 9.7); }},
    {"two cuts of 10s and 4s, 12s early",
     [](int r, double t) { return t - 12 + afterRow(r, 20, 10) + afterRow(r, 45, 4); }},
};

class SyncCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        const SpeechFilm &film = speechFilm();
        if (!film.made)
            GTEST_SKIP() << "no synthetic film: " << film.error;
        ASSERT_TRUE(dir.isValid());
    }

    QString damaged(const Damage &d)
    {
        std::vector<TrueRow> rows = speechFilm().rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i].start = d.move(int(i), rows[i].start);
            rows[i].end = d.move(int(i), rows[i].end);
        }
        const QString path = dir.filePath(QStringLiteral("in.srt"));
        putFile(path, srtOf(rows));
        return path;
    }

    // Every start within 0.1 s of the truth, their median within 0.05 s.
    static void expectTrueStarts(const QByteArray &srt)
    {
        const std::vector<TrueRow> &truth = speechFilm().rows;
        const std::vector<double> starts = srtStarts(srt);
        ASSERT_EQ(starts.size(), truth.size());
        std::vector<double> errors;
        for (std::size_t i = 0; i < starts.size(); ++i) {
            errors.push_back(std::abs(starts[i] - truth[i].start));
            EXPECT_LE(errors.back(), 0.1) << "row " << i + 1;
        }
        std::nth_element(errors.begin(), errors.begin() + errors.size() / 2, errors.end());
        EXPECT_LE(errors[errors.size() / 2], 0.05) << "median error";
    }

    QTemporaryDir dir;
};

TEST_F(SyncCommand, PutsEveryDamagedSubtitleBackOnTheSpeech)
{
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    for (const Damage &d : damages) {
        SCOPED_TRACE(d.name);
        const BatchRun run = runBatchTool({"sync", speechFilm().path, damaged(d), out});
        ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.records("sync").size(), 1);
        expectTrueStarts(fileBytes(out));
    }
}

TEST_F(SyncCommand, ReportsTheRatioAndThePiecesItFound)
{
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    const BatchRun ratio = runBatchTool({"sync", speechFilm().path, damaged(damages[7]), out});
    ASSERT_EQ(ratio.exitCode, 0);
    const QStringList sync = ratio.records("sync").value(0).split(u'\t');
    ASSERT_EQ(sync.size(), 6);
    EXPECT_NEAR(sync[2].toDouble(), 24.0 / 25, 0.0005);
    EXPECT_EQ(sync[3], QStringLiteral("1"));

    const BatchRun cuts = runBatchTool({"sync", speechFilm().path, damaged(damages[10]), out});
    ASSERT_EQ(cuts.exitCode, 0);
    const QStringList pieces = cuts.records("piece");
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_TRUE(pieces[0].startsWith(QStringLiteral("piece\t1\t16\t")));
    EXPECT_TRUE(pieces[1].startsWith(QStringLiteral("piece\t17\t41\t")));
}

TEST_F(SyncCommand, SwitchesKeepOneOffsetAndNoRatio)
{
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    const BatchRun run = runBatchTool({"sync", "--no-splits", "--no-ratio", speechFilm().path,
                                       damaged(damages[8]), out});
    ASSERT_NE(run.records("sync").size(), 0) << run.out.toStdString();
    const QStringList sync = run.records("sync")[0].split(u'\t');
    EXPECT_EQ(sync[2], QStringLiteral("1.000000"));
    EXPECT_EQ(run.records("piece").size(), 1);
}

TEST_F(SyncCommand, AlignsToAReferenceSubtitle)
{
    const QString reference = dir.filePath(QStringLiteral("reference.srt"));
    putFile(reference, srtOf(speechFilm().rows));
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    for (const Damage *d : {&damages[2], &damages[6], &damages[11]}) {
        SCOPED_TRACE(d->name);
        const BatchRun run = runBatchTool({"sync", reference, damaged(*d), out});
        ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
        expectTrueStarts(fileBytes(out));
    }
}

TEST_F(SyncCommand, RefusesSoundWithoutSpeechAndLeavesOutAlone)
{
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    putFile(out, "old");
    const BatchRun run = runBatchTool({"sync", speechFilm().silentPath, damaged(damages[2]), out});
    EXPECT_EQ(run.exitCode, 4);
    ASSERT_EQ(run.records("box").size(), 1) << run.out.toStdString();
    const QString box = run.records("box")[0];
    EXPECT_TRUE(box.contains(QStringLiteral("Nem találtam beszédet a hangban!"))
                || box.contains(QStringLiteral("Az illesztés bizonytalan, ezért nem alkalmaztam!")))
        << box.toStdString();
    EXPECT_EQ(fileBytes(out), QByteArray("old"));
}

TEST_F(SyncCommand, SaysWhenTheFilmHasNoSoundOrCannotBeRead)
{
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    putFile(out, "old");
    const QString mute = dir.filePath(QStringLiteral("mute.avi"));
    ASSERT_TRUE(makeFilm(mute, QStringLiteral("testsrc=duration=1:size=64x48:rate=5")).made);
    const BatchRun noSound = runBatchTool({"sync", mute, damaged(damages[2]), out});
    EXPECT_EQ(noSound.exitCode, 4);
    EXPECT_EQ(noSound.records("box").value(0),
              QStringLiteral("box\tSzinkronizálás\thiba\tA film hangját nem lehet beolvasni!\t"
                             "A filmben nincs hangsáv."));
    const QString broken = dir.filePath(QStringLiteral("broken.mkv"));
    putFile(broken, QByteArray(4096, 'x'));
    const BatchRun unreadable = runBatchTool({"sync", broken, damaged(damages[2]), out});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_EQ(unreadable.records("box").size(), 1);
    EXPECT_EQ(fileBytes(out), QByteArray("old"));
}

}  // namespace
