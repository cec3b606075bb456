#include "editor/GridScrollBar.h"

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"

namespace {

// The rows the grid shows without scrolling in the current layout, or 0
// when the layout is not settled.
int visibleRows()
{
    if (layoutSetting == Layout::large)
        return 15;
    if (layoutSetting == Layout::small)
        return 10;
    return 0;
}

}  // namespace

void showScrollBarAfterRead(EditorModel &model)
{
    const int rows = visibleRows();
    model.setVisible(Ctl::racsVScroll, rows > 0 && model.cds.recordCount() > rows);
}

void hideScrollBarAfterSave(EditorModel &model)
{
    const int rows = layoutSetting == Layout::large ? 15 : 10;
    if (model.cds.recordCount() < rows)
        model.setVisible(Ctl::racsVScroll, false);
}
