#include "ui/Modal.h"

#include <QApplication>
#include <QDialog>

namespace {
ModalDriver currentDriver;

// The window a newly shown window must belong to so that it takes input:
// the modal window in front, unless that is the window itself or one of its
// own children.
QWidget *hostFor(QWidget *window)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == window || window->isAncestorOf(modal))
        return nullptr;
    return modal;
}

// A window keeps its own flags when it changes hands; a window is moved
// only while hidden, so a visible window keeps the host it has.
void attach(QWidget *window, QWidget *host)
{
    if (window->isVisible() || window->parentWidget() == host)
        return;
    window->setParent(host, window->windowFlags() | Qt::Window);
}

const char *const hosted = "kelvoHosted";
}  // namespace

int showModal(QDialog *window)
{
    // A window left attached to an earlier host stands on its own again:
    // its old host may be hidden now.
    if (window->property(hosted).toBool()) {
        attach(window, nullptr);
        window->setProperty(hosted, false);
    }
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

void showWithoutBlocking(QWidget *window)
{
    QWidget *host = hostFor(window);
    if (host || window->property(hosted).toBool()) {
        attach(window, host);
        window->setProperty(hosted, host != nullptr);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
