#include "editor/Leaving.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"

bool mayLeaveEditor(EditorModel &model, bool noQuestion)
{
    boxAnswer = Answer::exitSave;
    quietBoxes = false;
    if (noQuestion || !model.modified())
        return true;
    showMessageBox(QStringLiteral("A felirat mentése!"), BoxKind::question,
                   QStringLiteral("A felirat módosítva lett!"), true, true, false,
                   QStringLiteral("Elmenti?"));
    if (boxAnswer == Answer::stayInEditor)
        return false;
    // "Nem" leaves the context as it was; any other answer was "Igen",
    // whose save may have set boxAnswer through its own dialogs.
    if (boxAnswer != Answer::exitSave && model.modified()) {
        quietBoxes = false;
        return false;
    }
    return true;
}

bool mayReplaceSubtitle(EditorModel &model)
{
    const bool may = mayLeaveEditor(model, false);
    quietBoxes = false;
    return may;
}

QString titleWithUnsaved(const QString &caption, const QList<TitledDocument> &documents)
{
    QStringList shown;
    bool anyUnsaved = false;
    for (const TitledDocument &d : documents) {
        anyUnsaved = anyUnsaved || d.unsaved;
        if (d.name.isEmpty() && !d.unsaved)
            continue;
        const QString name = d.name.isEmpty() ? QStringLiteral("névtelen") : d.name;
        shown << (d.unsaved ? u'*' + name : name);
    }
    if (!anyUnsaved)
        return caption;
    return caption + QStringLiteral(" – ") + shown.join(QStringLiteral(", "));
}
