#include "translate/TFordElott.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/ModeValues.h"
#include "app/Windows.h"
#include "files/TKereses.h"
#include "translate/TForditas.h"
#include "translate/TranslationGlobals.h"

TFordElott::TFordElott(TForditas *workspace, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      workspace_(workspace)
{
    setObjectName(QStringLiteral("FordElott"));
    setWindowTitle(QStringLiteral("Feliratok bekérése"));
    setFixedSize(470, 176);

    auto *sourceLabel = new QLabel(QStringLiteral("Eredeti felirat:"), this);
    sourceLabel->setGeometry(16, 16, 120, 22);
    Eef = new QLineEdit(this);
    Eef->setObjectName(QStringLiteral("Eef"));
    Eef->setGeometry(142, 16, 270, 22);
    Eef->installEventFilter(this);
    K1 = new QPushButton(QStringLiteral("..."), this);
    K1->setObjectName(QStringLiteral("K1"));
    K1->setGeometry(418, 16, 36, 22);

    Ferb1 = new QRadioButton(QStringLiteral("Fordított felirat:"), this);
    Ferb1->setObjectName(QStringLiteral("Ferb1"));
    Ferb1->setGeometry(16, 52, 124, 22);
    Ferb1->setChecked(true);
    Eff = new QLineEdit(this);
    Eff->setObjectName(QStringLiteral("Eff"));
    Eff->setGeometry(142, 52, 270, 22);
    Eff->installEventFilter(this);
    K2 = new QPushButton(QStringLiteral("..."), this);
    K2->setObjectName(QStringLiteral("K2"));
    K2->setGeometry(418, 52, 36, 22);
    Ferb2 = new QRadioButton(QStringLiteral("Üres felirat"), this);
    Ferb2->setObjectName(QStringLiteral("Ferb2"));
    Ferb2->setGeometry(16, 84, 124, 22);

    BFetovabb = new QPushButton(QStringLiteral("Betöltés"), this);
    BFetovabb->setObjectName(QStringLiteral("BFetovabb"));
    BFetovabb->setGeometry(354, 132, 100, 28);
    Button1 = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(16, 132, 100, 28);

    connect(K1, &QPushButton::clicked, this, &TFordElott::K1Click);
    connect(K2, &QPushButton::clicked, this, &TFordElott::K2Click);
    connect(BFetovabb, &QPushButton::clicked, this, &TFordElott::BFetovabbClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Ferb1, &QRadioButton::toggled, this, &TFordElott::choiceChanged);
    connect(Eef, &QLineEdit::textChanged, this, &TFordElott::updateLoad);
    connect(Eff, &QLineEdit::textChanged, this, &TFordElott::updateLoad);
    updateLoad();
}

void TFordElott::startFresh()
{
    Eef->clear();
    Ferb1->setChecked(true);
}

void TFordElott::choiceChanged()
{
    const bool translated = Ferb1->isChecked();
    if (!translated)
        Eff->clear();
    Eff->setEnabled(translated);
    K2->setEnabled(translated);
    updateLoad();
}

void TFordElott::updateLoad()
{
    BFetovabb->setEnabled(!Eef->text().isEmpty()
                          && (Ferb2->isChecked() || !Eff->text().isEmpty()));
}

void TFordElott::K1Click()
{
    browse(true);
}

void TFordElott::K2Click()
{
    browse(false);
}

void TFordElott::browse(bool source)
{
    TKereses *dialog = windows().kereses;
    if (!dialog)
        return;
    dialog->setTranslationPaths(Eef->text(), Eff->text());
    dialog->setTranslationHandler([this](const QString &purpose, const QString &path) {
        (purpose == OpenPurpose::translationSource ? Eef : Eff)->setText(path);
    });
    dialog->openForTranslation(source ? OpenPurpose::translationSource
                                      : OpenPurpose::translationTarget);
}

void TFordElott::BFetovabbClick()
{
    if (!BFetovabb->isEnabled())
        return;
    TForditas *workspace = workspace_ ? workspace_ : windows().forditas;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (workspace) {
        if (Ferb1->isChecked()) {
            emptyTranslation = false;
            workspace->readSide(TForditas::Source, Eef->text());
            workspace->readSide(TForditas::Translation, Eff->text());
        } else {
            emptyTranslation = true;
            workspace->readSide(TForditas::Source, Eef->text());
        }
    }
    QApplication::restoreOverrideCursor();
    accept();
}

bool TFordElott::eventFilter(QObject *watched, QEvent *event)
{
    // The fields are filled by browsing: typing or clicking there goes to
    // the field's browse button.
    if (watched == Eef && event->type() == QEvent::KeyPress) {
        K1->setFocus();
        return true;
    }
    if (watched == Eff && event->type() == QEvent::MouseButtonPress) {
        K2->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
