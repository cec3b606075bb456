#pragma once
#include <QStringView>

#include "files/ReadSession.h"

// The dotted layout "HH:MM:SS.hh,HH:MM:SS.hh", text, blank line: read as far
// as its time lines hold, then refused by the caller. firstTimeLine is the
// line that classified the file.
void readDottedLine(ReadSession &session, QStringView firstTimeLine);
