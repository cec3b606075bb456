#include "tools/spell/SpellHighlighter.h"

#include <QTextEdit>

#include "spell/SpellService.h"

SpellHighlighter::SpellHighlighter(QTextEdit *field) : QSyntaxHighlighter(field->document())
{
    setObjectName(QStringLiteral("spellHighlighter"));
}

SpellService &SpellHighlighter::service()
{
    SpellService &current = spellService();
    if (service_ != &current) {
        service_ = &current;
        connect(service_, &SpellService::verdictsReady, this, [this] {
            if (!waiting_)
                return;
            waiting_ = false;
            rehighlight();
        });
    }
    return current;
}

void SpellHighlighter::highlightBlock(const QString &text)
{
    SpellService &service = this->service();
    SpellChecker *checker = service.checker();
    if (!checker) {
        // underlined once the dictionary is in
        waiting_ = true;
        return;
    }
    // The words are cut from the whole field in its stored form, so that a
    // word broken with a hyphen at a line end is one word.
    const QString stored = document()->toPlainText().replace(u'\n', u'|');
    const int blockStart = currentBlock().position();
    const int blockEnd = blockStart + int(text.size());
    QTextCharFormat wrong;
    wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    wrong.setUnderlineColor(Qt::red);
    QStringList unchecked;
    for (const SpellWord &word : cutWords(stored)) {
        const int start = qMax(word.start, blockStart);
        const int end = qMin(word.start + word.length, blockEnd);
        if (start >= end)
            continue;
        const std::optional<bool> verdict = checker->cachedVerdict(word);
        if (!verdict) {
            unchecked << word.text << word.otherForms;
        } else if (!*verdict) {
            setFormat(start - blockStart, end - start, wrong);
        }
    }
    if (!unchecked.isEmpty()) {
        waiting_ = true;
        service.request(unchecked);
    }
}
