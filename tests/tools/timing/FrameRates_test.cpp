// The time-base switch, the frame-rate conversion and the matching of an
// AVI file's rate against the FPS box, headless.
#include <gtest/gtest.h>

#include "app/ModeGlobals.h"
#include "support/ControlIdByName.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "tools/timing/FpsConversion.h"
#include "tools/timing/TimeBase.h"

namespace {

struct Row {
    QString start;
    QString end;
    QString text = QStringLiteral("x");
};

class RecordingHost : public EditorHost {
public:
    int cleared = 0;
    int paused = 0;
    QList<int> progress;
    void clearLineFields() override { ++cleared; }
    void pauseFilm() override { ++paused; }
    void setProgress(int value) override { progress.append(value); }
};

class FrameRates : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setHost(&host);
        filmFrameRate.clear();
    }
    void fill(const QString &base, const QList<Row> &rows)
    {
        model.setTimeBase(base);
        loadedTimeBase = base;
        model.cds.create();
        for (const Row &r : rows) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, r.start);
            model.cds.setField(Field::Befejezes, r.end);
            model.cds.setField(Field::Szoveg, r.text);
            model.cds.post();
        }
        model.cds.first();
    }
    QString startOf(int row) const { return model.cds.rowAt(row - 1).kezdes; }
    QString endOf(int row) const { return model.cds.rowAt(row - 1).befejezes; }

    RecordingHost host;
    EditorModel model;
    MessageRecorder recorder;
};

TEST_F(FrameRates, FramesToTimesAndBackGiveTheSameFrames)
{
    model.setFps(QStringLiteral("25"));
    fill(TimeBase::frame, {{"50", "75"}, {"", "100"}, {"100", ""}, {"", ""}});
    EXPECT_TRUE(chooseTimeBase(model, TimeBase::time));
    EXPECT_EQ(startOf(1), "00:00:02,000");
    EXPECT_EQ(endOf(1), "00:00:03,000");
    // an empty value takes the other one; both empty give zero
    EXPECT_EQ(startOf(2), "00:00:04,000");
    EXPECT_EQ(endOf(2), "00:00:04,000");
    EXPECT_EQ(endOf(3), "00:00:04,000");
    EXPECT_EQ(startOf(4), "00:00:00,000");
    EXPECT_EQ(endOf(4), "00:00:00,000");
    EXPECT_EQ(loadedTimeBase, TimeBase::time);
    EXPECT_EQ(model.timeBase(), TimeBase::time);

    EXPECT_TRUE(chooseTimeBase(model, TimeBase::frame));
    EXPECT_EQ(startOf(1), "50");
    EXPECT_EQ(endOf(1), "75");
    EXPECT_EQ(startOf(4), "0");
    EXPECT_EQ(loadedTimeBase, TimeBase::frame);
}

TEST_F(FrameRates, TimesToFramesTruncateAndFillEmptyValues)
{
    // 00:00:01,000 at 23,976 is 23,976 frames: 23, not 24
    fill(TimeBase::time, {{"00:00:01,000", "00:00:02,000"}, {"", "00:00:04,000"}, {"", ""}});
    chooseTimeBase(model, TimeBase::frame);
    EXPECT_EQ(startOf(1), "23");
    EXPECT_EQ(endOf(1), "47");
    EXPECT_EQ(startOf(2), "95");
    EXPECT_EQ(endOf(2), "95");
    EXPECT_EQ(startOf(3), "0");
    EXPECT_EQ(endOf(3), "0");
}

TEST_F(FrameRates, ChoosingTheCurrentBaseChangesNothing)
{
    fill(TimeBase::frame, {{"50", "75"}});
    model.setModified(false);
    EXPECT_FALSE(chooseTimeBase(model, TimeBase::frame));
    EXPECT_EQ(startOf(1), "50");
    EXPECT_EQ(host.cleared, 0);
    EXPECT_FALSE(model.modified());
}

