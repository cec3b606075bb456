#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// A film's sound for analysis: its first audio stream decoded through
// FFmpeg's libraries, every channel layout mixed down to one channel and
// resampled to a low fixed rate. Safe to run on a background thread; the
// calls share no state.

inline constexpr int filmAudioRate = 8000;

struct FilmAudioCallbacks {
    // Each block of mono samples (-1..1) in order, at filmAudioRate.
    std::function<void(const float *samples, std::size_t count)> samples;
    // Done share of the film (0..1), at most a few hundred times a decode;
    // returning false cancels the decode.
    std::function<bool(double done)> progress;
};

struct FilmAudioResult {
    enum Status { Done, Cancelled, NoFile, NoAudio, Broken } status = Done;
    QString error;          // FFmpeg's own words, when it had any
    double durationSeconds = 0;  // of the samples delivered
};

FilmAudioResult decodeFilmAudio(const QString &path, const FilmAudioCallbacks &callbacks);

// The whole sound in memory (for short films and tests).
FilmAudioResult decodeFilmAudio(const QString &path, std::vector<float> &out,
                                const std::function<bool(double)> &progress = {});
