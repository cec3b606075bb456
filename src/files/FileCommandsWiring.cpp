#include <QLineEdit>

#include "app/MessageBox.h"
#include "app/Windows.h"
#include "editor/EditorTools.h"
#include "editor/GridScrollBar.h"
#include "editor/Leaving.h"
#include "editor/TFelirat.h"
#include "files/EditorSave.h"
#include "files/SubtitleWriter.h"
#include "files/TKereses.h"

namespace {

// "Mentés": with the name it has, or through the file-name dialog when it
// has none; the editor returns to the row that was current.
void saveAsItIs(TFelirat &editor)
{
    EditorModel &model = editor.model();
    const int recNo = model.cds.recNo();
    const bool noName = model.fileNameField.isEmpty();
    saveSubtitle(model, noName, noName);
    editor.showFileName();
    if (model.cds.isActive() && recNo > 0)
        model.cds.setRecNo(recNo);
    hideScrollBarAfterSave(model);
    editor.focusGrid();
}

void saveUnderAnotherName(TFelirat &editor)
{
    for (Ctl field : {Ctl::kulonbseg, Ctl::Esorszam})
        editor.controlAs<QLineEdit>(field)->clear();
    saveSubtitle(editor.model(), true, true);
    editor.showFileName();
    editor.focusGrid();
}

}  // namespace

// Opening and saving the subtitle: "Tallózás", "Mentés", "Mentés Más Néven",
// the second subtitle's save and the save behind "Igen" on leaving.
void wireFileCommands(TFelirat &editor)
{
    editor.onClick(Ctl::Btallozas, [&editor] {
        // Another file replaces the table: unsaved edits are asked about first.
        if (!mayReplaceSubtitle(editor.model()))
            return;
        editor.controlAs<QLineEdit>(Ctl::Ekereses)->clear();
        if (TKereses *w = windows().kereses)
            w->openForEditor(false, false);
    });
    editor.onClick(Ctl::Bmentes, [&editor] { saveAsItIs(editor); });
    editor.onClick(Ctl::BMMN, [&editor] { saveUnderAnotherName(editor); });
    editor.onClick(Ctl::MentesMF, [&editor] { saveSecondSubtitle(editor.model()); });
    editor.openDialogRunner = [] {
        if (TKereses *w = windows().kereses)
            w->openForEditor(false, true);
    };
    // "Igen" saves each subtitle that has unsaved changes, the main first;
    // a save that did not happen leaves the rest as it is.
    exitSaveHandler = [&editor] {
        EditorModel &model = editor.model();
        if (model.unsaved(EditorModel::Subtitle::main) || !model.unsaved(EditorModel::Subtitle::second)) {
            saveSubtitle(model, model.fileNameField.isEmpty(), true);
            editor.showFileName();
            if (model.unsaved(EditorModel::Subtitle::main))
                return;
        }
        if (model.unsaved(EditorModel::Subtitle::second))
            saveSecondSubtitle(model);
    };
}