TEST_F(FrameRates, SwitchSetsTheToolsFlagsAndFields)
{
    const QString longLine(40, u'a');
    fill(TimeBase::frame, {{"1", "2", longLine}, {"3", "4", "a|b|c"}, {"5", "6", "ok"}});
    model.setModified(false);
    model.setEnabled(Ctl::Btorles, false);
    model.cds.setRecNo(3);
    chooseTimeBase(model, TimeBase::time);
    EXPECT_EQ(host.cleared, 1);
    EXPECT_EQ(host.paused, 1);
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_EQ(model.threeLineCount, 1);
    EXPECT_TRUE(model.cds.rowAt(0).betu38);
    EXPECT_TRUE(model.cds.rowAt(1).sor3);
    for (const char *name : {"BAtfedes", "agressziv", "Cbtobb", "CB3sor", "SEbetu", "BTobbCheck",
                             "Szinezes38", "Szinezes3", "B12", "B21", "B22", "Bmentes", "Mentes1",
                             "Btorles"})
        EXPECT_TRUE(model.isEnabled(ctl(name))) << name;
    EXPECT_EQ(model.cds.recNo(), 1);
    EXPECT_FALSE(displayLock);

    model.setChecked(Ctl::Cbtobb, true);
    chooseTimeBase(model, TimeBase::frame);
    for (const char *name : {"BAtfedes", "agressziv", "Cbtobb", "CB3sor", "SEbetu", "B22"})
        EXPECT_FALSE(model.isEnabled(ctl(name))) << name;
    EXPECT_FALSE(model.isChecked(Ctl::Cbtobb));
    EXPECT_FALSE(model.isChecked(Ctl::CB3sor));
}

TEST_F(FrameRates, SwitchShowsProgressInWholePercents)
{
    QList<Row> rows;
    for (int i = 0; i < 250; ++i)
        rows.append({QString::number(i), QString::number(i + 1)});
    fill(TimeBase::frame, rows);
    chooseTimeBase(model, TimeBase::time);
    ASSERT_FALSE(host.progress.isEmpty());
    EXPECT_EQ(host.progress.first(), 0);
    EXPECT_TRUE(host.progress.contains(125));  // 250 div 2
    EXPECT_EQ(endOf(250), "00:00:10,427");     // the last row too
}

TEST_F(FrameRates, ConversionRescalesFrames)
{
    fill(TimeBase::frame, {{"0", "100"}, {"", "50"}, {"x", "250"}});
    model.setModified(false);
    ASSERT_TRUE(convertFps(model, QStringLiteral("25"), QStringLiteral("23,976")));
    EXPECT_EQ(startOf(1), "0");
    EXPECT_EQ(endOf(1), "95");
    EXPECT_EQ(startOf(2), "");
    EXPECT_EQ(endOf(2), "47");
    EXPECT_EQ(startOf(3), "x");
    EXPECT_EQ(endOf(3), "239");  // the last row is converted too
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(recorder.lines(), QStringList{"FPS módosítás|info|Az átváltás megtörtént!|"});
}

TEST_F(FrameRates, ConversionRescalesTimesAndKeepsZero)
{
    fill(TimeBase::time, {{"00:00:10,000", "00:00:00,000"}, {"", "01:00:00,000"}});
    ASSERT_TRUE(convertFps(model, QStringLiteral("25"), QStringLiteral("23,976")));
    EXPECT_EQ(startOf(1), "00:00:09,590");
    EXPECT_EQ(endOf(1), "00:00:00,000");
    EXPECT_EQ(startOf(2), "");
    EXPECT_EQ(endOf(2), "00:57:32,544");
}

TEST_F(FrameRates, ConversionExactRatiosKeepWholeFrames)
{
    // 3 / 30 × 20 is 2 exactly; a binary hair below must not make it 1
    fill(TimeBase::frame, {{"3", "9"}});
    convertFps(model, QStringLiteral("30"), QStringLiteral("20"));
    EXPECT_EQ(startOf(1), "2");
    EXPECT_EQ(endOf(1), "6");
}

TEST_F(FrameRates, ConversionWithoutBothRatesChangesNothing)
{
    fill(TimeBase::frame, {{"100", "200"}});
    model.setModified(false);
    EXPECT_FALSE(convertFps(model, QString(), QStringLiteral("25")));
    EXPECT_FALSE(convertFps(model, QStringLiteral("25"), QString()));
    EXPECT_FALSE(convertFps(model, QStringLiteral("0"), QStringLiteral("25")));
    EXPECT_EQ(startOf(1), "100");
    EXPECT_FALSE(model.modified());
    EXPECT_TRUE(recorder.lines().isEmpty());
}

TEST_F(FrameRates, TargetsAreTheStandardListWithoutTheSource)
{
    EXPECT_EQ(fpsTargets(QStringLiteral("23,976")),
              (QStringList{"15", "20", "24", "25", "29,976", "30"}));
    EXPECT_EQ(fpsTargets(QStringLiteral("15")).first(), "20");
}

