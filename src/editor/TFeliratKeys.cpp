// The editor window's keyboard and wheel: each control's key rule, and the
// window-wide rules every widget of the window follows.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QWheelEvent>

#include "editor/TFelirat.h"
#include "editor/TimeFieldRules.h"
#include "ui/SubtitleGridModel.h"

namespace {

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
           || key == Qt::Key_Down;
}

// Keys both time fields treat alike: true when the key was handled.
bool commonTimeFieldKey(QLineEdit *field, QKeyEvent *e, bool timeBase, bool *deleted)
{
    *deleted = false;
    if ((e->modifiers() & Qt::ShiftModifier) && isArrow(e->key()))
        return true;
    if (e->key() == Qt::Key_Delete) {
        if (timeBase && forwardDeleteBlocked(field->cursorPosition()))
            return true;
        *deleted = true;
        return false;
    }
    // no pasting, cutting or undoing past the typing rules
    if (e->modifiers() & Qt::ControlModifier)
        return e->key() != Qt::Key_C;
    if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut))
        return true;
    return false;
}

// The character a key press types into a time field: Backspace as its own
// code, a printable character, or a null QChar for caret keys, Tab and the like.
QChar typedKey(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Backspace)
        return backspaceKey;
    if (!e->text().isEmpty() && e->text()[0].isPrint())
        return e->text()[0];
    return QChar();
}

}  // namespace

void TFelirat::onKeyDown(QWidget *control, KeyRule rule)
{
    keyDown_.insert(control, std::move(rule));
}

void TFelirat::connectKeys()
{
    onKeyDown(racs_, [this](QKeyEvent *e) { return racsKeyDown(e); });
    onKeyDown(kezdes_, [this](QKeyEvent *e) { return kezdesKeyDown(e); });
    onKeyDown(befejezes_, [this](QKeyEvent *e) { return befejezesKeyDown(e); });
    onKeyDown(Emodositas_, [this](QKeyEvent *e) { return EmodositasKeyDown(e); });
    onKeyDown(Eugras_, [this](QKeyEvent *e) { return EugrasKeyPress(e); });
    onKeyDown(Efilenev_, [this](QKeyEvent *e) { return EfilenevKeyPress(e); });
    onKeyDown(szoveg_, [this](QKeyEvent *e) { return szovegKeyDown(e); });
    // the quick search comes with the search tools
    onKeyDown(Ekereses_, [](QKeyEvent *e) { return isEnter(e); });
    for (Ctl box : {Ctl::CbPM, Ctl::beosztas, Ctl::cbFps})
        onKeyDown(controlAs<QWidget>(box),
                  [this](QKeyEvent *e) { return choiceBoxKeyPress(e); });
}

void TFelirat::keyPressEvent(QKeyEvent *event)
{
    // Esc is the "Kilépés" shortcut; the dialog's own Esc (reject without a
    // question) and Enter (default button) are not wanted here.
    if (event->key() == Qt::Key_Escape || isEnter(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TFelirat::mainMenuShortcut(QKeyEvent *e) const
{
    const QKeySequence pressed(e->keyCombination());
    for (QAction *a : menuBar_->findChildren<QAction *>()) {
        if (a->shortcuts().contains(pressed))
            return true;
    }
    return false;
}

bool TFelirat::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto *e = static_cast<QKeyEvent *>(event);
        // Esc in the time fields restores the field instead of leaving.
        if (e->key() == Qt::Key_Escape && (watched == kezdes_ || watched == befejezes_)) {
            e->accept();
            return true;
        }
        // The main menu's shortcuts come before any control.
        if (mainMenuShortcut(e)) {
            e->ignore();
            return true;
        }
        return false;
    }
    case QEvent::Wheel:
        return wheelToKeys(static_cast<QWheelEvent *>(event));
    case QEvent::KeyPress: {
        const auto rule = keyDown_.constFind(watched);
        return rule != keyDown_.cend() && (*rule)(static_cast<QKeyEvent *>(event));
    }
    case QEvent::KeyRelease:
        if (watched == szoveg_)
            szovegKeyUp();
        else if (watched == szoveg2_)
            szoveg2KeyUp();
        return false;
    case QEvent::MouseButtonPress:
        if (watched == kulonbseg_) {
            befejezes_->setFocus(Qt::MouseFocusReason);
            befejezes_->deselect();
            return true;
        }
        return false;
    default:
        return false;
    }
}

// One arrow key per notch to the focused control; small steps of fine
// wheels add up.
bool TFelirat::wheelToKeys(QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (delta == 0)
        return true;
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != this)
        return true;
    const int key = notches > 0 ? Qt::Key_Up : Qt::Key_Down;
    for (int i = 0; i < qAbs(notches); ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    return true;
}

