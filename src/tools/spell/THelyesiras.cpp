#include "tools/spell/THelyesiras.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "tools/spell/SpellChecker.h"
#include "tools/spell/SpellWalk.h"
#include "ui/Modal.h"

namespace {

template <typename T>
T *named(T *widget, const char *name, QRect place)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(place);
    return widget;
}

// A stored text as the window shows it: "|" a line break, the word bold.
QString markedLine(const QString &text, int start, int length)
{
    auto html = [](QStringView part) {
        return part.toString().toHtmlEscaped().replace(u'|', QStringLiteral("<br>"));
    };
    const QStringView s(text);
    return html(s.left(start)) + QStringLiteral("<b><font color=\"#c00000\">") +
           html(s.mid(start, length)) + QStringLiteral("</font></b>") +
           html(s.mid(start + length));
}

}  // namespace

THelyesiras::THelyesiras(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Helyesiras"));
    setWindowTitle(QStringLiteral("Helyesírás-ellenőrzés"));
    setFixedSize(480, 300);

    Lsor = named(new QLabel(this), "Lsor", {12, 10, 330, 18});
    Msor = named(new QTextEdit(this), "Msor", {12, 30, 330, 70});
    Msor->setReadOnly(true);
    Msor->setFocusPolicy(Qt::NoFocus);
    named(new QLabel(QStringLiteral("Csere erre:"), this), "Label1", {12, 108, 200, 18});
    Emire = named(new QLineEdit(this), "Emire", {12, 128, 330, 24});
    named(new QLabel(QStringLiteral("Javaslatok:"), this), "Label2", {12, 160, 200, 18});
    LBjavaslat = named(new QListWidget(this), "LBjavaslat", {12, 180, 330, 108});
    auto button = [this](const char *name, const char *caption, int y) {
        return named(new QPushButton(QString::fromUtf8(caption), this), name, {354, y, 114, 28});
    };
    Bcsere = button("Bcsere", "Csere", 30);
    Bmindet = button("Bmindet", "Mindet cseréli", 64);
    Bkihagy = button("Bkihagy", "Kihagy", 98);
    Bkihagyall = button("Bkihagyall", "Mindet kihagyja", 132);
    Bszotar = button("Bszotar", "Szótárba", 166);
    Bbezar = button("Bbezar", "Bezárás", 260);
    Bcsere->setDefault(true);

    connect(Bcsere, &QPushButton::clicked, this, &THelyesiras::BcsereClick);
    connect(Bmindet, &QPushButton::clicked, this, &THelyesiras::BmindetClick);
    connect(Bkihagy, &QPushButton::clicked, this, &THelyesiras::BkihagyClick);
    connect(Bkihagyall, &QPushButton::clicked, this, &THelyesiras::BkihagyallClick);
    connect(Bszotar, &QPushButton::clicked, this, &THelyesiras::BszotarClick);
    connect(Bbezar, &QPushButton::clicked, this, &QDialog::reject);
    connect(LBjavaslat, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            Emire->setText(text);
    });
    connect(LBjavaslat, &QListWidget::itemDoubleClicked, this, &THelyesiras::BcsereClick);
    connect(Emire, &QLineEdit::textChanged, this, [this](const QString &text) {
        Bcsere->setEnabled(!text.isEmpty());
        Bmindet->setEnabled(!text.isEmpty());
    });
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

THelyesiras::~THelyesiras() = default;

THelyesiras::Outcome THelyesiras::run(SpellChecker &checker, SpellTarget &target, int startRow,
                                      PersonalWords &list)
{
    checker_ = &checker;
    target_ = &target;
    list_ = &list;
    outcome_ = {};
    walk_ = std::make_unique<SpellWalk>(checker, target, startRow);
    if (!walk_->next()) {
        outcome_.finished = true;
    } else {
        showFinding();
        showModal(this);
    }
    outcome_.replacements = walk_->replacements();
    walk_.reset();
    return outcome_;
}

void THelyesiras::showFinding()
{
    const SpellFinding &found = *walk_->current();
    Lsor->setText(QStringLiteral("Ismeretlen szó a(z) %1. sorban:").arg(found.row + 1));
    Msor->setHtml(markedLine(target_->rowText(found.row), found.word.start, found.word.length));
    const QStringList suggestions = checker_->suggestions(found.word.text);
    LBjavaslat->clear();
    LBjavaslat->addItems(suggestions);
    Emire->setText(suggestions.isEmpty() ? found.word.text : suggestions.first());
    if (!suggestions.isEmpty())
        LBjavaslat->setCurrentRow(0);
    Emire->setFocus(Qt::OtherFocusReason);
    Emire->selectAll();
}

void THelyesiras::advance()
{
    if (walk_->next()) {
        showFinding();
        return;
    }
    outcome_.finished = true;
    accept();
}

void THelyesiras::BcsereClick()
{
    if (!walk_ || !walk_->current() || Emire->text().isEmpty())
        return;
    walk_->replace(Emire->text());
    advance();
}

void THelyesiras::BmindetClick()
{
    if (!walk_ || !walk_->current() || Emire->text().isEmpty())
        return;
    walk_->replaceAll(Emire->text());
    advance();
}

void THelyesiras::BkihagyClick()
{
    if (!walk_ || !walk_->current())
        return;
    walk_->skip();
    advance();
}

void THelyesiras::BkihagyallClick()
{
    if (!walk_ || !walk_->current())
        return;
    walk_->skipAll();
    advance();
}

void THelyesiras::BszotarClick()
{
    if (!walk_ || !walk_->current())
        return;
    walk_->addToDictionary(*list_);
    advance();
}

// Esc anywhere closes; Enter on a focused button presses it.
bool THelyesiras::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *e = static_cast<QKeyEvent *>(event);
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (auto *b = qobject_cast<QPushButton *>(watched); b && enter) {
            b->click();
            return true;
        }
        if (enter && (watched == Emire || watched == LBjavaslat)) {
            Bcsere->click();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
