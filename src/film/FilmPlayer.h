#pragma once
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

// The film player the editor embeds. The editor sees only this; the real
// player (Qt Multimedia) is installed at start-up in the full edition, and
// without one the editor has no film at all.
class FilmPlayer : public QObject {
    Q_OBJECT
public:
    enum State { Stopped = 1, Paused = 2, Playing = 3 };

    using QObject::QObject;
    ~FilmPlayer() override = default;

    // The picture, to be placed in the editor.
    virtual QWidget *videoWidget() = 0;

    // Loads the film at path (an empty path unloads) and waits, keeping the
    // window alive, until it can be played or has failed. True when the
    // film is ready.
    virtual bool open(const QString &path) = 0;
    virtual QString source() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual State state() const = 0;

    // Seconds from the film's start.
    virtual double position() const = 0;
    virtual void setPosition(double seconds) = 0;
    // 0 while unknown.
    virtual qint64 durationMs() const = 0;
    virtual QSize imageSize() const = 0;

signals:
    void stateChanged(int state);
};

// Makes the player for an editor window (nullptr when it cannot be made).
using FilmPlayerFactory = std::function<FilmPlayer *(QWidget *parent)>;
// The full edition installs its player before the windows are created; an
// empty factory means an edition without a film.
void installFilmPlayerFactory(FilmPlayerFactory factory);
const FilmPlayerFactory &filmPlayerFactory();
