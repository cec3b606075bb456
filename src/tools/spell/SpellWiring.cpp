#include <QTextEdit>

#include "editor/EditorModel.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "spell/HunspellDictionary.h"
#include "spell/SpellService.h"
#include "tools/spell/EditorSpell.h"
#include "tools/spell/SpellHighlighter.h"
#include "tools/spell/THelyesiras.h"

namespace {

// "Helyesírás-ellenőrzés" of the "Felirat" menu: one check of the whole
// subtitle from the current row. The whole check is one call of run, and
// every replacement in it passes EditorSpellTarget::replaceText.
void runEditorSpellCheck(TFelirat &editor, THelyesiras &window, SpellHighlighter &highlighter)
{
    EditorModel &model = editor.model();
    model.host()->setWaitCursor(true);
    SpellChecker *checker = spellService().waitForChecker();
    model.host()->setWaitCursor(false);
    if (!checker) {
        tellDictionaryMissing(defaultDictionaryName);
        return;
    }
    beginEditorSpellCheck(model);
    EditorSpellTarget target(model);
    const THelyesiras::Outcome outcome = window.run(*checker, target, qMax(0, model.cds.recNo() - 1),
                                                    spellService().personalWords());
    endEditorSpellCheck(model, outcome.replacements);
    highlighter.rehighlight();
    if (outcome.finished)
        announceSpellCheckDone(outcome.replacements);
}

}  // namespace

void wireSpellCheck(TFelirat &editor)
{
    auto *field = editor.controlAs<QTextEdit>(Ctl::szoveg);
    if (!field)
        return;
    auto *highlighter = new SpellHighlighter(field);
    auto *window = new THelyesiras(&editor);
    editor.onClick(Ctl::Helyesiras1, [&editor, window, highlighter] {
        runEditorSpellCheck(editor, *window, *highlighter);
    });
}
