#pragma once
#include <QString>
#include <string>
#include <vector>

// A synthetic film for the synchronisation tests, made at test time: each
// row's sentence spoken by espeak-ng at the row's true time, under noise and
// music, muxed by the ffmpeg command into a film with a small picture. Made
// once per test binary run into a temporary folder.

struct TrueRow {
    double start = 0;  // seconds: where the speech begins in the film
    double end = 0;
};

struct SpeechFilm {
    bool made = false;
    std::string error;     // what went wrong when not made
    QString path;          // the film
    QString silentPath;    // the same film's noise and music without speech
    std::vector<TrueRow> rows;
};

// The shared film (about four minutes: a minute of music, then dialogue).
const SpeechFilm &speechFilm();

// An SRT of the rows (starts and ends in seconds), texts "Sor N".
QByteArray srtOf(const std::vector<TrueRow> &rows);
// The starts of an SRT the program wrote.
std::vector<double> srtStarts(const QByteArray &srt);
