#pragma once
#include <QSyntaxHighlighter>

class QTextEdit;
class SpellService;

// Underlines the unknown words of a text field as it is typed in. It only
// reads verdicts the checker has in its cache; a word not seen yet is sent
// to the service's worker and underlined once its verdict is in.
class SpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    SpellHighlighter(QTextEdit *field, SpellService &service);

protected:
    void highlightBlock(const QString &text) override;

private:
    SpellService &service_;
    bool waiting_ = false;
};
