#pragma once

struct SubtitleRow;

// The background of a grid row: silver for rows shorter than half a second
// in the Time base, red over the threshold, green for three lines (green
// wins). Decided from the row's text and times at drawing time, not from
// the stored flags; while displayLock is set only silver is given.
// Allocates nothing: it runs for every painted cell.
enum class CellShade { Normal, Silver, Red, Green };

CellShade cellShade(const SubtitleRow &row, bool timeBase, int threshold, bool colourLong,
                    bool colourThree);
