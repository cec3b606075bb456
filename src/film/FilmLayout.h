#pragma once
#include <QRect>
#include <QSize>
#include <vector>

#include "editor/EditorControls.h"

// The cases of the film's place table (filmPlaces()): the large layout with
// the film in its normal size or in the large display (shorter on a 1280x800
// screen), and the small layout.
enum class FilmCase { Normal, Large, LargeShort, Small };
FilmCase filmCase(bool largeLayout, bool largeDisplay, QSize screen);

// A control's rectangle in the window; the picture's is inside the frame.
struct FilmRect {
    const FilmPlaceSpec *entry;
    QRect rect;
};

// Every place the case gives, in the table's order, in a window of that size
// whose grid the control table put at tableGrid.
std::vector<FilmRect> filmLayout(FilmCase c, QSize window, QRect tableGrid);
