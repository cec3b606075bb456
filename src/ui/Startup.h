#pragma once
class QApplication;

// Creates every window in its fixed order, hidden, and runs the program
// until the start window closes.
int runApplication(QApplication &app);
