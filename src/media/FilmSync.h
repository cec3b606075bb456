#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "media/FilmAudio.h"
#include "media/SyncAlign.h"

// The steps the editor's window and kelvo-batch share: the film's speech
// mask, and the messages that tell why a synchronisation is not applied.

struct FilmSpeech {
    FilmAudioResult audio;
    std::vector<std::uint8_t> mask;  // 10 ms frames
};

// Decodes the film's sound and finds its speech; progress as decodeFilmAudio.
FilmSpeech filmSpeech(const QString &path, const std::function<bool(double)> &progress = {});

// "A film hangját nem lehet beolvasni!" with FFmpeg's reason.
void announceUnreadableSound(const FilmAudioResult &audio);
// True when the result may be applied; otherwise says why (no speech, a
// confidence under syncConfidenceFloor) and returns false.
bool syncAcceptable(const SyncResult &result);
// "87%": the confidence as the window and the records show it.
QString confidenceText(double confidence);
