#include "editor/CellShade.h"

#include "document/SubtitleTable.h"

CellShade cellShade(const SubtitleRow &row, bool timeBase, int threshold, bool colourLong,
                    bool colourThree)
{
    return CellShade::Normal;
}
