#pragma once
#include <QString>

// The program's own resources: pictures and the fonts every window is drawn
// with. The fonts ship with the program, so a user's desktop, a fresh
// machine and the tests measure captions alike.

inline const QString uiFontFamily = QStringLiteral("Liberation Sans");
inline const QString narrowFontFamily = QStringLiteral("Liberation Sans Narrow");

// Makes the resources of the static library reachable (once).
void initProgramResources();

// Registers the bundled fonts and makes the regular face the application's
// font. Call once after the QApplication exists, before windows are made.
// Returns false when a font could not be registered.
bool installProgramFonts();
