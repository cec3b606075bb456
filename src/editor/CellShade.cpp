#include "editor/CellShade.h"

#include "document/DocumentGlobals.h"
#include "document/SubtitleTable.h"
#include "document/TimeCode.h"
#include "editor/RowStats.h"

namespace {

// Empty and zero times count as 0.
qint64 msOf(QStringView code)
{
    return code.isEmpty() ? 0 : timeCodeToMs(code);
}

}  // namespace

CellShade cellShade(const SubtitleRow &row, bool timeBase, int threshold, bool colourLong,
                    bool colourThree)
{
    CellShade shade = CellShade::Normal;
    // Whole milliseconds keep 0.499 s and 0.5 s apart exactly.
    if (timeBase && msOf(row.befejezes.chars()) - msOf(row.kezdes.chars()) < 500)
        shade = CellShade::Silver;
    if (row.szoveg.isEmpty() || displayLock || !(colourLong || colourThree))
        return shade;
    const LineLengths m = measureLines(row.szoveg);
    if (colourLong && m.anyLongerThan(threshold))
        shade = CellShade::Red;
    if (colourThree && m.hasThirdLine())
        shade = CellShade::Green;
    return shade;
}
