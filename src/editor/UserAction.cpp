#include "editor/UserAction.h"

#include "editor/EditorControls.h"
#include "editor/EditorModel.h"

namespace {

struct StepName {
    Ctl control;
    const char *name;  // UTF-8
};

// Buttons whose captions say nothing out of their place.
const StepName ownNames[] = {
    {Ctl::BOsszes, "Általános javítás"},
    {Ctl::Bvonal, "Egy „-” jelből álló sorok javítása"},
    {Ctl::Boh, "Rövid sorok összevonása"},
    {Ctl::B12, "Határ áthelyezése"},
    {Ctl::B22, "Határ áthelyezése"},
    {Ctl::B21, "Határ áthelyezése"},
    {Ctl::Bov, "Összevonás az előző sorral"},
    {Ctl::Bovm, "Összevonás az előző sorral"},
    {Ctl::Mov, "Másik felirat összevonása"},
    {Ctl::movm, "Másik felirat összevonása"},
    {Ctl::Bmodok, "Módosítás végrehajtása"},
    {Ctl::Bertek, "Értékek beállítása"},
    {Ctl::Batvaltas, "Átváltás"},
    {Ctl::BFPS, "FPS érték AVI-ból"},
    {Ctl::Bvegrehajt, "CD egyesítése"},
    {Ctl::Bvegre21, "CD szétvágása"},
    {Ctl::SBkezdo, "Beállítás kezdő értékként"},
    {Ctl::SBbefejezes, "Beállítás befejező értékként"},
    {Ctl::SBkezdbefejez, "Beállítás befejező és következő kezdő értékként"},
};

QString withoutEllipsis(QString caption)
{
    while (caption.endsWith(u'.'))
        caption.chop(1);
    return caption.trimmed();
}

}  // namespace

QString actionStepName(Ctl control)
{
    for (const StepName &s : ownNames) {
        if (control == s.control)
            return QString::fromUtf8(s.name);
    }
    if (const MenuSpec *item = editorMenuEntry(control); item && *item->caption)
        return withoutEllipsis(QString::fromUtf8(item->caption));
    if (const ControlSpec *c = editorControl(control)) {
        if (*c->hint)
            return QString::fromUtf8(c->hint);
        return withoutEllipsis(QString::fromUtf8(c->caption));
    }
    return nameOf(control);
}

UserAction::UserAction(EditorModel &model, const QString &name)
    : step_(&model.journal(), name)
{
}
