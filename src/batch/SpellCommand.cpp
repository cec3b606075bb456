#include "batch/BatchCommands.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "spell/HunspellDictionary.h"
#include "tools/spell/PersonalWords.h"
#include "tools/spell/SpellChecker.h"

namespace {

constexpr int suggestionsShown = 3;

// Prints a "spell" record per unknown word of the main text: row, 1-based
// position in the stored text ("|" for a line break), the word and its
// first suggestions. The user's personal word list counts as known.
int runSpell(BatchContext &context)
{
    if (const int status = readInput(context, context.operand("IN")); status != ExitDone)
        return status;
    auto dictionary = openInstalledDictionary(
        context.args.value(QStringLiteral("--dictionary"), defaultDictionaryName));
    if (!dictionary)
        return ExitRefused;
    SpellChecker checker(std::move(dictionary));
    for (const QString &word : PersonalWords().load())
        checker.addWord(word);
    const SubtitleTable &cds = context.model.cds;
    for (int row = 0; row < cds.recordCount(); ++row) {
        for (const SpellWord &word : checker.unknownWords(cds.rowAt(row).szoveg)) {
            QStringList fields{QStringLiteral("spell"), QString::number(row + 1),
                               QString::number(word.start + 1), word.text};
            fields.append(checker.suggestions(word.text, suggestionsShown));
            context.out.addMessage(fields);
        }
    }
    reportTable(context);
    return ExitDone;
}

constexpr BatchSwitch spellSwitches[] = {
    {"--dictionary", "NAME", "an installed Hunspell dictionary instead of hu_HU"},
};

}  // namespace

const BatchCommand spellCommand{
    "spell", "[..] IN", spellSwitches,
    "one \"spell\" record per unknown word of the text: row, position (1-based, \"|\" a line "
    "break), word and up to three suggestions",
    runSpell};
