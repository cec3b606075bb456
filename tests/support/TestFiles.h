#pragma once
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <string>

// A file's bytes; "<missing>" when it cannot be read, so a missing file
// never equals an empty one.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// A short MJPEG film made by FFmpeg from one of its generated sources
// ("testsrc=duration=2:size=160x120:rate=25"). found is false when FFmpeg
// is not installed; otherwise made tells whether the film was written, and
// error holds what FFmpeg said when it was not.
struct MadeFilm {
    bool found = false;
    bool made = false;
    std::string error;
};

inline MadeFilm makeFilm(const QString &path, const QString &source, int quality = 5)
{
    MadeFilm film;
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    film.found = !ffmpeg.isEmpty();
    if (!film.found)
        return film;
    QProcess make;
    make.start(ffmpeg, {"-v", "error", "-f", "lavfi", "-i", source, "-c:v", "mjpeg", "-q:v",
                        QString::number(quality), "-y", path});
    film.made = make.waitForFinished(120000) && make.exitStatus() == QProcess::NormalExit
                && make.exitCode() == 0;
    if (!film.made)
        film.error = make.readAllStandardError().toStdString();
    return film;
}
