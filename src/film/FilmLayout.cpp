#include "film/FilmLayout.h"

namespace {

const FilmPlace &placeIn(const FilmPlaceSpec &e, FilmCase c)
{
    switch (c) {
    case FilmCase::Normal: return e.normal;
    case FilmCase::Large: return e.large;
    case FilmCase::LargeShort: return e.largeShort.from != FilmRef::None ? e.largeShort : e.large;
    case FilmCase::Small: break;
    }
    return e.small;
}

}  // namespace

FilmCase filmCase(bool largeLayout, bool largeDisplay, QSize screen)
{
    if (!largeLayout)
        return FilmCase::Small;
    if (!largeDisplay)
        return FilmCase::Normal;
    return screen == QSize(1280, 800) ? FilmCase::LargeShort : FilmCase::Large;
}

std::vector<FilmRect> filmLayout(FilmCase c, QSize window, QRect tableGrid)
{
    std::vector<FilmRect> rects;
    QRect grid = tableGrid;
    QRect frame;
    for (const FilmPlaceSpec &e : filmPlaces()) {
        const FilmPlace &p = placeIn(e, c);
        QRect from;
        switch (p.from) {
        case FilmRef::None: continue;
        case FilmRef::Window: from = QRect(QPoint(0, 0), window); break;
        case FilmRef::TableGrid: from = tableGrid; break;
        case FilmRef::GridRows: from = QRect(0, tableGrid.y(), window.width(), tableGrid.height()); break;
        case FilmRef::GridColumns:
            from = QRect(tableGrid.x(), 0, tableGrid.width(), window.height());
            break;
        case FilmRef::Grid: from = grid; break;
        case FilmRef::Frame: from = frame; break;
        }
        QRect r = p.place.in(from.size()).translated(from.topLeft());
        if (r.height() < e.minHeight)
            r.setHeight(e.minHeight);
        if (e.control == Ctl::racs)
            grid = r;
        else if (e.control == Ctl::wmp1)
            frame = r;
        else if (e.control == Ctl::None)
            r.translate(-frame.topLeft());
        rects.push_back({&e, r});
    }
    return rects;
}
