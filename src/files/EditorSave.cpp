#include "files/EditorSave.h"

#include "editor/EditorModel.h"
#include "files/SubtitleWriter.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// The save-time overlap check when the editor's option asks for it.
class OptionalOverlapCheck {
public:
    explicit OptionalOverlapCheck(EditorModel &model) : check_(model), on_(model.options.mentAt) {}
    WriteCheck *get() { return on_ ? &check_ : nullptr; }

private:
    SaveOverlapCheck check_;
    bool on_;
};

}  // namespace

bool saveSubtitle(EditorModel &model, bool askName, bool announce)
{
    OptionalOverlapCheck check(model);
    return saveSubtitle(model, askName, announce, check.get());
}

bool saveSecondSubtitle(EditorModel &model)
{
    OptionalOverlapCheck check(model);
    return saveSecondSubtitle(model, check.get());
}

bool writeTimeFile(EditorModel &model, const QString &target)
{
    OptionalOverlapCheck check(model);
    return writeTimeFile(model, target, check.get());
}