TEST_F(FrameRates, AviRatesMatchTheBox)
{
    struct Case {
        quint32 scale, rate;
        AviFpsChoice::Kind kind;
        const char *text;
        bool append;
    } cases[] = {
        {1, 25, AviFpsChoice::Select, "25", false},
        {1001, 24000, AviFpsChoice::Select, "23,976", false},
        {1001, 30000, AviFpsChoice::Select, "29,97", true},
        {1, 12, AviFpsChoice::Unchanged, "", false},
        {1, 5, AviFpsChoice::NoMatch, "", false},
        {1000, 4, AviFpsChoice::NoMatch, "", false},      // 0,004 rounds to 0
        {1000000, 4999, AviFpsChoice::NoMatch, "", false},
        {1000, 5, AviFpsChoice::NoMatch, "", false},      // half: to even, 0
        {1000, 6, AviFpsChoice::Select, "0,01", true},    // the smallest kept
        {40000, 1000000, AviFpsChoice::Select, "25", false},   // 40 000 µs per frame
        {2, 15, AviFpsChoice::Select, "7,5", true},
        {1000, 29976, AviFpsChoice::Select, "29,976", false},
        {1000, 23985, AviFpsChoice::Select, "23,98", true},    // half: to even
        {1000, 23975, AviFpsChoice::Select, "23,98", true},    // half: to even
        {10000, 239859, AviFpsChoice::Select, "23,98", true},  // cut to 23,985 first
        {1000, 23986, AviFpsChoice::Select, "23,99", true},
        {1, 1234567, AviFpsChoice::Select, "123456", true},    // cut to six characters
    };
    for (const Case &c : cases) {
        const AviFpsChoice got = matchAviRate(c.scale, c.rate, standardFpsList());
        EXPECT_EQ(got.kind, c.kind) << c.rate << "/" << c.scale;
        EXPECT_EQ(got.text, QString::fromLatin1(c.text)) << c.rate << "/" << c.scale;
        EXPECT_EQ(got.append, c.append) << c.rate << "/" << c.scale;
    }
}

class FakeAvi : public AviFileLibrary {
public:
    bool opens = true;
    AviRate rate;
    int initialised = 0;
    QString opened;
    void initialise() override { ++initialised; }
    bool open(const QString &path) override
    {
        opened = path;
        return opens;
    }
    AviRate info() const override { return rate; }
};

class AviExtraction : public FrameRates {
protected:
    void SetUp() override
    {
        FrameRates::SetUp();
        previous = installAviFileLibrary(&fake);
    }
    void TearDown() override
    {
        installAviFileLibrary(previous);
        FrameRates::TearDown();
    }
    FakeAvi fake;
    AviFileLibrary *previous = nullptr;
    QStringList items = standardFpsList();
    QString current = QStringLiteral("23,976");
};

TEST_F(AviExtraction, NewRateIsAppendedOnce)
{
    fake.rate = {1001, 30000};
    EXPECT_TRUE(extractAviFps(QStringLiteral("/films/a.avi"), items, current));
    EXPECT_EQ(fake.initialised, 1);
    EXPECT_EQ(fake.opened, "/films/a.avi");
    EXPECT_TRUE(extractAviFps(QStringLiteral("/films/a.avi"), items, current));
    EXPECT_EQ(items.count(QStringLiteral("29,97")), 1);
    EXPECT_EQ(items.size(), 8);
    EXPECT_EQ(current, "29,97");
    EXPECT_EQ(filmFrameRate, "29,97");
    EXPECT_TRUE(recorder.lines().isEmpty());
}

TEST_F(AviExtraction, UnknownTwoDigitRateLeavesTheBoxButSetsTheFilmRate)
{
    fake.rate = {1, 12};
    current = QStringLiteral("25");
    EXPECT_TRUE(extractAviFps(QStringLiteral("a.avi"), items, current));
    EXPECT_EQ(current, "25");
    EXPECT_EQ(filmFrameRate, "25");
    EXPECT_EQ(items, standardFpsList());
}

TEST_F(AviExtraction, FailuresSayWhyAndChangeNothing)
{
    const QString openFailed =
        QStringLiteral("Sikertlen kísérlet!|hiba|Hiba a file megnyitásakor!|"
                       "Valami nincs rendben a file-lal!");
    struct Case {
        bool opens;
        AviRate rate;
        QString message;
    } cases[] = {
        {false, {1, 25}, openFailed},
        {true, {0, 25}, openFailed},
        {true, {1, 0}, openFailed},
        {true, {1, 5},
         QStringLiteral("Sikertlen kísérlet!|hiba|Ehhez a file-hoz nem tudok FPS-t rendelni!|")},
    };
    for (const Case &c : cases) {
        recorder.clear();
        fake.opens = c.opens;
        fake.rate = c.rate;
        EXPECT_FALSE(extractAviFps(QStringLiteral("a.avi"), items, current));
        EXPECT_EQ(recorder.lines(), QStringList{c.message});
        EXPECT_EQ(current, "23,976");
        EXPECT_EQ(items, standardFpsList());
        EXPECT_TRUE(filmFrameRate.isEmpty());
    }
}

}  // namespace
