// The film tracker fed with simulated positions: which row is under the film.
#include <gtest/gtest.h>

#include "document/SubtitleTable.h"
#include "document/TimeCode.h"
#include "film/FilmTracker.h"

namespace {

// What is on screen under the film: the row drawn last, 0 after a hide.
struct Screen : FilmTrackerView {
    int onScreen = 0;
    int draws = 0;
    void showRow(int row) override
    {
        onScreen = row;
        ++draws;
    }
    void hideLines() override { onScreen = 0; }
};

struct Span {
    const char *start;
    const char *end;
};

class FilmTrackerTest : public ::testing::Test {
protected:
    void fill(std::initializer_list<Span> rows)
    {
        table.create();
        for (const Span &s : rows) {
            table.append();
            table.setField(Field::Kezdes, QString::fromLatin1(s.start));
            table.setField(Field::Befejezes, QString::fromLatin1(s.end));
            table.post();
        }
        tracker.setTimeBasis(true, QStringLiteral("25"));
        tracker.build(table);
    }
    // Plays from `from` to `to` seconds in 100 ms ticks; returns the row on
    // screen after each tick, keyed by the tick's position in ms.
    std::map<int, int> play(int fromMs, int toMs)
    {
        std::map<int, int> seen;
        for (int ms = fromMs; ms <= toMs; ms += 100) {
            tracker.tick(ms / 1000.0, screen);
            seen[ms] = screen.onScreen;
        }
        return seen;
    }

