#include <gtest/gtest.h>

#include "editor/TimeFieldRules.h"

namespace {

struct CharCase {
    char16_t key;
    int caret;
    bool timeAccepts;
    bool frameAccepts;
};

}  // namespace

TEST(TimeFieldRules, FiltersAcceptWhatATimeOrFrameMayHold)
{
    const CharCase cases[] = {
        {u'0', 0, true, true},  {u'9', 5, true, true},   {u':', 2, true, false},
        {u',', 8, true, false}, {u'.', 8, false, false}, {u'a', 0, false, false},
        {u' ', 0, false, false}, {u'-', 0, false, false},
        // Backspace right after a separator would erase it
        {8, 3, false, true},    {8, 6, false, true},     {8, 9, false, true},
        {8, 2, true, true},     {8, 4, true, true},      {8, 12, true, true},
    };
    for (const CharCase &c : cases) {
        const QChar key(c.key);
        SCOPED_TRACE(testing::Message() << "key " << int(c.key) << " caret " << c.caret);
        EXPECT_EQ(filterTimeCharAt(key, c.caret) == key, c.timeAccepts);
        EXPECT_EQ(filterFrameChar(key) == key, c.frameAccepts);
        if (!c.timeAccepts)
            EXPECT_EQ(filterTypedChar(key, c.caret, true), rejectedKey);
    }
    // the plain time filter knows no caret
    EXPECT_EQ(filterTimeChar(backspaceKey), backspaceKey);
}

TEST(TimeFieldRules, DeleteIsBlockedOnlyRightBeforeASeparator)
{
    for (int caret = 0; caret <= 12; ++caret)
        EXPECT_EQ(forwardDeleteBlocked(caret), caret == 2 || caret == 5 || caret == 8) << caret;
}

TEST(TimeFieldRules, StartEnterCompletesAndPullsTheEndUp)
{
    StartEnter r = startFieldEnter("00:00:05,00", "00:00:04,000", true);
    EXPECT_EQ(r.start, "00:00:05,000");
    EXPECT_EQ(r.end, "00:00:05,000");
    EXPECT_TRUE(r.endPulled);

    r = startFieldEnter("00:00:05,00", "00:00:06,000", true);
    EXPECT_EQ(r.start, "00:00:05,000");
    EXPECT_EQ(r.end, "00:00:06,000");
    EXPECT_FALSE(r.endPulled);

    // equal times are not "later"
    EXPECT_FALSE(startFieldEnter("00:00:05,000", "00:00:05,000", true).endPulled);
    // an empty end counts as zero: a later start fills it, a zero start does not
    EXPECT_TRUE(startFieldEnter("00:00:05,000", "", true).endPulled);
    r = startFieldEnter("00:00:00,000", "", true);
    EXPECT_FALSE(r.endPulled);
    EXPECT_TRUE(r.end.isEmpty());
    EXPECT_FALSE(startFieldEnter("00:00:00,00", "", true).endPulled);
    // a start that is still unfinished pulls nothing
    r = startFieldEnter("00:00:5", "00:00:04,000", true);
    EXPECT_EQ(r.start, "00:00:5");
    EXPECT_FALSE(r.endPulled);
    // frames are never completed or compared
    r = startFieldEnter("12345", "10", false);
    EXPECT_EQ(r.start, "12345");
    EXPECT_FALSE(r.endPulled);
}

TEST(TimeFieldRules, DifferenceIsSignedAndMarksNegatives)
{
    Difference d = computeDifference("00:00:05,000", "00:00:04,000", true);
    EXPECT_EQ(d.text, "-00:00:01,000");
    EXPECT_TRUE(d.negative);
    d = computeDifference("00:00:00,000", "01:10:34,567", true);
    EXPECT_EQ(d.text, "01:10:34,567");
    EXPECT_FALSE(d.negative);
    d = computeDifference("00:59:59,999", "01:00:00,000", true);
    EXPECT_EQ(d.text, "00:00:00,001");
    EXPECT_TRUE(computeDifference("00:00:01", "00:00:02,000", true).text.isEmpty());

    d = computeDifference("100", "90", false);
    EXPECT_EQ(d.text, "-10");
    EXPECT_TRUE(d.negative);
    EXPECT_EQ(computeDifference("0", "10", false).text, "10");
    EXPECT_TRUE(computeDifference("1a", "10", false).text.isEmpty());
    EXPECT_TRUE(computeDifference("", "10", false).text.isEmpty());
}

TEST(TimeFieldRules, JumpTargets)
{
    struct Case {
        const char *text;
        int rows;
        int target;
    };
    const Case cases[] = {
        {"0", 10, 1},      {"1", 10, 1},      {"7", 10, 7},    {"10", 10, 10},
        {"99999", 10, 10}, {"99999999999999999999", 10, 10},  {"abc", 10, 0},
        {"", 10, 0},       {"5x", 10, 0},     {"3", 0, 0},     {"-4", 10, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(jumpTargetRow(QString::fromLatin1(c.text), c.rows), c.target) << c.text;
}
