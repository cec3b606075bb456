#pragma once
#include <QStringList>

class QApplication;

// Creates every window in its fixed order, hidden, and runs the program
// until the start window closes.
int runApplication(QApplication &app);

// The order the program's windows are created in, by class name.
const QStringList &windowCreationOrder();
