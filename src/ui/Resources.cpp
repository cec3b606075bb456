#include "ui/Resources.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

// The pictures and fonts live in a static library, whose resource
// initialiser the linker would drop unless something refers to it.
void initProgramResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(kelvo);
        return true;
    }();
    (void)done;
}

bool installProgramFonts()
{
    initProgramResources();
    static const bool registered = [] {
        bool all = true;
        for (const char *file : {"LiberationSans-Regular", "LiberationSans-Bold",
                                 "LiberationSans-Italic", "LiberationSans-BoldItalic",
                                 "LiberationSansNarrow-Regular", "LiberationSansNarrow-Bold"}) {
            const QString path = QStringLiteral(":/fonts/") + QLatin1String(file)
                                 + QStringLiteral(".ttf");
            all = QFontDatabase::addApplicationFont(path) >= 0 && all;
        }
        return all;
    }();
    QFont font(uiFontFamily);
    font.setPixelSize(12);
    QApplication::setFont(font);
    return registered;
}
