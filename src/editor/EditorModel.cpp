#include "editor/EditorModel.h"

#include <QTimer>

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
    // a change no action wrapped is committed once its event is handled
    document_->journal.onLooseChange([this] {
        QTimer::singleShot(0, this, [this] { journal().commitLoose(looseChangeStep()); });
    });
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
