#pragma once
#include <QPointer>
#include <QSyntaxHighlighter>

class QTextEdit;
class SpellService;

// Underlines the unknown words of a text field as it is typed in. It only
// reads verdicts the checker has in its cache; a word not seen yet is sent
// to the service's worker and underlined once its verdict is in.
class SpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit SpellHighlighter(QTextEdit *field);

protected:
    void highlightBlock(const QString &text) override;

private:
    // The program's service (tests may replace it), listened to.
    SpellService &service();

    QPointer<SpellService> service_;
    bool waiting_ = false;
};
