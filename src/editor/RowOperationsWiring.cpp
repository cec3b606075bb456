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
        if (QWidget *text = editor.controlAs<QWidget>(QStringLiteral("szoveg")); text && text->isEnabled())
            text->setFocus(Qt::OtherFocusReason);
    };
    editor.onClick(QStringLiteral("Bbeszuras"), [&m, focusText] {
        appendRow(m);
        focusText();
    });
    for (const char *name : {"pmsorele", "soreleRacs"})
        editor.onClick(QLatin1String(name), [&m, focusText] {
            insertBefore(m);
            focusText();
        });
    for (const char *name : {"pmsormoge", "sormogeRacs"})
        editor.onClick(QLatin1String(name), [&m, focusText] {
            insertAfter(m);
            focusText();
        });
    editor.onClick(QStringLiteral("sor5mogeRacs"), [&m] { insertFiveAfter(m); });
    for (const char *name : {"Btorles", "SortorlesRacs"})
        editor.onClick(QLatin1String(name), [&m] { deleteRow(m); });
    for (const char *name : {"Tobbsortorlese1", "TobbsortorlesRacs"})
        editor.onClick(QLatin1String(name), [rangeWindow] { rangeWindow->openWindow(); });
    editor.onClick(QStringLiteral("B12"), [&m] { moveBoundary(m, 1, 3); });
    editor.onClick(QStringLiteral("B22"), [&m] { moveBoundary(m, 1, 2); });
    editor.onClick(QStringLiteral("B21"), [&m] { moveBoundary(m, 2, 3); });
    // "Beszúrás" and "Több törlés" open their menus on mouse-down: the
    // editor window wires that with its other menu buttons.
}
