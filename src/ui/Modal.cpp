#include "ui/Modal.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

#include "document/ChangeJournal.h"

namespace {
ModalDriver currentDriver;

// Enter on a focused button that is not a default clicks it, as Space does.
class FocusedButtonEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || button->isDefault() || !button->hasFocus())
            return false;
        if (button->isEnabled())
            button->click();
        return true;
    }
};

FocusedButtonEnter *focusedButtonEnter()
{
    static FocusedButtonEnter filter;
    return &filter;
}

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

void applyEnterRule(QWidget *window)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isDefault())
            continue;
        button->setAutoDefault(false);
        // installing twice keeps one filter
        button->removeEventFilter(focusedButtonEnter());
        button->installEventFilter(focusedButtonEnter());
    }
}

int showModal(QDialog *window)
{
    // A window left attached to an earlier host stands on its own again:
    // its old host may be hidden now.
    if (window->property(hosted).toBool()) {
        attach(window, nullptr);
        window->setProperty(hosted, false);
    }
    applyEnterRule(window);
    // the window's own actions are steps of their own
    const ChangeJournal::ModalPause pause;
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
    applyEnterRule(window);
    window->show();
    window->raise();
    window->activateWindow();
}
