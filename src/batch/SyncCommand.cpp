#include <QFileInfo>

#include "batch/BatchCommands.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "media/FilmSync.h"
#include "media/SyncApply.h"

namespace {

bool isSubtitleName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("srt") || suffix == QLatin1String("sub");
}

QString seconds(double value)
{
    return QString::number(value, 'f', 3);
}

void addRecords(BatchContext &context, const SyncResult &result)
{
    context.out.addMessage({QStringLiteral("sync"), seconds(result.pieces.front().offset),
                            QString::number(result.ratio, 'f', 6),
                            QString::number(result.pieces.size()),
                            confidenceText(result.confidence),
                            result.standardRatio ? QStringLiteral("standard") : QStringLiteral("free")});
    for (const SyncPiece &p : result.pieces)
        context.out.addMessage({QStringLiteral("piece"), QString::number(p.firstRow + 1),
                                QString::number(p.lastRow + 1), seconds(p.offset)});
}

// What the rows are aligned to: a film's speech, or a reference subtitle's rows.
int targetMask(BatchContext &context, const QString &path, std::vector<std::uint8_t> &mask)
{
    if (isSubtitleName(path)) {
        if (const int status = readInput(context, path); status != ExitDone)
            return status;
        mask = spanMask(tableSpans(context.model));
        return ExitDone;
    }
    const FilmSpeech speech = filmSpeech(path);
    if (speech.audio.status != FilmAudioResult::Done) {
        announceUnreadableSound(speech.audio);
        return speech.audio.status == FilmAudioResult::NoAudio ? ExitRefused : ExitUnreadable;
    }
    mask = speech.mask;
    return ExitDone;
}

// The rows moved onto the film's speech (or the reference's rows): one offset,
// a frame-rate ratio and pieces cut apart, as the switches allow. A result
// that is not sure enough is printed but not written.
int runSync(BatchContext &context)
{
    std::vector<std::uint8_t> mask;
    if (const int status = targetMask(context, context.operand("FILM|REFERENCE"), mask);
        status != ExitDone)
        return status;
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    const SyncOptions options{.splits = !context.has("--no-splits"), .ratio = !context.has("--no-ratio")};
    const SyncResult result = alignToSpeech(mask, tableSpans(context.model), options);
    if (result.status == SyncResult::Found)
        addRecords(context, result);
    if (!syncAcceptable(result))
        return ExitRefused;
    applySync(context.model, result);
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

constexpr BatchSwitch syncSwitches[] = {
    {"--no-splits", nullptr, "one offset for every row: no pieces where the film was cut"},
    {"--no-ratio", nullptr, "no frame-rate ratio: offsets only"},
};

}  // namespace

const BatchCommand syncCommand{
    "sync", "FILM|REFERENCE IN OUT", syncSwitches,
    "move IN's rows onto the speech of FILM (or the rows of a REFERENCE .srt/.sub): "
    "prints `sync` (offset, ratio, pieces, confidence, standard|free) and one `piece` per "
    "part (first row, last row, offset); exit 4 when no speech or too low a confidence",
    runSync};
