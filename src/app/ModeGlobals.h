#pragma once
#include <QString>

// Process-wide routing values shared between the windows. Each holds a short
// Hungarian text that is compared exactly.
extern QString appMode;          // "be", "be2", "vissza", "For", "felvitt", "ki"
extern QString openMode;         // "megnyitas", "uj", "mas", "2cd1cd", "22"
extern QString layoutSetting;    // "1024x768", "800x600", "kicsi" or empty
extern QString commandLineFile;  // file named on the command line until read
extern QString loadedTimeBase;   // "Time", "Frame" or empty

// Which edition is running; decided by the program entry.
enum class Edition { Full, VN };
extern Edition edition;

// The layout class of a screen of the given size ("800x600", "1024x768",
// "kicsi", or empty for a width of exactly 800 with another height).
QString classifyScreen(int width, int height);

// Joins the first two command-line arguments without a separator.
QString commandLineFileFrom(const QStringList &arguments);

// Puts every global of every subsystem back to its start value (tests).
void resetAllGlobals();
