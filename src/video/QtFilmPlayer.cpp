#include "video/QtFilmPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

// The picture is painted by an ordinary widget from the player's frames, so
// that it stacks with the editor's controls like any other control (the
// subtitle lines, the large display in front or behind) and can be grabbed.
class FilmPicture : public QWidget {
public:
    explicit FilmPicture(QWidget *parent) : QWidget(parent), sink_(new QVideoSink(this))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
            frame_ = frame;
            update();
        });
    }
    QVideoSink *sink() const { return sink_; }
    QSize frameSize() const { return frame_.isValid() ? frame_.size() : QSize(); }
    void clear()
    {
        frame_ = QVideoFrame();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (!frame_.isValid())
            return;
        const QImage image = frame_.toImage();
        if (image.isNull())
            return;
        QSize size = image.size();
        size.scale(this->size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, image);
    }

private:
    QVideoSink *sink_;
    QVideoFrame frame_;
};

QtFilmPlayer::QtFilmPlayer(QWidget *parent)
    : FilmPlayer(parent), video_(new FilmPicture(parent))
{
    video_->setObjectName(QStringLiteral("wmp1Video"));
    // Without a sound device the film still plays, silently.
    if (!QMediaDevices::audioOutputs().isEmpty())
        audio_ = new QAudioOutput(this);
    makePlayer();
}

void QtFilmPlayer::makePlayer()
{
    player_ = new QMediaPlayer(this);
    player_->setVideoOutput(video_->sink());
    if (audio_)
        player_->setAudioOutput(audio_);
    connect(player_, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState) { emit stateChanged(state()); });
}

QWidget *QtFilmPlayer::videoWidget()
{
    return video_;
}

bool QtFilmPlayer::open(const QString &path)
{
    // A player keeps the error of a film it could not open, and that error
    // would fail every later film: a fresh player starts without it.
    if (player_->error() != QMediaPlayer::NoError) {
        QMediaPlayer *failed = player_;
        failed->disconnect(this);
        failed->setVideoOutput(nullptr);
        failed->setAudioOutput(nullptr);
        failed->deleteLater();
        makePlayer();
    }
    player_->stop();
    source_ = path;
    if (path.isEmpty()) {
        player_->setSource(QUrl());
        video_->clear();
        return true;
    }
    player_->setSource(QUrl::fromLocalFile(path));
    // The window keeps working while the media is opened.
    QEventLoop loop;
    const auto settled = [this] {
        const auto s = player_->mediaStatus();
        return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::BufferedMedia
               || s == QMediaPlayer::BufferingMedia || s == QMediaPlayer::EndOfMedia
               || s == QMediaPlayer::InvalidMedia || player_->error() != QMediaPlayer::NoError;
    };
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto c1 = connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
        if (settled())
            loop.quit();
    });
    auto c2 = connect(player_, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    if (!settled()) {
        timeout.start(openTimeoutMs);
        loop.exec();
    }
    disconnect(c1);
    disconnect(c2);
    const bool ok = player_->error() == QMediaPlayer::NoError
                    && player_->mediaStatus() != QMediaPlayer::InvalidMedia
                    && player_->mediaStatus() != QMediaPlayer::LoadingMedia
                    && player_->hasVideo();
    if (!ok) {
        player_->setSource(QUrl());
        source_.clear();
    }
    return ok;
}

void QtFilmPlayer::play()
{
    player_->play();
}

void QtFilmPlayer::pause()
{
    player_->pause();
}

void QtFilmPlayer::stop()
{
    player_->stop();
}

FilmPlayer::State QtFilmPlayer::state() const
{
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState: return Playing;
    case QMediaPlayer::PausedState: return Paused;
    default: return Stopped;
    }
}

double QtFilmPlayer::position() const
{
    return player_->position() / 1000.0;
}

void QtFilmPlayer::setPosition(double seconds)
{
    player_->setPosition(qMax<qint64>(0, qint64(seconds * 1000.0 + 0.5)));
}

qint64 QtFilmPlayer::durationMs() const
{
    return player_->duration();
}

QSize QtFilmPlayer::imageSize() const
{
    const QVariant res = player_->metaData().value(QMediaMetaData::Resolution);
    if (res.isValid() && !res.toSize().isEmpty())
        return res.toSize();
    return video_->frameSize();
}

void installQtFilmPlayer()
{
    installFilmPlayerFactory([](QWidget *parent) -> FilmPlayer * { return new QtFilmPlayer(parent); });
}
