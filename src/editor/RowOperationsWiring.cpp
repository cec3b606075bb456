#include <QAbstractButton>

#include "editor/EditorTools.h"
#include "editor/RowOperations.h"
#include "editor/TFelirat.h"
#include "editor/TTorlesTobb.h"

// The row buttons, their pop-up menus and the grid menu's row items.
void wireRowOperations(TFelirat &editor)
{
    EditorModel &m = editor.model();
    auto *rangeWindow = new TTorlesTobb(m, &editor);
    const auto focusText = [&editor] {
        if (QWidget *text = editor.controlAs<QWidget>(Ctl::szoveg); text && text->isEnabled())
            text->setFocus(Qt::OtherFocusReason);
    };
    editor.onClick(Ctl::Bbeszuras, [&m, focusText] {
        appendRow(m);
        focusText();
    });
    for (Ctl name : {Ctl::pmsorele, Ctl::soreleRacs})
        editor.onClick(name, [&m, focusText] {
            insertBefore(m);
            focusText();
        });
    for (Ctl name : {Ctl::pmsormoge, Ctl::sormogeRacs})
        editor.onClick(name, [&m, focusText] {
            insertAfter(m);
            focusText();
        });
    editor.onClick(Ctl::sor5mogeRacs, [&m] { insertFiveAfter(m); });
    for (Ctl name : {Ctl::Btorles, Ctl::SortorlesRacs})
        editor.onClick(name, [&m] { deleteRow(m); });
    for (Ctl name : {Ctl::Tobbsortorlese1, Ctl::TobbsortorlesRacs})
        editor.onClick(name, [rangeWindow] { rangeWindow->openWindow(); });
    editor.onClick(Ctl::B12, [&m] { moveBoundary(m, 1, 3); });
    editor.onClick(Ctl::B22, [&m] { moveBoundary(m, 1, 2); });
    editor.onClick(Ctl::B21, [&m] { moveBoundary(m, 2, 3); });
    // "Beszúrás" and "Több törlés" open their menus on mouse-down: the
    // editor window wires that with its other menu buttons.
}
