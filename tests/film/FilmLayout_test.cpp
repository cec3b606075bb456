// The film's place table: its cases and how its entries build on each other.
#include <gtest/gtest.h>

#include "editor/EditorLayout.h"
#include "film/FilmLayout.h"

namespace {

TEST(FilmLayout, CasesFollowTheLayoutTheDisplayAndTheScreen)
{
    EXPECT_EQ(filmCase(true, false, {1280, 800}), FilmCase::Normal);
    EXPECT_EQ(filmCase(true, true, {1280, 1024}), FilmCase::Large);
    EXPECT_EQ(filmCase(true, true, {1280, 800}), FilmCase::LargeShort);
    EXPECT_EQ(filmCase(false, true, {1280, 800}), FilmCase::Small);
}

// The grid and the frame are placed before the controls that count from them.
TEST(FilmLayout, EntriesCountOnlyFromPlacesAlreadyMade)
{
    bool grid = false, frame = false;
    for (const FilmPlaceSpec &e : filmPlaces()) {
        for (const FilmPlace &p : {e.normal, e.large, e.small, e.largeShort}) {
            if (p.from == FilmRef::Grid)
                EXPECT_TRUE(grid) << nameOf(e.control).toStdString();
            if (p.from == FilmRef::Frame)
                EXPECT_TRUE(frame) << nameOf(e.control).toStdString();
        }
        grid = grid || e.control == Ctl::racs;
        frame = frame || e.control == Ctl::wmp1;
    }
}

TEST(FilmLayout, TheSmallLayoutNarrowsTheGridToItsFilmWidth)
{
    const QRect tableGrid(197, 70, 601, 300);
    for (const FilmRect &r : filmLayout(FilmCase::Small, {800, 600}, tableGrid)) {
        if (r.entry->control == Ctl::racs)
            EXPECT_EQ(r.rect, QRect(197, 70, smallLayoutGridWidth(true), 300));
        if (r.entry->control == Ctl::wmp1)
            EXPECT_EQ(r.rect.left(), 197 + smallLayoutGridWidth(true) + 2);
        if (r.entry->control == Ctl::None)  // the picture, inside the frame
            EXPECT_EQ(r.rect.topLeft(), QPoint(2, 2));
    }
    // the large layout's film is centred over the grid, which starts under it
    const std::vector<FilmRect> normal = filmLayout(FilmCase::Normal, {1024, 768}, {264, 79, 754, 433});
    EXPECT_EQ(normal[1].rect, QRect(264 + (754 - 745) / 2, 79, 745, 227));
    EXPECT_EQ(normal[0].rect, QRect(264, 79 + 255, 754, 433 - 255));
}

}  // namespace
