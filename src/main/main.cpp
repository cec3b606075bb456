#include <QApplication>

#include "app/ModeGlobals.h"
#include "ui/Startup.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
#ifdef KELVO_VN
    edition = Edition::VN;
#else
    edition = Edition::Full;
#endif
    return runApplication(app);
}
