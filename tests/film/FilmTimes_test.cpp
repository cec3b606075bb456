// Times, counters and texts taken from the film position.
#include <gtest/gtest.h>

#include "document/SubtitleTable.h"
#include "editor/EditorModel.h"
#include "film/FilmTimes.h"
#include "support/GlobalsFixture.h"
#include "support/PrintQString.h"

namespace {

TEST(FilmTimes, StartAndEndValues)
{
    const QString fps = QStringLiteral("25");
    struct Case {
        double position;
        bool playing;
        bool timeBase;
        const char *start;
        const char *end;
    } cases[] = {
        {12.345, true, true, "00:00:12,245", "00:00:12,345"},
        {12.345, false, true, "00:00:12,345", "00:00:12,345"},
        {61.007, false, true, "00:01:01,007", "00:01:01,007"},
        {0.05, true, true, "00:00:00,000", "00:00:00,050"},
        {3723.4, false, true, "01:02:03,400", "01:02:03,400"},
        {10.5, true, false, "262", "262"},
        {10.5, false, false, "262", "262"},
        {0.0, false, false, "0", "0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(filmStartValue(c.position, c.playing, c.timeBase, fps), QString::fromLatin1(c.start));
        EXPECT_EQ(filmEndValue(c.position, c.timeBase, fps), QString::fromLatin1(c.end));
    }
}

TEST(FilmTimes, Counter)
{
    FilmCounter c;
    EXPECT_EQ(filmCounterText(c, 61.007), QStringLiteral("00:01:01,007 / "));
    EXPECT_EQ(filmCounterText(c, 1.5, true), QStringLiteral("00:00:01,500 / n.a."));
    c.durationText = filmDurationText(5 * 60000 + 4321);
    EXPECT_EQ(c.durationText, QStringLiteral("00:05:04,321"));
    EXPECT_EQ(filmCounterText(c, 1.5, true), QStringLiteral("00:00:01,500 / 00:05:04,321"));
    c.timeBase = false;
    c.fps = QStringLiteral("23,976");
    c.totalFrames = filmTotalFrames(10000, c.fps);
    EXPECT_EQ(c.totalFrames, QStringLiteral("239"));
    EXPECT_EQ(filmCounterText(c, 1.0), QStringLiteral("23 / 239"));
}

TEST(FilmTimes, LinesUnderTheFilm)
{
    struct Case {
        const char *text;
        const char *l1;
        bool i1;
        const char *l2;
        bool i2;
        const char *l3;
    } cases[] = {
        {"", "", false, "", false, ""},
        {"Hello", "Hello", false, "", false, ""},
        {"<i>Egy</i>|Kettő", "Egy", true, "Kettő", false, ""},
        {"Egy|<i>Kettő</i>", "Egy", false, "Kettő", true, ""},
        {"<i>Egy|Kettő</i>", "Egy", true, "Kettő", true, ""},
        // the second line opens its own tag: no two-line italics
        {"<i>Egy|<i>Kettő</i>", "<i>Egy", false, "Kettő", true, ""},
        {"<b>Vastag</b>|x", "<b>Vastag</b>", false, "x", false, ""},
        {"a|b|<i>c</i>|d", "a", false, "b", false, "<i>c</i>"},
        {"|Második", "", false, "Második", false, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const FilmLines lines = filmLinesOf(QString::fromUtf8(c.text));
        EXPECT_EQ(lines[0].text, QString::fromUtf8(c.l1));
        EXPECT_EQ(lines[0].italic, c.i1);
        EXPECT_EQ(lines[1].text, QString::fromUtf8(c.l2));
        EXPECT_EQ(lines[1].italic, c.i2);
        EXPECT_EQ(lines[2].text, QString::fromUtf8(c.l3));
        EXPECT_FALSE(lines[2].italic);
    }
}

class FilmTakeTimes : public GlobalsFixture {
protected:
    void fill(int rows)
    {
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
        for (int i = 0; i < rows; ++i) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:0%1,000").arg(i * 2));
            model.cds.setField(Field::Befejezes, QStringLiteral("00:00:0%1,500").arg(i * 2));
            model.cds.post();
        }
        model.cds.first();
        model.setModified(false);
    }
    QString at(int row, Field f) { return model.cds.rowAt(row - 1).*(f == Field::Kezdes ? &SubtitleRow::kezdes : &SubtitleRow::befejezes); }
    EditorModel model;
};

TEST_F(FilmTakeTimes, StartEndAndNextStart)
{
    fill(2);
    ASSERT_TRUE(takeFilmStart(model, QStringLiteral("00:00:00,400")));
    EXPECT_EQ(at(1, Field::Kezdes), QStringLiteral("00:00:00,400"));
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.cds.recNo(), 1);

    ASSERT_TRUE(takeFilmEnd(model, QStringLiteral("00:00:01,200")));
    EXPECT_EQ(at(1, Field::Befejezes), QStringLiteral("00:00:01,200"));
    EXPECT_EQ(model.cds.recNo(), 2) << "the next row is current after an end";

    ASSERT_TRUE(takeFilmEndAndNextStart(model, QStringLiteral("00:00:03,300")));
    EXPECT_EQ(at(2, Field::Befejezes), QStringLiteral("00:00:03,300"));
    ASSERT_EQ(model.cds.recordCount(), 3) << "a row is appended after the last";
    EXPECT_EQ(at(3, Field::Kezdes), QStringLiteral("00:00:03,300"));
    EXPECT_EQ(model.cds.recNo(), 3);

    model.cds.first();
    ASSERT_TRUE(takeFilmEndAndNextStart(model, QStringLiteral("00:00:01,900")));
    EXPECT_EQ(at(2, Field::Kezdes), QStringLiteral("00:00:01,900"));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(model.cds.recordCount(), 3);
}

TEST_F(FilmTakeTimes, AnEmptyTableTakesNothing)
{
    model.cds.create();
    EXPECT_FALSE(takeFilmStart(model, QStringLiteral("00:00:01,000")));
    EXPECT_FALSE(takeFilmEnd(model, QStringLiteral("00:00:01,000")));
    EXPECT_FALSE(takeFilmEndAndNextStart(model, QStringLiteral("00:00:01,000")));
    EXPECT_EQ(model.cds.recordCount(), 0);
    EXPECT_FALSE(model.modified());
}

}  // namespace
