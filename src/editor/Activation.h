#pragma once

class EditorModel;

// What the editor window does on activation beyond the states set here.
struct ActivationSteps {
    bool newSubtitle = false;  // open mode "uj": prepare a new subtitle
    bool openDialog = false;   // after "Megnyitás": the open dialog, modally
};

// The editor's activation, routed by the mode globals: the CD group or the
// row editing group, the time base combo behind the open dialog, a file
// named on the command line read, and the table emptied before the open
// dialog shows.
ActivationSteps routeActivation(EditorModel &model);
