#pragma once
#include <QString>

#include "document/ChangeJournal.h"
#include "editor/EditorControls.h"

class EditorModel;

// The name a user knows an action of the editor by, for its journal step:
// one of our own for the buttons whose captions are signs ("Ö", "1-2"),
// else the menu item's caption, else the control's hint or caption.
QString actionStepName(Ctl control);

// One user action of the editor: whatever it changes in the subtitle is one
// step of the journal, committed when the outermost action ends.
class UserAction {
public:
    UserAction(EditorModel &model, const QString &name);
    UserAction(const UserAction &) = delete;
    UserAction &operator=(const UserAction &) = delete;

private:
    JournalStepGuard step_;
};
