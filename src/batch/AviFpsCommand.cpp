#include "batch/BatchCommands.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "tools/timing/FpsConversion.h"

namespace {

// "FPS kinyerése" on FILE with the FPS box as a fresh editor has it (at
// --fps): prints "fps" and the text the box shows afterwards. A file that
// gives no rate, or no rate the box can take, is refused with its message.
int runAviFps(BatchContext &context)
{
    QStringList items = standardFpsList();
    QString current = context.model.fps();
    if (!extractAviFps(context.operand("FILE"), items, current))
        return ExitRefused;
    context.out.addMessage({QStringLiteral("fps"), current});
    return ExitDone;
}

}  // namespace

const BatchCommand aviFpsCommand{"avi-fps", "FILE", {},
                                 "the frame rate an AVI file gives, as the FPS box shows it",
                                 runAviFps};
