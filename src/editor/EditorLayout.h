#pragma once
#include <QPoint>
#include <QSize>
#include <QString>

// Where the editor window goes on a screen in each of its two layouts.
struct EditorPlacement {
    QSize size;             // the window's client size
    QPoint pos;             // top left corner on the screen
    bool maximised = false; // the spare height then goes to the grid
    bool large = true;      // the 1024x768 layout (false: 800x600)
};

inline constexpr QSize largeLayoutSize{1020, 742};
// 800 wide, so the whole window fits an 800 x 600 screen
inline constexpr QSize smallLayoutSize{800, 574};

// layoutSetting "1024x768" gives the large layout, anything else the small one.
EditorPlacement editorPlacement(const QString &layoutSetting, QSize screen);

// Width of the grid in the small layout, beside a film or in its place.
int smallLayoutGridWidth(bool filmShown);

// The large layout can be chosen only on a screen above 800x600.
bool screenFitsLargeLayout(QSize screen);

// Widths of the grid's text columns for a grid of that width: the main text
// 510 pixels (254 beside the second text) in the large layout; in the small
// layout the text columns share what the number and time columns leave.
struct GridTextWidths {
    int text;
    int second;
};
GridTextWidths gridTextWidths(bool large, bool twoSubtitles, int gridWidth, int indicatorWidth);
