#include "editor/UserAction.h"

#include "editor/EditorControls.h"
#include "editor/EditorModel.h"

namespace {

struct StepName {
    const char *control;
    const char *name;  // UTF-8
};

// Buttons whose captions say nothing out of their place.
const StepName ownNames[] = {
    {"BOsszes", "Általános javítás"},
    {"Bvonal", "Egy „-” jelből álló sorok javítása"},
    {"Boh", "Rövid sorok összevonása"},
    {"B12", "Határ áthelyezése"},
    {"B22", "Határ áthelyezése"},
    {"B21", "Határ áthelyezése"},
    {"Bov", "Összevonás az előző sorral"},
    {"Bovm", "Összevonás az előző sorral"},
    {"Mov", "Másik felirat összevonása"},
    {"movm", "Másik felirat összevonása"},
    {"Bmodok", "Módosítás végrehajtása"},
    {"Bertek", "Értékek beállítása"},
    {"Batvaltas", "Átváltás"},
    {"BFPS", "FPS érték AVI-ból"},
    {"Bvegrehajt", "CD egyesítése"},
    {"Bvegre21", "CD szétvágása"},
    {"SBkezdo", "Beállítás kezdő értékként"},
    {"SBbefejezes", "Beállítás befejező értékként"},
    {"SBkezdbefejez", "Beállítás befejező és következő kezdő értékként"},
};

QString withoutEllipsis(QString caption)
{
    while (caption.endsWith(u'.'))
        caption.chop(1);
    return caption.trimmed();
}

}  // namespace

QString actionStepName(QStringView control)
{
    for (const StepName &s : ownNames) {
        if (control == QLatin1String(s.control))
            return QString::fromUtf8(s.name);
    }
    if (const MenuSpec *item = editorMenuEntry(control); item && *item->caption)
        return withoutEllipsis(QString::fromUtf8(item->caption));
    if (const ControlSpec *c = editorControl(control)) {
        if (*c->hint)
            return QString::fromUtf8(c->hint);
        return withoutEllipsis(QString::fromUtf8(c->caption));
    }
    return control.toString();
}

UserAction::UserAction(EditorModel &model, const QString &name)
    : step_(&model.journal(), name)
{
}
