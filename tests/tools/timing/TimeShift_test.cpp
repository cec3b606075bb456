// The quick shift and the detailed range shift, headless.
#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "tools/timing/TimeShift.h"

namespace {

const QString zeroNotice = QStringLiteral("Felhívás|info|0-val nem lenne értelme módosítani!|");
const QString biggerNotice =
    QStringLiteral("Felhívás|info|Kérem nagyobb számot üssön be a darabhoz!|");
const QString smallerNotice =
    QStringLiteral("Felhívás|info|Kérem kisebb számot üssön be a darabhoz!|");

class TimeShift : public GlobalsFixture {
protected:
    // Rows whose start is 10·i and end 10·i + 5 (frames or seconds).
    void fill(const QString &base, int rows)
    {
        model.setTimeBase(base);
        model.cds.create();
        for (int i = 1; i <= rows; ++i) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, value(base, 10 * i));
            model.cds.setField(Field::Befejezes, value(base, 10 * i + 5));
            model.cds.post();
        }
        model.cds.first();
    }
    static QString value(const QString &base, int n)
    {
        return base == QLatin1String("Time") ? QStringLiteral("00:00:%1,000").arg(n, 2, 10, QChar(u'0'))
                                             : QString::number(n);
    }
    QStringList starts() const { return column(false); }
    QStringList ends() const { return column(true); }
    QStringList column(bool end) const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out << (end ? model.cds.rowAt(i).befejezes : model.cds.rowAt(i).kezdes);
        return out;
    }
    EditorModel model;
    MessageRecorder recorder;
};

TEST(TimeShiftValue, ClampsAtBothEnds)
{
    struct Case {
        const char *value;
        qint64 amount;
        bool add;
        const char *expected;
    } frames[] = {
        {"40", 100, false, "0"},       {"999999", 1, true, "999999"}, {"999000", 1000, true, "999999"},
        {"998999", 1000, true, "999999"}, {"100", 100, false, "0"},   {"120", 30, true, "150"},
        {"", 10, true, ""},             {"x1", 10, true, "x1"},  // not a number: left alone
    };
    for (const Case &c : frames)
        EXPECT_EQ(shiftFrameValue(QString::fromUtf8(c.value), c.amount, c.add),
                  QString::fromUtf8(c.expected))
            << c.value;

    struct TimeCase {
        const char *value;
        long double seconds;
        bool add;
        const char *expected;
    } times[] = {
        {"00:00:03,000", 5, false, "00:00:00,000"},
        {"23:30:00,000", 3600, true, "24:00:00,000"},
        {"23:00:00,000", 3600, true, "24:00:00,000"},
        {"", 1.5L, true, "00:00:01,500"},
        {"00:00:04,100", 1.1L, false, "00:00:03,000"},
        // a time the reader kept past 24 hours keeps its range
        {"30:00:00,000", 1, true, "30:00:01,000"},
        {"24:00:00,001", 3600, false, "23:00:00,001"},
        {"99:59:59,000", 5, true, "99:59:59,999"},
        {"30:00:00,000", 200000, false, "00:00:00,000"},
    };
    for (const TimeCase &c : times)
        EXPECT_EQ(shiftTimeValue(QString::fromUtf8(c.value), c.seconds, c.add),
                  QString::fromUtf8(c.expected))
            << c.value;
}

TEST_F(TimeShift, QuickShiftMovesEveryStartAndEnd)
{
    fill(QStringLiteral("Time"), 3);
    model.cds.setRecNo(2);
    EXPECT_TRUE(quickShift(model, false, QStringLiteral("00:00:15,000")));
    EXPECT_EQ(starts(), (QStringList{"00:00:00,000", "00:00:05,000", "00:00:15,000"}));
    EXPECT_EQ(ends(), (QStringList{"00:00:00,000", "00:00:10,000", "00:00:20,000"}));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(displayLock);
    EXPECT_TRUE(recorder.lines().isEmpty());

    fill(QStringLiteral("Frame"), 2);
    EXPECT_TRUE(quickShift(model, true, QStringLiteral("7")));
    EXPECT_EQ(starts(), (QStringList{"17", "27"}));
    EXPECT_EQ(ends(), (QStringList{"22", "32"}));
}

TEST_F(TimeShift, QuickShiftRefusesZeroAndMalformedAmounts)
{
    for (const char *zero : {"0", "00:00:00,000"}) {
        fill(QStringLiteral("Time"), 2);
        recorder.clear();
        EXPECT_FALSE(quickShift(model, true, QString::fromUtf8(zero)));
        EXPECT_EQ(recorder.lines(), QStringList{zeroNotice});
        EXPECT_EQ(starts(), (QStringList{"00:00:10,000", "00:00:20,000"}));
        EXPECT_FALSE(model.modified());
    }
    recorder.clear();
    EXPECT_FALSE(quickShift(model, true, QStringLiteral("00:0x:01,000")));
    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_EQ(recorder.messages()[0].request.kind, QStringLiteral("hiba"));
    EXPECT_EQ(starts(), (QStringList{"00:00:10,000", "00:00:20,000"}));
}

