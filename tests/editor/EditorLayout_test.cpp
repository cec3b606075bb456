#include <gtest/gtest.h>

#include "editor/EditorLayout.h"

TEST(EditorLayout, PlacementByScreen)
{
    struct Case {
        const char *setting;
        QSize screen;
        QSize size;
        QPoint pos;
        bool maximised;
    };
    const Case cases[] = {
        {"1024x768", {1024, 768}, {1020, 742}, {0, 0}, true},
        {"1024x768", {1280, 800}, {1020, 745}, {130, 10}, false},
        {"1024x768", {1280, 768}, {1020, 745}, {130, 10}, false},
        {"1024x768", {1920, 1080}, {1020, 776}, {450, 152}, false},
        {"1024x768", {1280, 1024}, {1020, 776}, {130, 124}, false},
        {"1024x768", {1440, 800}, {1020, 776}, {210, 12}, false},
        {"1024x768", {1024, 800}, {1020, 776}, {2, 12}, false},
        // no room for the taller window: the plain size, centred
        {"1024x768", {1366, 768}, {1020, 742}, {173, 13}, false},
        {"800x600", {800, 600}, {800, 574}, {0, 13}, false},
        {"800x600", {1280, 1024}, {800, 574}, {240, 225}, false},
        {"", {800, 480}, {800, 574}, {0, 0}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.setting << " " << c.screen.width() << "x"
                                        << c.screen.height());
        const EditorPlacement p = editorPlacement(QString::fromLatin1(c.setting), c.screen);
        EXPECT_EQ(p.size, c.size);
        EXPECT_EQ(p.pos, c.pos);
        EXPECT_EQ(p.maximised, c.maximised);
        EXPECT_EQ(p.large, QLatin1String(c.setting) == QLatin1String("1024x768"));
    }
}

TEST(EditorLayout, LargeLayoutNeedsMoreThan800x600)
{
    EXPECT_FALSE(screenFitsLargeLayout({800, 600}));
    EXPECT_FALSE(screenFitsLargeLayout({1024, 600}));
    EXPECT_FALSE(screenFitsLargeLayout({800, 1024}));
    EXPECT_TRUE(screenFitsLargeLayout({801, 601}));
    EXPECT_EQ(smallLayoutGridWidth(false), 601);
    EXPECT_EQ(smallLayoutGridWidth(true), 337);
}

// The 800x600 layout fits an 800 x 600 screen whole.
TEST(EditorLayout, SmallLayoutFitsItsScreen)
{
    const EditorPlacement p = editorPlacement(QStringLiteral("800x600"), {800, 600});
    EXPECT_FALSE(p.large);
    EXPECT_GE(p.pos.x(), 0);
    EXPECT_LE(p.pos.x() + p.size.width(), 800);
    EXPECT_LE(p.pos.y() + p.size.height(), 600);
}
