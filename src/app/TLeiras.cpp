#include "app/TLeiras.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Modal.h"

QString TLeiras::descriptionText()
{
    return QStringLiteral(
        "A Kelvo filmfeliratok szerkesztésére szolgál.\n"
        "\n"
        "Megnyitás: időalapú (.srt) vagy képkocka alapú (.sub) felirat betöltése. "
        "A hibás .srt fájlokat a program beolvasáskor kijavítja, és a javításokat "
        "listában mutatja meg.\n"
        "\n"
        "Szerkesztés: a táblázatban kiválasztott sor kezdete, vége és szövege a "
        "mezőkben módosítható. Egy felirat sorait a \"|\" jel választja el.\n"
        "\n"
        "Eszközök: a szöveg- és időzítési eszközök az összes soron végigmennek; "
        "minden változás megjelenik a hibalistában.\n"
        "\n"
        "Mentés: a felirat a saját formátumában menthető, vagy átalakítható "
        "más felirat-formátumokba.\n"
        "\n"
        "Billentyűk: Ctrl+L ez a leírás, Ctrl+I a névjegy, Esc bezárja az "
        "ablakot.\n");
}

TLeiras::TLeiras(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Leiras"));
    setWindowTitle(QStringLiteral("Leírás"));
    resize(480, 360);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setPlainText(descriptionText());
    // Keys do nothing in the memo; Esc still reaches the window and closes it.
    memo_->installEventFilter(this);

    auto *close = new QPushButton(QStringLiteral("Bezárás"), this);
    close->setObjectName(QStringLiteral("Bbezar"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addWidget(close, 0, Qt::AlignRight);
}

bool TLeiras::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == memo_ && e->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->key() == Qt::Key_Escape) {
            reject();
        }
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

int TLeiras::display()
{
    memo_->moveCursor(QTextCursor::Start);
    return showModal(this);
}
