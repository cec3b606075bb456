#include <QFileInfo>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "files/ConvertSubtitle.h"
#include "files/FileGlobals.h"
#include "files/SubtitleFormat.h"

namespace {

// The conversion window's double click on FORMAT, with OUT as the name the
// file-name dialog would have given.
int runConvert(BatchContext &context)
{
    const QString name = context.operand("FORMAT");
    if (!findSubtitleFormat(name)) {
        std::fprintf(stderr, "kelvo-batch: unknown format \"%s\" (see: kelvo-batch formats)\n",
                     name.toUtf8().constData());
        return ExitUsage;
    }
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    const QString out = context.operand("OUT");
    subtitlePath = out;
    subtitleFileName = QFileInfo(out).fileName();
    // only "save" runs the save-time overlap check
    const ConvertOutcome outcome = convertTable(context.model, name, false, nullptr);
    reportTable(context);
    switch (outcome) {
    case ConvertOutcome::Written:
        return ExitDone;
    case ConvertOutcome::Unwritable:
        return ExitUnwritable;
    default:
        return ExitRefused;
    }
}

int runFormats(BatchContext &context)
{
    for (const SubtitleFormat &f : subtitleFormats())
        context.out.addMessage({QStringLiteral("format"), f.name, f.extension,
                                f.convert || f.saveAs ? QStringLiteral("written")
                                                      : QStringLiteral("none")});
    return ExitDone;
}

}  // namespace

const BatchCommand convertCommand{
    "convert", "FORMAT IN OUT", {},
    "write the table in one of the listed formats (FORMAT exactly as `formats` names it); "
    "a format without a writer shows its message and exits 4",
    runConvert};

const BatchCommand formatsCommand{
    "formats", "", {},
    "list the 56 conversion formats: \"format\", name, extension, \"written\" or \"none\"",
    runFormats};
