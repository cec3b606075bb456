#include "editor/Activation.h"

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"

ActivationSteps routeActivation(EditorModel &model)
{
    ActivationSteps steps;
    const bool cdJoin = openMode == OpenMode::cdJoin;
    model.setVisible(Ctl::GB1, !cdJoin);
    model.setVisible(Ctl::GB12, cdJoin);
    if (cdJoin) {
        model.setChecked(Ctl::RB12, true);
        model.setChecked(Ctl::RB12cd2, true);
    } else {
        model.setChecked(Ctl::RB1, true);
    }
    steps.newSubtitle = openMode == OpenMode::newSubtitle;
    if (model.fileNameField.isEmpty() && openMode == OpenMode::opening)
        model.setEnabled(Ctl::beosztas, false);
    if (!commandLineFile.isEmpty())
        openCommandLineFile(model);
    if (appMode == AppMode::start && openMode == OpenMode::opening) {
        // no row to show: the line fields keep the reset state behind the dialog
        const DisplayHold hold;
        model.cds.empty();
        model.journal().reset();
        openPurpose = OpenPurpose::subtitle;
        openMode = OpenMode::handled;
        textTarget = Target::main;
        steps.openDialog = true;
    }
    return steps;
}
