#include "editor/EditorModel.h"

#include "editor/EditorControls.h"

namespace {

EditorHost noHost;

}  // namespace

EditorModel::EditorModel(QObject *parent) : QObject(parent), host_(&noHost)
{
    enabled_.fill(-1);
    visible_.fill(-1);
    checked_.fill(-1);
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

bool EditorModel::setState(States &states, Ctl control, bool on)
{
    if (control == Ctl::None)
        return false;
    signed char &state = states[ctlIndex(control)];
    if (state == static_cast<signed char>(on))
        return false;
    state = static_cast<signed char>(on);
    emit controlChanged(control);
    return true;
}

void EditorModel::setEnabled(Ctl control, bool on)
{
    setState(enabled_, control, on);
}

void EditorModel::setVisible(Ctl control, bool on)
{
    setState(visible_, control, on);
}

void EditorModel::setChecked(Ctl control, bool on)
{
    setState(checked_, control, on);
}

void EditorModel::setModified(bool on)
{
    mainUnsaved_ = on;
    // Row and time changes reach the second file too; a second subtitle is
    // loaded while its save item is on (set so, not on by default).
    secondUnsaved_ = on && enabled_[ctlIndex(Ctl::MentesMF)] == 1;
    setEnabled(Ctl::Bmentes, on);
    setEnabled(Ctl::Mentes1, on);
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
    setEnabled(Ctl::Bmentes, on);
    setEnabled(Ctl::Mentes1, on);
    emit unsavedChanged();
}

void EditorModel::setHost(EditorHost *host)
{
    host_ = host ? host : &noHost;
}
