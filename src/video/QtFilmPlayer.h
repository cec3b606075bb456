#pragma once
#include "film/FilmPlayer.h"

class QAudioOutput;
class QMediaPlayer;
class FilmPicture;

// The film player on Qt Multimedia.
class QtFilmPlayer : public FilmPlayer {
    Q_OBJECT
public:
    explicit QtFilmPlayer(QWidget *parent);

    QWidget *videoWidget() override;
    bool open(const QString &path) override;
    QString source() const override { return source_; }
    void play() override;
    void pause() override;
    void stop() override;
    State state() const override;
    double position() const override;
    void setPosition(double seconds) override;
    qint64 durationMs() const override;
    QSize imageSize() const override;

    // How long open() waits for the media before it gives up.
    static inline int openTimeoutMs = 15000;

private:
    // A new QMediaPlayer wired to the picture and the sound.
    void makePlayer();

    QMediaPlayer *player_ = nullptr;
    FilmPicture *video_;
    QAudioOutput *audio_ = nullptr;
    QString source_;
};

// Installs the Multimedia player as the editor's film player.
void installQtFilmPlayer();
