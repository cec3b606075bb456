#include "editor/EditorLayout.h"

#include "app/ModeValues.h"

namespace {

QPoint centred(QSize screen, QSize window)
{
    return {qMax(0, (screen.width() - window.width()) / 2),
            qMax(0, (screen.height() - window.height()) / 2)};
}

}  // namespace

EditorPlacement editorPlacement(const QString &layoutSetting, QSize screen)
{
    EditorPlacement p;
    if (layoutSetting != Layout::large) {
        p.large = false;
        p.size = smallLayoutSize;
        p.pos = centred(screen, p.size);
        return p;
    }
    p.size = largeLayoutSize;
    if (screen == QSize(1024, 768)) {
        p.maximised = true;
        p.pos = QPoint(0, 0);
        return p;
    }
    if (screen.width() == 1280 && (screen.height() == 800 || screen.height() == 768)) {
        p.size.setHeight(largeLayoutSize.height() + 3);
        p.pos = QPoint((screen.width() - p.size.width()) / 2, 10);
        return p;
    }
    // A larger screen gives the grid 28 more pixels, unless it is too short
    // to show the taller window; then the plain size is kept.
    if (screen.height() >= 776)
        p.size.setHeight(776);
    p.pos = centred(screen, p.size);
    return p;
}

int smallLayoutGridWidth(bool filmShown)
{
    return filmShown ? 337 : 601;
}

bool screenFitsLargeLayout(QSize screen)
{
    return screen.width() > 800 && screen.height() > 600;
}

GridTextWidths gridTextWidths(bool large, bool twoSubtitles, int gridWidth, int indicatorWidth)
{
    if (large)
        return {twoSubtitles ? 254 : 510, 254};
    // the number column, both time columns and the scroll bar's room
    const int fixed = 44 + 84 + 84 + indicatorWidth + 20;
    const int text = qMax(200, gridWidth - fixed);
    return {twoSubtitles ? text / 2 : text, twoSubtitles ? text / 2 : 254};
}