    SubtitleTable table;
    FilmTracker tracker;
    Screen screen;
};

TEST_F(FilmTrackerTest, PlayingThroughTwoRowsWithAGap)
{
    fill({{"00:00:01,000", "00:00:03,000"}, {"00:00:05,000", "00:00:06,000"}});
    const auto seen = play(0, 7000);
    EXPECT_EQ(seen.at(900), 0);
    EXPECT_EQ(seen.at(1000), 1);
    EXPECT_EQ(seen.at(3000), 1);
    EXPECT_EQ(seen.at(3100), 0) << "hidden in the gap after the row's end";
    EXPECT_TRUE(seen.at(3100) == 0 && seen.at(4900) == 0);
    // the tick at 5 s moves to row 2, the next one draws it
    EXPECT_EQ(seen.at(5100), 2);
    EXPECT_EQ(seen.at(6000), 2);
    EXPECT_EQ(seen.at(6100), 0) << "nothing after the last row";
    EXPECT_EQ(seen.at(7000), 0);
    EXPECT_EQ(tracker.trackedRow(), 2);
}

TEST_F(FilmTrackerTest, AStillRowIsDrawnOnceNotEveryTick)
{
    fill({{"00:00:01,000", "00:00:03,000"}});
    play(1000, 3000);
    EXPECT_EQ(screen.draws, 1);
}

TEST_F(FilmTrackerTest, BackToBackRowsFollowEachOther)
{
    fill({{"00:00:01,000", "00:00:02,000"},
          {"00:00:02,000", "00:00:03,000"},
          {"00:00:03,050", "00:00:04,000"}});
    const auto seen = play(1000, 4200);
    EXPECT_EQ(seen.at(1500), 1);
    EXPECT_EQ(seen.at(2100), 2);
    EXPECT_EQ(seen.at(3100), 3);
    EXPECT_EQ(seen.at(4100), 0);
}

TEST_F(FilmTrackerTest, JumpsAreFollowedAtTheNextTick)
{
    fill({{"00:00:01,000", "00:00:02,000"},
          {"00:00:03,000", "00:00:04,000"},
          {"00:00:05,000", "00:00:06,000"},
          {"00:00:07,000", "00:00:08,000"},
          {"00:00:09,000", "00:00:10,000"},
          {"00:00:11,000", "00:00:12,000"}});
    tracker.startPlayback(9.5, screen);
    EXPECT_EQ(screen.onScreen, 5);
    // back from inside row 5 to inside row 2
    tracker.tick(3.5, screen);
    EXPECT_EQ(screen.onScreen, 2);
    EXPECT_EQ(tracker.trackedRow(), 2);
    // forward over several rows, landing in a row
    tracker.tick(11.2, screen);
    EXPECT_EQ(screen.onScreen, 6);
    // backwards into a gap: nothing shown, the next row waits
    tracker.tick(6.5, screen);
    EXPECT_EQ(screen.onScreen, 0);
    tracker.tick(7.0, screen);
    tracker.tick(7.1, screen);
    EXPECT_EQ(screen.onScreen, 4);
    // to before the first row
    tracker.tick(0.2, screen);
    EXPECT_EQ(screen.onScreen, 0);
    EXPECT_EQ(tracker.trackedRow(), 1);
    tracker.tick(1.0, screen);
    EXPECT_EQ(screen.onScreen, 1);
    // past the last row
    tracker.tick(30.0, screen);
    EXPECT_EQ(screen.onScreen, 0);
}

TEST_F(FilmTrackerTest, PlaybackStartsInsideOrOutsideTheTrackedRow)
{
    fill({{"00:00:01,000", "00:00:02,000"}, {"00:00:03,000", "00:00:04,000"}});
    tracker.startPlayback(1.5, screen);
    EXPECT_EQ(screen.onScreen, 1);
    EXPECT_TRUE(tracker.shown());
    Screen other;
    FilmTracker second;
    second.setTimeBasis(true, QStringLiteral("25"));
    second.build(table);
    second.startPlayback(3.2, other);
    EXPECT_EQ(other.onScreen, 2);
    second.trackRow(1, false, other);
    EXPECT_EQ(second.trackedRow(), 1);
    second.startPlayback(2.5, other);
    EXPECT_EQ(second.trackedRow(), 2) << "in the gap the next row is tracked";
}

TEST_F(FilmTrackerTest, EmptyAndZeroTimesCountAsZero)
{
    fill({{"", "00:00:00,000"}, {"xx:yy", "00:00:02,000"}});
    EXPECT_EQ(tracker.cachedStart(1), 0);
    EXPECT_EQ(tracker.cachedEnd(1), 0);
    EXPECT_EQ(tracker.cachedStart(2), 0);
    EXPECT_EQ(tracker.cachedEnd(2), 2000);
}

TEST_F(FilmTrackerTest, AnEmptyTableShowsNothing)
{
    table.create();
    tracker.build(table);
    tracker.startPlayback(1.0, screen);
    tracker.tick(1.0, screen);
    EXPECT_EQ(screen.onScreen, 0);
    EXPECT_EQ(screen.draws, 0);
}

TEST_F(FilmTrackerTest, FrameBaseRowsAreTrackedAtTheFilmRate)
{
    table.create();
    for (auto [s, e] : {std::pair{"25", "75"}, std::pair{"250", "275"}}) {
        table.append();
        table.setField(Field::Kezdes, QString::fromLatin1(s));
        table.setField(Field::Befejezes, QString::fromLatin1(e));
        table.post();
    }
    tracker.setTimeBasis(false, QStringLiteral("25"));
    tracker.build(table);
    EXPECT_EQ(tracker.cachedStart(2), 10000);
    EXPECT_EQ(tracker.cachedEnd(2), 11000);
    tracker.tick(1.5, screen);
    EXPECT_EQ(screen.onScreen, 1);
    tracker.tick(10.5, screen);
    EXPECT_EQ(screen.onScreen, 2);
}

TEST_F(FilmTrackerTest, LongTablesAreCachedWhole)
{
    table.create();
    const int rows = 2500;
    for (int i = 0; i < rows; ++i) {
        table.append();
        table.setField(Field::Kezdes, secondsToTimeCode(i * 2.0L));
        table.setField(Field::Befejezes, secondsToTimeCode(i * 2.0L + 1));
        table.post();
    }
    tracker.setTimeBasis(true, QStringLiteral("25"));
    tracker.build(table);
    EXPECT_EQ(tracker.rowCount(), rows);
    EXPECT_EQ(tracker.lastEnd(), (rows - 1) * 2000 + 1000);
    tracker.tick(2300 * 2.0 + 0.5, screen);
    EXPECT_EQ(screen.onScreen, 2301);
    tracker.tick((rows - 1) * 2.0 + 0.2, screen);
    EXPECT_EQ(screen.onScreen, rows);
}

TEST_F(FilmTrackerTest, EditedRowsRefreshTheCache)
{
    fill({{"00:00:01,000", "00:00:02,000"}, {"00:00:03,000", "00:00:04,000"}});
    // a row inserted in front shifts the entries
    table.first();
    table.insert();
    table.setField(Field::Kezdes, QStringLiteral("00:00:00,100"));
    table.setField(Field::Befejezes, QStringLiteral("00:00:00,500"));
    table.post();
    tracker.refreshFrom(table, 0);
    EXPECT_EQ(tracker.rowCount(), 3);
    EXPECT_EQ(tracker.cachedStart(1), 100);
    EXPECT_EQ(tracker.cachedStart(3), 3000);
    // a changed end is the new last end
    table.last();
    table.edit();
    table.setField(Field::Befejezes, QStringLiteral("00:00:09,000"));
    table.post();
    tracker.refreshRow(table, 2);
    EXPECT_EQ(tracker.lastEnd(), 9000);
    tracker.tick(8.0, screen);
    EXPECT_EQ(screen.onScreen, 3);
    // deleting rows below the tracked one keeps the tracker on a row
    table.last();
    table.remove();
    table.last();
    table.remove();
    tracker.refreshFrom(table, 1);
    EXPECT_EQ(tracker.rowCount(), 1);
    tracker.tick(0.3, screen);
    EXPECT_EQ(screen.onScreen, 1);
}

// A start taken from the paused film changes the shown row; playing it
// then shows its text for the whole row, not a tick's worth.
TEST_F(FilmTrackerTest, ATimeTakenWhilePausedDoesNotHideThePlayedRow)
{
    fill({{"00:00:01,000", "00:00:03,000"}, {"00:00:05,000", "00:00:08,000"}});
    tracker.trackRow(2, true, screen);
    ASSERT_EQ(screen.onScreen, 2);
    // paused at 4.5 s, the start of row 2 is taken from the film
    table.setRecNo(2);
    table.edit();
    table.setField(Field::Kezdes, QStringLiteral("00:00:04,500"));
    table.post();
    tracker.refreshRow(table, 1);
    tracker.startPlayback(4.5, screen);
    EXPECT_EQ(screen.onScreen, 2);
    const std::map<int, int> seen = play(4600, 7900);
    for (const auto &[ms, row] : seen)
        EXPECT_EQ(row, 2) << ms;
}

}  // namespace
