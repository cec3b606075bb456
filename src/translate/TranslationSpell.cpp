#include "translate/TranslationSpell.h"

#include "document/SubtitleTable.h"
#include "spell/HunspellDictionary.h"
#include "spell/SpellService.h"
#include "tools/spell/EditorSpell.h"
#include "tools/spell/THelyesiras.h"
#include "translate/TranslationRows.h"

namespace {

// The translation table as the table a check walks; a replacement is
// stored with the workspace's own row setter.
class TranslationSpellTarget : public SpellTarget {
public:
    explicit TranslationSpellTarget(SubtitleTable &table) : table_(table) {}
    int rowCount() const override { return table_.recordCount(); }
    QString rowText(int row) const override { return table_.rowAt(row).szoveg; }
    void replaceText(int row, int start, int length, const QString &with) override
    {
        table_.setRecNo(row + 1);
        QString text = table_.rowAt(row).szoveg;
        text.replace(start, length, with);
        setRowText(table_, text);
    }
    void showRow(int row) override { table_.setRecNo(row + 1); }

private:
    SubtitleTable &table_;
};

}  // namespace

void checkTranslationSpelling(SubtitleTable &table, QWidget *parent)
{
    SpellChecker *checker = spellService().waitForChecker();
    if (!checker) {
        tellDictionaryMissing(defaultDictionaryName);
        return;
    }
    TranslationSpellTarget target(table);
    THelyesiras window(parent);
    const int start = table.isActive() ? qMax(0, table.recNo() - 1) : 0;
    const THelyesiras::Outcome outcome =
        window.run(*checker, target, start, spellService().personalWords());
    if (outcome.finished)
        announceSpellCheckDone(outcome.replacements);
}
