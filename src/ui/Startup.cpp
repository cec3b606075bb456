#include "ui/Startup.h"

#include <QApplication>

int runApplication(QApplication &app)
{
    return 0;
}