TEST_F(TimeShift, RangeRunsFromTheCurrentRowInItsDirection)
{
    struct Case {
        const char *base;
        bool up;
        bool toRow;
        const char *row;
        QList<bool> changed;  // rows 1..5
    } cases[] = {
        {"Frame", false, false, "", {false, false, true, true, true}},
        {"Frame", true, false, "", {true, true, true, false, false}},
        {"Time", true, false, "", {true, true, true, false, false}},
        {"Time", true, true, "3", {false, false, true, false, false}},
        {"Frame", true, true, "2", {false, true, true, false, false}},
        {"Frame", false, true, "4", {false, false, true, true, false}},
        {"Frame", false, true, "99", {false, false, true, true, true}},
    };
    for (const Case &c : cases) {
        const QString base = QString::fromUtf8(c.base);
        SCOPED_TRACE(std::string(c.base) + (c.up ? " up " : " down ") + c.row);
        fill(base, 5);
        model.cds.setRecNo(3);
        RangeShift shift;
        shift.amount = base == QLatin1String("Time") ? QStringLiteral("00:00:01,000")
                                                     : QStringLiteral("1");
        shift.up = c.up;
        shift.toRow = c.toRow;
        shift.rowText = QString::fromUtf8(c.row);
        EXPECT_TRUE(rangeShift(model, shift));
        for (int i = 0; i < 5; ++i) {
            const int start = 10 * (i + 1) + (c.changed[i] ? 1 : 0);
            EXPECT_EQ(starts()[i], value(base, start)) << "row " << i + 1;
            EXPECT_EQ(ends()[i], value(base, start + 5)) << "row " << i + 1;
        }
        EXPECT_EQ(model.cds.recNo(), 3);
        EXPECT_TRUE(recorder.lines().isEmpty());
    }
}

TEST_F(TimeShift, RangeShiftsOnlyTheChosenValues)
{
    fill(QStringLiteral("Frame"), 2);
    RangeShift shift;
    shift.amount = QStringLiteral("3");
    shift.add = false;
    shift.starts = false;
    EXPECT_TRUE(rangeShift(model, shift));
    EXPECT_EQ(starts(), (QStringList{"10", "20"}));
    EXPECT_EQ(ends(), (QStringList{"12", "22"}));

    shift.starts = true;
    shift.ends = false;
    EXPECT_TRUE(rangeShift(model, shift));
    EXPECT_EQ(starts(), (QStringList{"7", "17"}));
    EXPECT_EQ(ends(), (QStringList{"12", "22"}));
}

TEST_F(TimeShift, RangeChecksAllRunAndEachSpeaks)
{
    struct Case {
        const char *amount;
        bool up;
        const char *row;
        QStringList messages;
    } cases[] = {
        {"0", false, "", {zeroNotice, biggerNotice}},
        {"0", false, "0", {zeroNotice, biggerNotice}},
        {"5", false, "3", {biggerNotice}},
        {"5", false, "2", {biggerNotice}},
        {"5", true, "4", {smallerNotice}},
        {"0", true, "9", {zeroNotice, smallerNotice}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.amount) + " " + c.row);
        fill(QStringLiteral("Frame"), 5);
        model.cds.setRecNo(3);
        recorder.clear();
        RangeShift shift;
        shift.amount = QString::fromUtf8(c.amount);
        shift.up = c.up;
        shift.toRow = true;
        shift.rowText = QString::fromUtf8(c.row);
        EXPECT_FALSE(rangeShift(model, shift));
        EXPECT_EQ(recorder.lines(), c.messages);
        EXPECT_EQ(starts(), (QStringList{"10", "20", "30", "40", "50"}));
        EXPECT_FALSE(model.modified());
    }

    // a malformed time speaks first, then the zero and row notices follow it
    fill(QStringLiteral("Time"), 5);
    model.cds.setRecNo(3);
    recorder.clear();
    RangeShift shift;
    shift.amount = QStringLiteral("0");
    shift.toRow = true;
    EXPECT_FALSE(rangeShift(model, shift));
    ASSERT_EQ(recorder.lines().size(), 3);
    EXPECT_EQ(recorder.messages()[0].request.kind, QStringLiteral("hiba"));
    EXPECT_EQ(recorder.lines().mid(1), (QStringList{zeroNotice, biggerNotice}));
}

TEST_F(TimeShift, RangeGaugeStepsByHundredths)
{
    fill(QStringLiteral("Frame"), 401);
    QList<int> values;
    QList<bool> shown;
    RangeShift shift;
    shift.amount = QStringLiteral("1");
    shift.showGauge = [&](bool on) { shown << on; };
    shift.setGauge = [&](int v) { values << v; };
    EXPECT_TRUE(rangeShift(model, shift));
    EXPECT_EQ(shown, (QList<bool>{true, false}));
    // divisor Trunc((401 - 1) / 100) = 4 over 401 rows
    ASSERT_EQ(values.size(), 401);
    EXPECT_EQ(values.first(), 0);
    EXPECT_EQ(values.last(), 100);
}

}  // namespace
