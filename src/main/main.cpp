#include <QApplication>

#include <cstdio>
#include <cstring>

#include "app/Association.h"
#include "app/ModeGlobals.h"
#include "ui/Resources.h"
#include "ui/StateProbe.h"
#include "app/Startup.h"
#ifdef KELVO_HAS_VIDEO
#include "video/QtFilmPlayer.h"
#endif

namespace {

// Without a display Qt would abort with a core dump; say what is missing
// and leave with an error status instead.
bool displayAvailable(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char **argv)
{
#ifdef Q_OS_UNIX
    if (!displayAvailable(argc, argv)) {
        std::fputs("Kelvo: nincs grafikus kijelző (a DISPLAY és a WAYLAND_DISPLAY sincs "
                   "beállítva).\nIndítsa asztali környezetben, vagy virtuális kijelzőn: "
                   "xvfb-run scripts/kelvo\n",
                   stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo"));
    installProgramFonts();
    installStateProbe();
#ifdef KELVO_VN
    edition = Edition::VN;
#else
    edition = Edition::Full;
#endif
    // ties the windows to the installed desktop entry (Wayland's app id)
    QGuiApplication::setDesktopFileName(applicationId());
#ifdef KELVO_HAS_VIDEO
    installQtFilmPlayer();
#endif
    return runApplication(app);
}
