#include "ui/Modal.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

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
    applyEnterRule(window);
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
