#include <QComboBox>
#include <QLineEdit>

#include "document/TimeCode.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/timing/TReszletes.h"
#include "tools/timing/TimeShift.h"

// The quick shift beside "Módosítás:" and the detailed window behind
// "Részletes>>>".
void wireTimeShifts(TFelirat &editor)
{
    EditorModel &m = editor.model();
    auto *detailed = new TReszletes(m, &editor);
    editor.onClick(Ctl::Bmodok, [&editor, &m] {
        auto *amount = editor.controlAs<QLineEdit>(Ctl::Emodositas);
        const bool add = editor.controlAs<QComboBox>(Ctl::CbPM)->currentText()
                         == QLatin1String("+");
        if (quickShift(m, add, amount->text()))
            amount->setText(timeBaseFields(m.timeBase()).neutralAmount);
        editor.focusGrid();
    });
    editor.onClick(Ctl::Breszletes, [&editor, &m, detailed] {
        // The editor stays shown under the modal window: hiding a dialog that
        // runs modally would end its own modal loop.
        auto *amount = editor.controlAs<QLineEdit>(Ctl::Emodositas);
        if (m.isTimeBase() && amount->text().size() != 12)
            amount->setText(zeroTimeCode);
        detailed->amountField()->setText(amount->text());
        if (detailed->openWindow())
            editor.focusGrid();
    });
}
