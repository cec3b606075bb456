#pragma once
#include <QRect>
#include <QSize>
#include <QStringView>
#include <span>

// The editor window's controls and menus as one table: the window is built
// and laid out from it, and core routines name controls from it. A state set
// on a name the table does not hold is a fault (see EditorModel).

enum class ControlKind {
    Label, Button, Check, Radio, Edit, Memo, Combo, Spin, Group, Progress, Grid,
    // a state of the grid that is not a widget of its own (a column shown,
    // the scroll bar, whole-row selection)
    GridState,
    // menus: the main menu's menus and submenus, items, pop-up menus
    Menu, Item, Popup,
};

// Where a control sits in its parent. Offsets count from the left and top
// edges unless an anchor says the right or the bottom edge; a stretched
// size runs to that many pixels before the parent's far edge.
enum Anchor : unsigned char {
    FromRight = 1,   // x is the distance of the left side from the right edge
    FromBottom = 2,  // y is the distance of the top from the bottom edge
    ToRight = 4,     // w is the margin left on the right
    ToBottom = 8,    // h is the margin left at the bottom
};

struct Place {
    int x = 0, y = 0, w = 0, h = 0;
    unsigned char anchors = 0;
    bool isSet() const { return w != 0 || h != 0; }
    QRect in(QSize parent) const;
};

struct ControlSpec {
    const char *name;
    ControlKind kind;
    const char *parent;   // a group's name, or "" for the window itself
    const char *caption;  // UTF-8
    const char *hint;     // tool tip, UTF-8
    Place large;          // the 1024x768 layout with one subtitle
    Place small;          // the 800x600 layout with one subtitle
    Place largeTwo = {};  // with two subtitles side by side, when it differs
    Place smallTwo = {};
    int maxLength = 0;    // edits: the longest text typed
    // The window that shows the control and mirrors its state.
    const char *window = "Felirat";
};

struct MenuSpec {
    const char *name;
    ControlKind kind;      // Menu (in the menu bar or a submenu), Popup, Item
    const char *parent;    // the menu or pop-up the entry belongs to; "" = menu bar
    const char *caption;   // UTF-8; "-" is a separator row
    const char *shortcut;  // portable text ("Ctrl+Shift+M"), or ""
    const char *hint = "";
    bool checkable = false;
};

std::span<const ControlSpec> editorControls();
std::span<const MenuSpec> editorMenus();

// The entry of a control or menu entry by name (nullptr when there is none).
const ControlSpec *editorControl(QStringView name);
const MenuSpec *editorMenuEntry(QStringView name);
// Whether a state may be set on that name: a control, a named menu entry or
// a state of the grid.
bool isEditorControlName(QStringView name);

// The rectangle of a control in a parent of that size, by layout.
QRect placeOf(const ControlSpec &control, bool large, bool twoSubtitles, QSize parent);

// The height of the menu bar, which the table's top offsets allow for.
inline constexpr int menuBarHeight = 19;
