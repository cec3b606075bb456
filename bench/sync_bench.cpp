#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "media/FilmSync.h"
#include "media/SyncAlign.h"

// Synchronisation of a two-hour film, decoding included: a synthetic
// soundtrack (voiced syllables of changing pitch for each row, chords and
// noise under them) encoded as the usual stereo AAC at 48 kHz. The film is
// made once per run (about a minute of FFmpeg encoding, not measured).

namespace {

constexpr int makeRate = 16000;
constexpr double filmSeconds = 2 * 3600;

struct LongFilm {
    QString path;
    std::vector<SyncSpan> rows;
};

struct Voice {
    double from, to, pitch;
};

// The samples [first, first + count) of the soundtrack: the voices that
// fall there, chords changing every two seconds, and noise.
void synthesize(const std::vector<Voice> &voices, std::size_t first, std::vector<float> &s,
                std::mt19937 &random)
{
    std::normal_distribution<float> noise(0, 0.01f);
    const double roots[] = {220, 196, 174.6, 261.6, 246.9};
    for (std::size_t k = 0; k < s.size(); ++k) {
        const double t = double(first + k) / makeRate;
        const double root = roots[std::size_t(t / 2) % 5];
        s[k] = float(0.02 * (std::sin(2 * std::numbers::pi * root * t)
                             + std::sin(2 * std::numbers::pi * root * 1.5 * t)))
               + noise(random);
    }
    const double begin = double(first) / makeRate, end = double(first + s.size()) / makeRate;
    auto v = std::lower_bound(voices.begin(), voices.end(), begin - 5,
                              [](const Voice &a, double t) { return a.from < t; });
    for (; v != voices.end() && v->from < end; ++v) {
        const double a = std::max(v->from, begin), b = std::min(v->to, end);
        for (std::size_t k = std::size_t((a - begin) * makeRate); k < s.size() && k < std::size_t((b - begin) * makeRate); ++k) {
            const double t = double(first + k) / makeRate;
            const double u = t - v->from;
            const double syllables = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * 4.5 * u);
            double x = 0;
            for (int h = 1; h <= 6; ++h)
                x += std::sin(2 * std::numbers::pi * v->pitch * h * u) / h;
            s[k] += float(0.3 * syllables * x);
        }
    }
}

QByteArray wavHeader(std::size_t samples)
{
    QByteArray out(44, '\0');
    char *d = out.data();
    memcpy(d, "RIFF", 4);
    qToLittleEndian<quint32>(quint32(36 + samples * 2), d + 4);
    memcpy(d + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, d + 16);
    qToLittleEndian<quint16>(1, d + 20);
    qToLittleEndian<quint16>(1, d + 22);
    qToLittleEndian<quint32>(makeRate, d + 24);
    qToLittleEndian<quint32>(makeRate * 2, d + 28);
    qToLittleEndian<quint16>(2, d + 32);
    qToLittleEndian<quint16>(16, d + 34);
    memcpy(d + 36, "data", 4);
    qToLittleEndian<quint32>(quint32(samples * 2), d + 40);
    return out;
}

const LongFilm &longFilm()
{
    static QTemporaryDir folder;
    static LongFilm film = [] {
        LongFilm f;
        std::mt19937 random(1);
        std::uniform_real_distribution<double> length(0.8, 4), gap(0.3, 3), pitch(90, 220);
        std::vector<Voice> voices;
        for (double at = 30; at < filmSeconds - 10;) {
            const double l = length(random);
            voices.push_back({at, at + l, pitch(random)});
            f.rows.push_back({at, at + l});
            at += l + gap(random);
        }
        const QString sound = folder.filePath(QStringLiteral("sound.wav"));
        QFile file(sound);
        file.open(QIODevice::WriteOnly);
        const std::size_t total = std::size_t(filmSeconds * makeRate);
        file.write(wavHeader(total));
        std::vector<float> block;
        QByteArray bytes;
        for (std::size_t first = 0; first < total; first += 60 * makeRate) {
            block.assign(std::min<std::size_t>(60 * makeRate, total - first), 0.0f);
            synthesize(voices, first, block, random);
            bytes.resize(qsizetype(block.size()) * 2);
            for (std::size_t k = 0; k < block.size(); ++k)
                qToLittleEndian<qint16>(qint16(std::lround(std::clamp(block[k], -1.0f, 1.0f) * 32767)),
                                        bytes.data() + k * 2);
            file.write(bytes);
        }
        file.close();
        f.path = folder.filePath(QStringLiteral("film.mkv"));
        QProcess ffmpeg;
        ffmpeg.start(QStandardPaths::findExecutable(QStringLiteral("ffmpeg")),
                     {"-v", "error", "-i", sound, "-ac", "2", "-ar", "48000", "-c:a", "aac", "-b:a",
                      "128k", "-y", f.path});
        ffmpeg.waitForFinished(-1);
        QFile::remove(sound);
        return f;
    }();
    return film;
}

// The whole work of `sync`: the sound decoded, its speech found, the rows
// (damaged 25 -> 23.976 and 41.3 s late) aligned with ratios and splits.
void BM_SyncTwoHourFilm(benchmark::State &state)
{
    const LongFilm &film = longFilm();
    std::vector<SyncSpan> damaged = film.rows;
    for (SyncSpan &s : damaged)
        s = {s.start * 25 / 23.976 + 41.3, s.end * 25 / 23.976 + 41.3};
    double worst = 0;
    std::vector<double> errors;
    for (auto _ : state) {
        const FilmSpeech speech = filmSpeech(film.path);
        const SyncResult r = alignToSpeech(speech.mask, damaged, {});
        errors.clear();
        for (std::size_t i = 0; i < damaged.size(); ++i)
            errors.push_back(std::abs(r.mapped(int(i), damaged[i].start) - film.rows[i].start));
        worst = *std::max_element(errors.begin(), errors.end());
    }
    std::nth_element(errors.begin(), errors.begin() + errors.size() / 2, errors.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = double(film.rows.size());
    state.counters["median_error_ms"] = errors[errors.size() / 2] * 1000;
    state.counters["worst_error_ms"] = worst * 1000;
    state.counters["peak_MiB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_SyncTwoHourFilm)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1)->Repetitions(3);

// The alignment alone, on the speech of the same film.
void BM_AlignTwoHourFilm(benchmark::State &state)
{
    const LongFilm &film = longFilm();
    const FilmSpeech speech = filmSpeech(film.path);
    std::vector<SyncSpan> damaged = film.rows;
    for (SyncSpan &s : damaged)
        s = {s.start + 41.3, s.end + 41.3};
    for (auto _ : state)
        benchmark::DoNotOptimize(alignToSpeech(speech.mask, damaged, {}));
}
BENCHMARK(BM_AlignTwoHourFilm)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
