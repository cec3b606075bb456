#include "support/SpeechFilm.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr int rate = 22050;  // espeak-ng's own rate

const char *const sentences[] = {
    "Where have you been all this time",
    "I waited for you at the station until midnight",
    "Nobody told me the train was late",
    "We should leave before the storm comes",
    "Do you remember the house by the river",
    "Give me the keys and wait here",
    "That is not what I asked you to do",
    "The doctor will see you in the morning",
    "Tell them we are coming tonight",
    "I never wanted any of this to happen",
    "Look at the window, someone is there",
    "Yes, of course, thank you very much",
};

bool run(const QString &program, const QStringList &args, std::string *error)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = (program + u' ' + args.join(u' ')).toStdString() + ": "
                 + p.readAllStandardError().toStdString();
        return false;
    }
    return true;
}

// The samples of a 16-bit mono WAV file, its chunks walked.
std::vector<float> wavSamples(const QByteArray &bytes)
{
    std::vector<float> out;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        at += 8;
        if (id == "data") {
            size = qMin(size, bytes.size() - at);
            for (qsizetype i = 0; i + 1 < size; i += 2)
                out.push_back(qFromLittleEndian<qint16>(bytes.constData() + at + i) / 32768.0f);
            break;
        }
        at += size + (size & 1);
    }
    return out;
}

// Silence cut from both ends, so the row's start is where the voice begins.
std::vector<float> trimmed(const std::vector<float> &s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && std::abs(s[a]) < 0.002f)
        ++a;
    while (b > a && std::abs(s[b - 1]) < 0.002f)
        --b;
    return {s.begin() + a, s.begin() + b};
}

QByteArray wavBytes(const std::vector<float> &s)
{
    QByteArray out(44, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, out.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, out.data() + at); };
    memcpy(out.data(), "RIFF", 4);
    put32(4, quint32(36 + s.size() * 2));
    memcpy(out.data() + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, rate);
    put32(28, rate * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(out.data() + 36, "data", 4);
    put32(40, quint32(s.size() * 2));
    out.resize(44 + qsizetype(s.size()) * 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        qToLittleEndian(qint16(std::lround(std::clamp(s[i], -1.0f, 1.0f) * 32767)),
                        out.data() + 44 + i * 2);
    return out;
}

// Chords that change every two seconds with a slow swell, and white noise.
void addBackground(std::vector<float> &s)
{
    std::mt19937 random(7);
    std::normal_distribution<float> noise(0.0f, 0.01f);
    const double roots[] = {220, 196, 174.6, 261.6, 246.9};
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double root = roots[std::size_t(t / 2) % 5];
        const double swell = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * t / 7);
        double music = 0;
        for (double m : {1.0, 1.26, 1.5, 2.0})
            music += std::sin(2 * std::numbers::pi * root * m * t);
        s[i] += float(0.03 * swell * music) + noise(random);
    }
}

bool mux(const QString &ffmpeg, const QString &wav, const QString &film, std::string *error)
{
    return run(ffmpeg,
               {"-v", "error", "-f", "lavfi", "-i", "color=c=black:size=64x48:rate=2", "-i", wav,
                "-shortest", "-c:v", "mjpeg", "-c:a", "aac", "-b:a", "128k", "-ar", "48000", "-ac", "2", "-y", film},
               error);
}

SpeechFilm makeSpeechFilm()
{
    SpeechFilm film;
    static QTemporaryDir folder;
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (espeak.isEmpty() || ffmpeg.isEmpty() || !folder.isValid()) {
        film.error = "espeak-ng or ffmpeg is missing";
        return film;
    }
    std::vector<std::vector<float>> voices;
    for (const char *sentence : sentences) {
        const QString wav = folder.filePath(QStringLiteral("voice.wav"));
        if (!run(espeak, {"-w", wav, QString::fromLatin1(sentence)}, &film.error))
            return film;
        QFile f(wav);
        f.open(QIODevice::ReadOnly);
        voices.push_back(trimmed(wavSamples(f.readAll())));
    }
    // a minute of music first, so that a subtitle 60 s early still fits
    std::mt19937 random(11);
    std::uniform_real_distribution<double> gap(0.4, 2.5);
    double at = 62.0;
    const double length = 245.0;
    std::vector<float> speech(std::size_t(length * rate), 0.0f);
    for (std::size_t i = 0; at < length - 6; ++i) {
        const std::vector<float> &v = voices[i % voices.size()];
        const std::size_t first = std::size_t(std::lround(at * rate));
        for (std::size_t k = 0; k < v.size(); ++k)
            speech[first + k] += v[k] * 0.8f;
        film.rows.push_back({double(first) / rate, double(first + v.size()) / rate});
        at = film.rows.back().end + gap(random);
    }
    std::vector<float> background(speech.size(), 0.0f);
    addBackground(background);
    for (std::size_t i = 0; i < speech.size(); ++i)
        speech[i] += background[i];
    const QString wav = folder.filePath(QStringLiteral("sound.wav"));
    const QString silentWav = folder.filePath(QStringLiteral("silent.wav"));
    {
        QFile f(wav);
        f.open(QIODevice::WriteOnly);
        f.write(wavBytes(speech));
        QFile g(silentWav);
        g.open(QIODevice::WriteOnly);
        g.write(wavBytes(background));
    }
    film.path = folder.filePath(QStringLiteral("film.mkv"));
    film.silentPath = folder.filePath(QStringLiteral("silent.mkv"));
    film.made = mux(ffmpeg, wav, film.path, &film.error) && mux(ffmpeg, silentWav, film.silentPath, &film.error);
    return film;
}

QString timeCode(double seconds)
{
    const long ms = std::max(0L, std::lround(seconds * 1000));
    return QString::asprintf("%02ld:%02ld:%02ld,%03ld", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                             ms % 1000);
}

}  // namespace

const SpeechFilm &speechFilm()
{
    static const SpeechFilm film = makeSpeechFilm();
    return film;
}

QByteArray srtOf(const std::vector<TrueRow> &rows)
{
    QString out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += QString::number(i + 1) + QStringLiteral("\r\n") + timeCode(rows[i].start)
               + QStringLiteral(" --> ") + timeCode(rows[i].end) + QStringLiteral("\r\nSor ")
               + QString::number(i + 1) + QStringLiteral("\r\n\r\n");
    return out.toUtf8();
}

std::vector<double> srtStarts(const QByteArray &srt)
{
    static const QRegularExpression line(
        QStringLiteral("^(\\d\\d):(\\d\\d):(\\d\\d),(\\d\\d\\d) --> "), QRegularExpression::MultilineOption);
    std::vector<double> out;
    for (auto m = line.globalMatch(QString::fromUtf8(srt)); m.hasNext();) {
        const auto h = m.next();
        out.push_back(h.captured(1).toInt() * 3600 + h.captured(2).toInt() * 60 + h.captured(3).toInt()
                      + h.captured(4).toInt() / 1000.0);
    }
    return out;
}
