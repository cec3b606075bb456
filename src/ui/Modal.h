#pragma once
#include <functional>

class QDialog;

// Every modal show goes through showModal. Tests install a driver that
// performs the scripted interaction on the window instead of blocking in an
// event loop; the driver returns the dialog's result.
using ModalDriver = std::function<int(QDialog *)>;

int showModal(QDialog *window);
// Installs a driver (an empty function restores exec()) and returns the
// previous one.
ModalDriver installModalDriver(ModalDriver driver);
