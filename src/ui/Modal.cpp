#include "ui/Modal.h"

#include <QDialog>

namespace {
ModalDriver currentDriver;
}

int showModal(QDialog *window)
{
    if (currentDriver)
        return currentDriver(window);
    return window->exec();
}

ModalDriver installModalDriver(ModalDriver driver)
{
    ModalDriver previous = std::move(currentDriver);
    currentDriver = std::move(driver);
    return previous;
}