bool TFelirat::racsKeyDown(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Delete) {
        // the row delete of "Törlés", also while the button is off
        if (auto *b = controlAs<QAbstractButton>(Ctl::Btorles))
            emit b->clicked();
        return true;
    }
    if (!isEnter(e))
        return false;
    if ((e->modifiers() & Qt::ControlModifier) && kezdes_->isEnabled() && kezdes_->isVisible()) {
        kezdes_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const int column = racs_->currentIndex().column();
    if (column == SubtitleGridModel::Szoveg2Col) {
        if (szoveg2_->isEnabled() && szoveg2_->isVisible())
            szoveg2_->setFocus(Qt::OtherFocusReason);
    } else if (column == SubtitleGridModel::SzovegCol || column == SubtitleGridModel::SorszamCol
               || column < 0) {
        if (szoveg_->isEnabled())
            szoveg_->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool TFelirat::kezdesKeyDown(QKeyEvent *e)
{
    EditorModel &m = model();
    const bool time = m.isTimeBase();
    bool deleted;
    if (commonTimeFieldKey(kezdes_, e, time, &deleted))
        return true;
    if (deleted) {
        m.setEnabled(Ctl::Bertek, true);
        return false;
    }
    if (e->key() == Qt::Key_Escape) {
        kezdes_->setText(m.cds.field(Field::Kezdes));
        return true;
    }
    if (isEnter(e)) {
        const StartEnter r = startFieldEnter(kezdes_->text(), befejezes_->text(), time);
        kezdes_->setText(r.start);
        if (r.endPulled) {
            befejezes_->setText(r.end);
            m.setEnabled(Ctl::Bertek, true);
        }
        befejezes_->setFocus(Qt::OtherFocusReason);
        befejezes_->setCursorPosition(befejezes_->text().size());
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    if (filterTypedChar(key, kezdes_->cursorPosition(), time) == rejectedKey) {
        // Backspace that would erase a separator simply does nothing
        if (key != backspaceKey)
            kezdes_->setText(m.cds.field(Field::Kezdes));
        return true;
    }
    m.setEnabled(Ctl::Bertek, true);
    return false;
}

bool TFelirat::befejezesKeyDown(QKeyEvent *e)
{
    EditorModel &m = model();
    const bool time = m.isTimeBase();
    bool deleted;
    if (commonTimeFieldKey(befejezes_, e, time, &deleted))
        return true;
    if (deleted) {
        m.setEnabled(Ctl::Bertek, true);
        return false;
    }
    if (e->key() == Qt::Key_Escape) {
        befejezes_->setText(m.cds.field(Field::Befejezes));
        return true;
    }
    if (isEnter(e)) {
        if (m.isEnabled(Ctl::Bertek)) {
            if (time)
                befejezes_->setText(completeTimeText(befejezes_->text()));
            controlAs<QPushButton>(Ctl::Bertek)->setFocus(Qt::OtherFocusReason);
        } else {
            szoveg_->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    if (key == backspaceKey)
        m.setEnabled(Ctl::Bertek, true);
    if (filterTypedChar(key, befejezes_->cursorPosition(), time) == rejectedKey)
        return true;
    // A typed end must be storable, so typing offers "Értékek beállítása" too.
    if (key != backspaceKey && befejezes_->text().size() < befejezes_->maxLength())
        m.setEnabled(Ctl::Bertek, true);
    return false;
}

bool TFelirat::EmodositasKeyDown(QKeyEvent *e)
{
    const bool time = model().isTimeBase();
    if ((e->modifiers() & Qt::ShiftModifier) && isArrow(e->key()))
        return true;
    if (e->key() == Qt::Key_Delete)
        return forwardDeleteBlocked(Emodositas_->cursorPosition());
    if (e->modifiers() & Qt::ControlModifier)
        return e->key() != Qt::Key_C;
    if (isEnter(e)) {
        // the quick shift of the "Ok" button beside the field
        if (auto *b = controlAs<QAbstractButton>(Ctl::Bmodok))
            emit b->clicked();
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    return filterTypedChar(key, Emodositas_->cursorPosition(), time) == rejectedKey;
}

bool TFelirat::EugrasKeyPress(QKeyEvent *e)
{
    if (isEnter(e)) {
        BugrasClick();
        return true;
    }
    if (e->key() == Qt::Key_Backspace)
        return false;
    if (e->modifiers() & Qt::ControlModifier)
        return e->key() != Qt::Key_C;
    if (!e->text().isEmpty() && e->text()[0].isPrint())
        return !(e->text()[0] >= u'0' && e->text()[0] <= u'9');
    return false;
}

bool TFelirat::EfilenevKeyPress(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        return false;
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
        return false;
    if (auto *b = controlAs<QPushButton>(Ctl::Btallozas))
        b->setFocus(Qt::OtherFocusReason);
    return true;
}

// CbPM, beosztas and cbFps change only by choosing from the list.
bool TFelirat::choiceBoxKeyPress(QKeyEvent *e)
{
    return !e->text().isEmpty() && e->text()[0].isPrint();
}

bool TFelirat::szovegKeyDown(QKeyEvent *e)
{
    if ((e->modifiers() & Qt::ControlModifier)
        && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        szovegKeyUp();  // what was typed is in the row before it moves
        if (e->key() == Qt::Key_Up)
            model().cds.prior();
        else
            model().cds.next();
        focusGrid();
        return true;
    }
    return false;
}
