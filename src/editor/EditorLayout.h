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
inline constexpr QSize smallLayoutSize{808, 574};

// layoutSetting "1024x768" gives the large layout, anything else the small one.
EditorPlacement editorPlacement(const QString &layoutSetting, QSize screen);

// Width of the grid in the small layout, beside a film or in its place.
int smallLayoutGridWidth(bool filmShown);

// The large layout can be chosen only on a screen above 800x600.
bool screenFitsLargeLayout(QSize screen);
