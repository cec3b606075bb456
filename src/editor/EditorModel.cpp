#include "editor/EditorModel.h"

#include "editor/EditorControls.h"

namespace {

EditorHost noHost;

bool knownControl(const QString &name)
{
    if (isEditorControlName(name))
        return true;
    if (!unknownControlNames().contains(name)) {
        unknownControlNames().append(name);
        qWarning("EditorModel: no window has a control named %s", qPrintable(name));
    }
    return false;
}

}  // namespace

QStringList &unknownControlNames()
{
    static QStringList names;
    return names;
}

EditorModel::EditorModel(QObject *parent) : QObject(parent), host_(&noHost)
{
    setModified(false);
}

void EditorModel::setTimeBase(const QString &base)
{
    timeBase_ = base;
    emit timeBaseChanged(base);
}

void EditorModel::setFps(const QString &fps)
{
    if (fps_ == fps)
        return;
    fps_ = fps;
    emit fpsChanged(fps);
}

void EditorModel::setThreshold(int t)
{
    t = qBound(10, t, 99);
    if (threshold_ == t)
        return;
    threshold_ = t;
}

void EditorModel::setEnabled(const QString &control, bool on)
{
    if (!knownControl(control))
        return;
    auto it = enabled_.find(control);
    if (it != enabled_.end() && *it == on)
        return;
    enabled_.insert(control, on);
    emit controlChanged(control);
}

void EditorModel::setVisible(const QString &control, bool on)
{
    if (!knownControl(control))
        return;
    auto it = visible_.find(control);
    if (it != visible_.end() && *it == on)
        return;
    visible_.insert(control, on);
    emit controlChanged(control);
}

void EditorModel::setChecked(const QString &control, bool on)
{
    if (!knownControl(control))
        return;
    auto it = checked_.find(control);
    if (it != checked_.end() && *it == on)
        return;
    checked_.insert(control, on);
    emit controlChanged(control);
}

void EditorModel::setModified(bool on)
{
    mainUnsaved_ = on;
    // Row and time changes reach the second file too; a second subtitle is
    // loaded while its save item is on (set so, not on by default).
    secondUnsaved_ = on && enabled_.value(QStringLiteral("MentesMF"), false);
    setEnabled(QStringLiteral("Bmentes"), on);
    setEnabled(QStringLiteral("Mentes1"), on);
    emit unsavedChanged();
}

void EditorModel::markChanged(Subtitle which)
{
    (which == Subtitle::main ? mainUnsaved_ : secondUnsaved_) = true;
    showMarker();
}

void EditorModel::markSaved(Subtitle which)
{
    (which == Subtitle::main ? mainUnsaved_ : secondUnsaved_) = false;
    showMarker();
}

void EditorModel::showMarker()
{
    const bool on = mainUnsaved_ || secondUnsaved_;
    setEnabled(QStringLiteral("Bmentes"), on);
    setEnabled(QStringLiteral("Mentes1"), on);
    emit unsavedChanged();
}

void EditorModel::setHost(EditorHost *host)
{
    host_ = host ? host : &noHost;
}
