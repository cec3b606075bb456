#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "document/TimeCode.h"
#include "document/TimeText.h"
#include "support/PrintQString.h"

// Every text reads back exactly, whether it fits the compact form (digits
// and separators, up to twelve) or is kept as a string.
TEST(TimeText, EveryTextReadsBackExactly)
{
    for (const QString &text :
         {QString(), QStringLiteral("00:01:02,345"), QStringLiteral("99:99:99,999"),
          QStringLiteral("0"), QStringLiteral("007"), QStringLiteral("-12.5"),
          QStringLiteral("1 2;3"), QStringLiteral("0000000000000"),  // thirteen digits
          QStringLiteral("00:00:01,50x"), QStringLiteral("{12}"), QStringLiteral("óra"),
          QStringLiteral(" "), QStringLiteral("00:01:02.345"), QStringLiteral("00,01:02:345"),
          QStringLiteral("00:01:02,34 "), QStringLiteral("::::::::::::")}) {
        const TimeText t(text);
        EXPECT_EQ(t.toString(), text);
        EXPECT_EQ(t.size(), text.size()) << text.toStdString();
        EXPECT_EQ(t.isEmpty(), text.isEmpty()) << text.toStdString();
        EXPECT_EQ(t.chars().view(), text);
        EXPECT_TRUE(t == text) << text.toStdString();
        EXPECT_EQ(t.hasTimeCodeShape(), hasTimeCodeShape(text)) << text.toStdString();
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(int((t.digits() >> (4 * i)) & 15), t.digitAt(i)) << text.toStdString() << " " << i;
        EXPECT_EQ(timeCodeToMs(t), timeCodeToMs(QStringView(text)));
        EXPECT_EQ(timeCodeToSeconds(t), timeCodeToSeconds(QStringView(text)));
    }
}

// Copies and moves are values of their own, in both forms.
TEST(TimeText, CopiesAndMovesAreIndependent)
{
    for (const QString &text : {QStringLiteral("00:00:05,000"), QStringLiteral("x:y")}) {
        TimeText a(text);
        TimeText b = a;
        EXPECT_EQ(a, b);
        for (TimeText other : {TimeText(u"1"), TimeText(u"óra")}) {
            other = a;
            EXPECT_EQ(other, a);
        }
        a = QStringLiteral("12");
        EXPECT_EQ(b, text);
        TimeText c = std::move(b);
        EXPECT_EQ(c, text);
        EXPECT_TRUE(b.isEmpty());
        c = c;
        EXPECT_EQ(c, text);
        TimeText &alias = c;
        c = std::move(alias);
        EXPECT_EQ(c, text);
        b = std::move(c);
        EXPECT_EQ(b, text);
    }
}

TEST(TimeText, EqualityComparesTheTexts)
{
    EXPECT_EQ(TimeText(u"00:00:01,000"), TimeText(QStringLiteral("00:00:01,000")));
    EXPECT_NE(TimeText(u"00:00:01,000"), TimeText(u"00:00:01,001"));
    EXPECT_NE(TimeText(u"1"), TimeText(u"01"));
    EXPECT_NE(TimeText(u"a"), TimeText());
    EXPECT_EQ(TimeText(u"a"), TimeText(u"a"));
    EXPECT_EQ(TimeText(), QString());
}

// A time line's time reads as its twelve characters with the separators
// made ":", ":" and ",", whatever the other characters are.
TEST(TimeText, TimeCodeAtTakesAnyTwelveCharacters)
{
    const char16_t pool[] = u"0123456789:,.- ;/a\u0151\u0130\uff10\u0030\u0039";
    std::mt19937 rng(12);
    for (int round = 0; round < 20000; ++round) {
        QChar line[12];
        for (QChar &c : line)
            c = QChar(round % 3 ? u'0' + char16_t(rng() % 10) : pool[rng() % (std::size(pool) - 1)]);
        QChar fixed[12];
        std::copy_n(line, 12, fixed);
        fixed[2] = fixed[5] = u':';
        fixed[8] = u',';
        const TimeText expected{QStringView(fixed, 12)};
        const TimeText got = TimeText::timeCodeAt(line);
        ASSERT_EQ(got, expected) << QStringView(line, 12).toString().toStdString();
        ASSERT_EQ(got.toString(), expected.toString());
    }
}
