#include <QTextStream>

#include "app/ModeGlobals.h"
#include "batch/BatchCommands.h"
#include "editor/EditorModel.h"
#include "tools/text/GeneralFixes.h"
#include "tools/text/LineJoin.h"
#include "tools/text/DashTool.h"
#include "tools/text/CharacterTools.h"
#include "tools/text/AggressiveBreak.h"
#include "tools/text/SoundNames.h"

namespace {

// The text tools by their TOOL names; each later tool is one more line.
struct FixTool {
    const char *name;
    int (*run)(EditorModel &model);
    // Only for a time-based table, as the editor enables the item.
    bool timeBaseOnly = false;
};

const FixTool fixTools[] = {
    {"general", [](EditorModel &model) { return runGeneralFixes(model, edition); }},
    {"sound", [](EditorModel &model) { return runSoundNames(model, false).changes; }},
    {"sound-extra", [](EditorModel &model) { return runSoundNames(model, true).changes; }},
    {"aggressive", [](EditorModel &model) { return runAggressiveBreak(model).changed(); }, true},
    {"halve", [](EditorModel &model) { return runLineHalving(model); }},
    {"join", runLineJoin},
    {"dash", runDashTool},
    {"l-to-i", runLToI},
    {"accents", runAccentRemoval},
    {"lower", runLowerCase},
    {"empty-rows", runEmptyRowDeletion},
    {"space-before", runSpaceBefore},
    {"space-after", runSpaceAfter},
};

const FixTool *findFixTool(const QString &name)
{
    for (const FixTool &tool : fixTools)
        if (name == QLatin1String(tool.name))
            return &tool;
    return nullptr;
}

// One text tool over every row, as its button runs it; OUT is written in
// the table's own kind without the save-time check, so the printed log is
// the tool's own.
int runFix(BatchContext &context)
{
    const QString name = context.operand("TOOL");
    const FixTool *tool = findFixTool(name);
    if (!tool) {
        QStringList names;
        for (const FixTool &t : fixTools)
            names.append(QLatin1String(t.name));
        QTextStream(stderr) << "kelvo-batch: unknown tool " << name << " (tools: "
                            << names.join(QStringLiteral(" ")) << ")\n";
        return ExitUsage;
    }
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    if (tool->timeBaseOnly && !context.model.isTimeBase()) {
        QTextStream(stderr) << "kelvo-batch: " << name << " works on time-based subtitles only\n";
        return ExitRefused;
    }
    tool->run(context.model);
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

}  // namespace

const BatchCommand fixCommand{
    "fix", "TOOL IN OUT", {},
    "one text tool over every row (TOOL: general, the \"Ö\" button; sound and sound-extra, "
    "the removals of sound-imitation text and names; aggressive, the aggressive line breaking "
    "of time-based subtitles at --threshold; halve, line halving; join, the \"öh\" button; dash, the \"1*-\" button; l-to-i, "
    "accents, lower, empty-rows, space-before and space-after, the character tools of the "
    "menu); OUT is written in the "
    "table's own kind without the save-time check",
    runFix};
