#include <QLocale>
#include <gtest/gtest.h>

#include "document/Decimal.h"
#include "document/TimeCode.h"
#include "editor/TypedValues.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"

namespace {

using TimeCodeTest = GlobalsFixture;

TEST_F(TimeCodeTest, TimeCodeToMs)
{
    EXPECT_EQ(timeCodeToMs(u"00:00:00,000"), 0);
    EXPECT_EQ(timeCodeToMs(u"01:10:34,567"), 4234567);
    EXPECT_EQ(timeCodeToMs(u"23:59:59,999"), 86399999);
}

TEST_F(TimeCodeTest, TimeCodeToSeconds)
{
    EXPECT_EQ(timeCodeToSeconds(u""), 0);
    EXPECT_EQ(timeCodeToSeconds(u"00:00:00,000"), 0);
    EXPECT_EQ(timeCodeToSeconds(u"00:00:00,001"), 0.001L);
    EXPECT_EQ(timeCodeToSeconds(u"01:10:34,567"), 4234 + 567 / 1000.0L);
}

// A stored time reads as its text does, in either of its forms and
// whatever it holds.
TEST_F(TimeCodeTest, StoredTimesReadAsTheirText)
{
    for (const QString &text :
         {QString(), QStringLiteral("01:10:34,567"), QStringLiteral("99:99:99,999"),
          QStringLiteral("1:2"), QStringLiteral("12345"), QStringLiteral("00:0a:01,500"),
          QStringLiteral("00:00:01.5 -"), QStringLiteral("{00}:01:02,3")}) {
        EXPECT_EQ(timeCodeToMs(TimeText(text)), timeCodeToMs(text)) << text.toStdString();
        EXPECT_EQ(timeCodeToSeconds(TimeText(text)), timeCodeToSeconds(text))
            << text.toStdString();
    }
}

struct SecondsCase {
    long double seconds;
    const char *code;
};

void PrintTo(const SecondsCase &c, std::ostream *os)
{
    *os << c.code;
}

class SecondsToTimeCode : public ::testing::TestWithParam<SecondsCase> {};

TEST_P(SecondsToTimeCode, Converts)
{
    EXPECT_EQ(secondsToTimeCode(GetParam().seconds), QString::fromLatin1(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondsToTimeCode,
    ::testing::Values(SecondsCase{0, "00:00:00,000"}, SecondsCase{-1, "00:00:00,000"},
                      SecondsCase{0.05L, "00:00:00,050"}, SecondsCase{0.5L, "00:00:00,500"},
                      SecondsCase{0.001L, "00:00:00,001"}, SecondsCase{1, "00:00:01,000"},
                      SecondsCase{59.999L, "00:00:59,999"}, SecondsCase{60, "00:01:00,000"},
                      SecondsCase{3599.5L, "00:59:59,500"}, SecondsCase{3600, "01:00:00,000"},
                      SecondsCase{4.170837504L, "00:00:04,170"},
                      SecondsCase{86399.999L, "23:59:59,999"},
                      SecondsCase{86400, "24:00:00,000"},
                      // binary values a hair below a whole millisecond or second
                      SecondsCase{4.1 - 1.1, "00:00:03,000"},
                      SecondsCase{0.1 + 0.2, "00:00:00,300"},
                      SecondsCase{1.005 - 0.004, "00:00:01,001"},
                      SecondsCase{59.9999999999999999L, "00:01:00,000"},
                      SecondsCase{12.34L, "00:00:12,340"}));

TEST_F(TimeCodeTest, RoundTripOfEveryMillisecondOfAMinute)
{
    for (int ms = 0; ms < 60000; ++ms) {
        const QString code = secondsToTimeCode(ms / 1000.0L);
        ASSERT_EQ(timeCodeToMs(code), ms) << qPrintable(code);
        ASSERT_EQ(secondsToTimeCode(timeCodeToSeconds(code)), code);
    }
}

struct FrameCase {
    const char *code;
    const char *fps;
    const char *frame;
};

void PrintTo(const FrameCase &c, std::ostream *os)
{
    *os << (*c.code ? c.code : "empty") << " at " << c.fps;
}

class TimeCodeToFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(TimeCodeToFrame, Converts)
{
    const FrameCase &c = GetParam();
    EXPECT_EQ(timeCodeToFrame(QString::fromLatin1(c.code), QString::fromLatin1(c.fps)),
              QString::fromLatin1(c.frame));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeCodeToFrame,
    ::testing::Values(FrameCase{"", "25", "0"}, FrameCase{"00:00:00,000", "25", "0"},
                      FrameCase{"00:00:10,000", "25", "250"},
                      FrameCase{"00:00:10,000", "23,976", "239"},
                      FrameCase{"00:00:00,001", "15", "0"}, FrameCase{"00:00:00,001", "30", "0"},
                      FrameCase{"00:00:00,001", "29,976", "0"},
                      FrameCase{"00:00:00,040", "25", "1"}, FrameCase{"00:01:00,000", "24", "1440"},
                      FrameCase{"01:00:00,000", "29,976", "107913"},
                      FrameCase{"00:00:01,000", "20", "20"},
                      // whole products that binary arithmetic puts a hair below
                      FrameCase{"00:00:04,200", "15", "63"}, FrameCase{"00:00:01,840", "25", "46"},
                      FrameCase{"00:00:02,100", "30", "63"}));

TEST_F(TimeCodeTest, FrameToTimeCodeAtEveryRate)
{
    EXPECT_EQ(frameToTimeCode(250, u"25"), QStringLiteral("00:00:10,000"));
    EXPECT_EQ(frameToTimeCode(0, u"23,976"), QStringLiteral("00:00:00,000"));
    // a frame turned into a time and back lands on the same frame
    for (const char *fps : {"15", "20", "23,976", "24", "25", "29,976", "30"}) {
        const QString rate = QString::fromLatin1(fps);
        for (int frame : {1, 2, 24, 25, 239, 1000, 12345, 999999}) {
            const QString code = frameToTimeCode(frame, rate);
            const int back = timeCodeToFrame(code, rate).toInt();
            EXPECT_LE(back, frame) << fps << " " << frame;
            EXPECT_GE(back, frame - 1) << fps << " " << frame;
        }
    }
}

TEST_F(TimeCodeTest, ConversionsIgnoreTheLocale)
{
    // "C" writes a point, Hungarian a comma; both the Qt default locale and
    // the C library's numeric locale are switched.
    for (const char *name : {"C", "hu_HU.UTF-8"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name).left(5)));
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name << " (scripts/setup makes it)";
        EXPECT_EQ(secondsToTimeCode(3599.5L), QStringLiteral("00:59:59,500")) << name;
        EXPECT_EQ(secondsToTimeCode(0.05L), QStringLiteral("00:00:00,050")) << name;
        EXPECT_EQ(timeCodeToFrame(u"00:00:10,000", u"23,976"), QStringLiteral("239")) << name;
        EXPECT_EQ(frameToTimeCode(250, u"25"), QStringLiteral("00:00:10,000")) << name;
        EXPECT_EQ(formatDecimal(23.976L), QStringLiteral("23,976")) << name;
        EXPECT_EQ(fpsValue(u"29,976"), 29.976L) << name;
        EXPECT_EQ(truncMillis(4.1 - 1.1), 3000) << name;
    }
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
}

TEST_F(TimeCodeTest, DecimalTextAndMillisecondTruncation)
{
    EXPECT_EQ(formatDecimal(0), QStringLiteral("0"));
    EXPECT_EQ(formatDecimal(0.05L), QStringLiteral("0,05"));
    EXPECT_EQ(formatDecimal(-2.5L), QStringLiteral("-2,5"));
    EXPECT_EQ(formatDecimal(4.1 - 1.1), QStringLiteral("3"));
    EXPECT_EQ(formatDecimal(1e-5L), QStringLiteral("0,00001"));
    EXPECT_EQ(truncMillis(4.1 - 1.1), 3000);
    EXPECT_EQ(truncMillis(2.0009999L), 2000);
    EXPECT_EQ(truncMillis(-1.5L), -1500);
    long double v = 0;
    EXPECT_TRUE(parseDecimal(u"23,976", &v));
    EXPECT_EQ(v, 23.976L);
    EXPECT_FALSE(parseDecimal(u"abc", &v));
    EXPECT_FALSE(parseDecimal(u"", &v));
}

struct TypedCase {
    const char *text;
    bool passes;
    const char *first;
    const char *second;
};

void PrintTo(const TypedCase &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class CheckTypedTime : public GlobalsFixture, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(CheckTypedTime, ReportsTheFirstFailure)
{
    const TypedCase &c = GetParam();
    MessageRecorder rec;
    EXPECT_EQ(checkTypedTime(QString::fromUtf8(c.text), true), c.passes);
    if (c.passes) {
        EXPECT_TRUE(rec.messages().isEmpty());
    } else {
        ASSERT_EQ(rec.messages().size(), 1);
        EXPECT_EQ(rec.lines()[0], QStringLiteral("Hiba!|hiba|") + QString::fromUtf8(c.first)
                                      + u'|' + QString::fromUtf8(c.second));
        EXPECT_TRUE(rec.messages()[0].request.okVisible);
        EXPECT_FALSE(rec.messages()[0].request.yesVisible);
    }
    // the silent form shows nothing
    rec.clear();
    EXPECT_EQ(checkTypedTime(QString::fromUtf8(c.text), false), c.passes);
    EXPECT_TRUE(rec.messages().isEmpty());
}

const char *shape1 = "Hiba az /egyik/ intervallumban!";
const char *shape2 = "Helyes megadás pl: 01:10:34,567";
const char *big = "Túl nagy időt ütött be!";

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckTypedTime,
    ::testing::Values(TypedCase{"01:10:34,567", true, "", ""},
                      TypedCase{"23:59:59,999", true, "", ""},
                      TypedCase{"1:10:34,567", false, shape1, shape2},
                      TypedCase{"01:10:34.567", false, shape1, shape2},
                      TypedCase{"01:10:3a,567", false, shape1, shape2},
                      TypedCase{"", false, shape1, shape2},
                      TypedCase{"24:00:00,000", false, big, "Az óra kisebb legyen mint 24!"},
                      TypedCase{"24:60:60,000", false, big, "Az óra kisebb legyen mint 24!"},
                      TypedCase{"00:60:60,000", false, big, "A perc időintervalluma: 0-59!"},
                      TypedCase{"00:00:60,000", false, big,
                                "A másodperc időintervalluma: 0-59!"}));

TEST_F(TimeCodeTest, CheckTimePairTestsShapeOnly)
{
    MessageRecorder rec;
    EXPECT_TRUE(checkTimePair(u"99:99:99,999", u"00:00:01,000"));
    EXPECT_FALSE(checkTimePair(u"00:00:01,000", u"00:00:01.000"));
    EXPECT_EQ(rec.lines(), QStringList{QStringLiteral(
                               "Hiba!|hiba|Hiba az egyik intervallumban!|Helyes megadás pl: "
                               "01:10:34,567")});
}

struct FramePairCase {
    const char *start;
    const char *end;
    const char *first;  // nullptr: passes
    const char *second;
};

void PrintTo(const FramePairCase &c, std::ostream *os)
{
    *os << '"' << c.start << "\" \"" << c.end << '"';
}

class CheckFramePair : public GlobalsFixture,
                       public ::testing::WithParamInterface<FramePairCase> {};

TEST_P(CheckFramePair, NamesTheFaultyValue)
{
    const FramePairCase &c = GetParam();
    MessageRecorder rec;
    EXPECT_EQ(checkFramePair(QString::fromUtf8(c.start), QString::fromUtf8(c.end)),
              c.first == nullptr);
    if (!c.first) {
        EXPECT_TRUE(rec.messages().isEmpty());
        return;
    }
    EXPECT_EQ(rec.lines(), QStringList{QStringLiteral("Hiba!|hiba|") + QString::fromUtf8(c.first)
                                       + u'|' + QString::fromUtf8(c.second)});
}

const char *number = "Üss be egy számot!";
const char *zero = "0-val nem kezdődhet az érték!";

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckFramePair,
    ::testing::Values(
        FramePairCase{"0", "10", nullptr, nullptr}, FramePairCase{"10", "0", nullptr, nullptr},
        FramePairCase{"", "", "Hiba mindkét intervallumban! Nem ütött be semmit!", number},
        FramePairCase{"", "00", "Hiba az első értékben! Nem ütött be semmit!", number},
        FramePairCase{"00", "", "Hiba a második értékben! Nem ütött be semmit!", number},
        FramePairCase{"01", "00", "Hiba mindkét értékben!", zero},
        FramePairCase{"01", "5", "Hiba az első értékben!", zero},
        FramePairCase{"0", "00", "Hiba a második értékben!", zero}));

TEST_F(TimeCodeTest, CheckFrameValue)
{
    MessageRecorder rec;
    EXPECT_TRUE(checkFrameValue(u"0"));
    EXPECT_TRUE(checkFrameValue(u"120"));
    EXPECT_FALSE(checkFrameValue(u""));
    EXPECT_FALSE(checkFrameValue(u"012"));
    EXPECT_EQ(rec.lines(),
              (QStringList{QStringLiteral("Hiba!|hiba|Hiba az értékben! Nem ütött be semmit!|Üss "
                                          "be egy számot!"),
                           QStringLiteral("Hiba!|hiba|Hiba az értékben!|0-val nem kezdődhet az "
                                          "érték!")}));
}

TEST_F(TimeCodeTest, TimeBaseFields)
{
    EXPECT_EQ(timeBaseFields(u"Time").neutralAmount, QStringLiteral("00:00:00,000"));
    EXPECT_EQ(timeBaseFields(u"Time").maxLength, 12);
    EXPECT_EQ(timeBaseFields(u"Frame").neutralAmount, QStringLiteral("0"));
    EXPECT_EQ(timeBaseFields(u"Frame").maxLength, 6);
}

}  // namespace
