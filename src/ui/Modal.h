#pragma once
#include <functional>

class QDialog;
class QWidget;

// Every modal show goes through showModal. Tests install a driver that
// performs the scripted interaction on the window instead of blocking in an
// event loop; the driver returns the dialog's result.
using ModalDriver = std::function<int(QDialog *)>;

// Applies the Enter rule below, then shows the window modally.
int showModal(QDialog *window);
// Installs a driver (an empty function restores exec()) and returns the
// previous one.
ModalDriver installModalDriver(ModalDriver driver);

// Every window shown without blocking goes through showWithoutBlocking.
// While a modal window runs, Qt blocks input to every window outside it, so
// the window is made a child window of the modal window in front (it stays
// on top of it and takes clicks and keys); with no modal window it stands
// on its own. Either way it is raised and given the focus.
void showWithoutBlocking(QWidget *window);

// The Enter rule of every window: Enter clicks only a button the window
// made its default on purpose (setDefault) or the button that has the
// focus; Enter anywhere else clicks nothing. Qt would otherwise make the
// first button of a dialog its default, so that Enter in a field ran it.
// Windows shown without showModal apply it before they are shown.
void applyEnterRule(QWidget *window);
