#pragma once
#include <QSize>
#include <QString>

// Menu "Felbontás": asks before switching to the layout ("800x600" or
// "1024x768"); the large one is refused on a screen that cannot hold it.
// True when the user said yes.
bool confirmLayoutSwitch(const QString &layout, QSize screen);
