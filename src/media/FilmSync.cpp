#include "media/FilmSync.h"

#include <cmath>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "media/SpeechDetector.h"

namespace {

const QString syncTitle = QStringLiteral("Szinkronizálás");

}  // namespace

FilmSpeech filmSpeech(const QString &path, const std::function<bool(double)> &progress)
{
    FilmSpeech out;
    SpeechDetector detector;
    FilmAudioCallbacks callbacks;
    callbacks.samples = [&detector](const float *s, std::size_t n) { detector.feed(s, n); };
    callbacks.progress = progress;
    out.audio = decodeFilmAudio(path, callbacks);
    if (out.audio.status == FilmAudioResult::Done)
        out.mask = detector.finish();
    return out;
}

void announceUnreadableSound(const FilmAudioResult &audio)
{
    const QString second = audio.status == FilmAudioResult::NoAudio
                               ? QStringLiteral("A filmben nincs hangsáv.")
                               : audio.error;
    showMessageBox(syncTitle, BoxKind::error, QStringLiteral("A film hangját nem lehet beolvasni!"),
                   false, false, true, second);
}

QString confidenceText(double confidence)
{
    return QString::number(std::lround(confidence * 100)) + u'%';
}

bool syncAcceptable(const SyncResult &result)
{
    if (result.status == SyncResult::NoSpeech) {
        showMessageBox(syncTitle, BoxKind::error, QStringLiteral("Nem találtam beszédet a hangban!"),
                       false, false, true);
        return false;
    }
    if (result.status == SyncResult::NoRows)
        return false;
    if (result.confidence < syncConfidenceFloor) {
        showMessageBox(syncTitle, BoxKind::error,
                       QStringLiteral("Az illesztés bizonytalan, ezért nem alkalmaztam!"), false,
                       false, true,
                       QStringLiteral("Megbízhatóság: ") + confidenceText(result.confidence));
        return false;
    }
    return true;
}
