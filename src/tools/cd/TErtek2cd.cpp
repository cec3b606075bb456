#include "tools/cd/TErtek2cd.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "app/Windows.h"
#include "document/TimeCode.h"
#include "editor/TimeFieldRules.h"
#include "editor/TypedValues.h"
#include "files/FileGlobals.h"
#include "files/TFileneve.h"
#include "tools/cd/CdJoin.h"
#include "ui/Modal.h"

TErtek2cd::TErtek2cd(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Ertek2cd"));
    setWindowTitle(QStringLiteral("Kezdő érték és a File nevének megadása"));
    setFixedSize(520, 230);

    Label1 = new QLabel(
        QStringLiteral("A 2.cd kezdő értéke milyen értékkel szerepeljen az 1. cd-ben:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 504, 20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(12);
    Edit2->setGeometry(8, 32, 140, 24);
    Label2 = new QLabel(QStringLiteral("(Ha pl. az 1.cd utolsó értéke:01:00:00,000 akkor a 2.cd "
                                       "kezdő értéke lehet: 01:00:01,000)"),
                        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 60, 504, 36);
    Label3 = new QLabel(QStringLiteral("Kérem adja meg a keletkező file nevét:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(8, 104, 504, 20);
    E2cdfilenev = new QLineEdit(this);
    E2cdfilenev->setObjectName(QStringLiteral("E2cdfilenev"));
    E2cdfilenev->setReadOnly(true);
    E2cdfilenev->setGeometry(8, 128, 390, 24);
    Tallozas = new QPushButton(QStringLiteral("Tallozás"), this);
    Tallozas->setObjectName(QStringLiteral("Tallozas"));
    Tallozas->setGeometry(406, 126, 106, 28);
    Button1 = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 190, 120, 30);
    Bervenyesit = new QPushButton(QStringLiteral("Érvényesít"), this);
    Bervenyesit->setObjectName(QStringLiteral("Bervenyesit"));
    Bervenyesit->setGeometry(392, 190, 120, 30);
    for (QPushButton *b : {Tallozas, Button1, Bervenyesit})
        b->setAutoDefault(false);

    Edit2->installEventFilter(this);
    E2cdfilenev->installEventFilter(this);
    connect(Edit2, &QLineEdit::textChanged, this, &TErtek2cd::updateAccept);
    connect(E2cdfilenev, &QLineEdit::textChanged, this, &TErtek2cd::updateAccept);
    connect(Tallozas, &QPushButton::clicked, this, &TErtek2cd::TallozasClick);
    connect(Bervenyesit, &QPushButton::clicked, this, &TErtek2cd::BervenyesitClick);
    connect(Button1, &QPushButton::clicked, this, &TErtek2cd::Button1Click);
}

int TErtek2cd::openFor(const QString &first, const QString &second)
{
    activate(first, second);
    return showModal(this);
}

QString TErtek2cd::startValue() const
{
    return Edit2->text();
}

QString TErtek2cd::resultName() const
{
    return E2cdfilenev->text();
}

void TErtek2cd::activate(const QString &first, const QString &second)
{
    timeBase_ = cdJoinTimeBase(first, second);
    E2cdfilenev->clear();
    Edit2->setText(timeBase_ == TimeBase::frame ? QStringLiteral("0") : zeroTimeCode);
    updateAccept();
}

void TErtek2cd::updateAccept()
{
    Bervenyesit->setEnabled(!Edit2->text().isEmpty() && !E2cdfilenev->text().isEmpty());
}

void TErtek2cd::TallozasClick()
{
    TFileneve *dialog = windows().fileneve;
    if (!dialog)
        return;
    fileNameMode = FileNameMode::cdJoin;
    dialog->setCdJoinTimeBase(timeBase_);
    if (dialog->run())
        E2cdfilenev->setText(dialog->cdJoinFileName());
}

void TErtek2cd::BervenyesitClick()
{
    const bool valid = timeBase_ == TimeBase::frame ? checkFrameValue(Edit2->text())
                                                    : checkTypedTime(Edit2->text(), true);
    if (!valid)
        return;
    openMode = OpenMode::cdJoin;
    done(QDialog::Accepted);
}

void TErtek2cd::Button1Click()
{
    done(QDialog::Rejected);
}

bool TErtek2cd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == E2cdfilenev && event->type() == QEvent::MouseButtonPress) {
        Tallozas->setFocus(Qt::MouseFocusReason);
        return true;
    }
    if (watched == Edit2 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1
            && filterStartValueChar(text.front(), timeBase_ != TimeBase::frame) == rejectedKey)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
