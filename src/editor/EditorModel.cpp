#include "editor/EditorModel.h"

#include <QTimer>

#include "editor/EditorControls.h"

namespace {

EditorHost noHost;

}  // namespace

EditorModel::EditorModel(QObject *parent)
    : QObject(parent),
      document_(std::make_unique<SubtitleDocument>()),
      cds(document_->table),
      secondFileName(document_->secondFileName),
      fileEncoding(document_->encoding),
      secondFileEncoding(document_->secondEncoding),
      host_(&noHost)
{
    {
        // the values a new editor starts with are no user's change
        document_->journal.pause();
        document_->setValue(SubtitleDocument::Value::TimeBase, TimeBase::frame);
        document_->setValue(SubtitleDocument::Value::Fps, QStringLiteral("23,976"));
        document_->journal.resume();
    }
    document_->onValueRestored([this](SubtitleDocument::Value which) {
        if (which == SubtitleDocument::Value::TimeBase)
            emit timeBaseChanged(timeBase());
        else
            emit fpsChanged(fps());
    });
    document_->journal.onHistoryChanged([this] { emit historyChanged(); });
    // a change no action wrapped is committed once its event is handled
    document_->journal.onLooseChange([this] {
        QTimer::singleShot(0, this, [this] { journal().commitLoose(looseChangeStep()); });
    });
    enabled_.fill(-1);
    visible_.fill(-1);
    checked_.fill(-1);
    setModified(false);
}

EditorModel::~EditorModel() = default;

QString looseChangeStep()
{
    return QStringLiteral("Módosítás");
}

void EditorModel::setTimeBase(const QString &base)
{
    document_->setValue(SubtitleDocument::Value::TimeBase, base);
    emit timeBaseChanged(base);
}

void EditorModel::setFps(const QString &fps)
{
    if (document_->setValue(SubtitleDocument::Value::Fps, fps))
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
    showMarker();
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
    // nothing unsaved: undoing back to here clears the marker again
    if (!on)
        journal().markSaved();
    setEnabled(Ctl::Bmentes, on);
    setEnabled(Ctl::Mentes1, on);
    emit unsavedChanged();
}

void EditorModel::setHost(EditorHost *host)
{
    host_ = host ? host : &noHost;
}
