#include <gtest/gtest.h>

#include <QStringList>

#include "app/ModeGlobals.h"

TEST(CommandLineFile, FirstTwoArgumentsJoinWithoutSeparator)
{
    // a path with a space that the system split in two
    EXPECT_EQ(commandLineFileFrom({QStringLiteral("Kelvo"), QStringLiteral("C:\\My"),
                                   QStringLiteral("Subs\\film.srt")}),
              QStringLiteral("C:\\MySubs\\film.srt"));
    EXPECT_EQ(commandLineFileFrom({QStringLiteral("Kelvo"), QStringLiteral("/home/a/film.srt")}),
              QStringLiteral("/home/a/film.srt"));
    EXPECT_EQ(commandLineFileFrom({QStringLiteral("Kelvo"), QStringLiteral("a"),
                                   QStringLiteral("b"), QStringLiteral("c")}),
              QStringLiteral("ab"));
    EXPECT_TRUE(commandLineFileFrom({QStringLiteral("Kelvo")}).isEmpty());
    EXPECT_TRUE(commandLineFileFrom({}).isEmpty());
}
