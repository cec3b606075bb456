#include "tools/search/TKeresesCsere.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/EditorModel.h"
#include "tools/search/Replace.h"
#include "ui/Modal.h"

namespace {

template <typename T>
T *named(T *widget, const char *name, QRect place)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(place);
    return widget;
}

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

}  // namespace

TKeresesCsere::TKeresesCsere(EditorModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model)
{
    setObjectName(QStringLiteral("KeresesCsere"));
    setWindowTitle(QStringLiteral("Keresés és csere"));
    setFixedSize(420, 270);

    named(new QLabel(QStringLiteral("Keresendő szöveg:"), this), "Label1", {12, 10, 200, 18});
    Emit = named(new QLineEdit(this), "Emit", {12, 30, 396, 24});
    named(new QLabel(QStringLiteral("Mire legyen módosítva:"), this), "Label2", {12, 62, 200, 18});
    Emire = named(new QLineEdit(this), "Emire", {12, 82, 396, 24});
    CBknb = named(new QCheckBox(QStringLiteral("Kis- és nagybetű megkülönböztetése"), this), "CBknb",
                  {12, 114, 396, 22});
    CBelsok = named(new QCheckBox(QStringLiteral("A ker. szöveg 1. karaktere az adott sor 1. "
                                                 "karaktere"),
                                  this),
                    "CBelsok", {12, 138, 396, 22});
    Bkskereses = named(new QPushButton(QStringLiteral("Keresés"), this), "Bkskereses",
                       {12, 170, 126, 28});
    Bcsere = named(new QPushButton(QStringLiteral("Csere"), this), "Bcsere", {147, 170, 126, 28});
    Bosszes = named(new QPushButton(QStringLiteral("Összes találat cseréje"), this), "Bosszes",
                    {282, 170, 126, 28});
    Blistaa = named(new QPushButton(QStringLiteral("Lista"), this), "Blistaa", {12, 206, 126, 28});
    Bugras = named(new QPushButton(QStringLiteral("Ugrás az első sorra"), this), "Bugras",
                   {147, 206, 126, 28});
    Bvissza = named(new QPushButton(QStringLiteral("Vissza"), this), "Bvissza",
                    {282, 206, 126, 28});
    Bcsere->setEnabled(false);
    Blistaa->setEnabled(false);

    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    connect(Bkskereses, &QPushButton::clicked, this, &TKeresesCsere::BkskeresesClick);
    connect(Bcsere, &QPushButton::clicked, this, &TKeresesCsere::BcsereClick);
    connect(Bosszes, &QPushButton::clicked, this, &TKeresesCsere::BosszesClick);
    connect(Blistaa, &QPushButton::clicked, this, &TKeresesCsere::BlistaaClick);
    connect(Bugras, &QPushButton::clicked, this, &TKeresesCsere::BugrasClick);
    connect(Bvissza, &QPushButton::clicked, this, &QDialog::reject);
}

void TKeresesCsere::openWindow()
{
    Bcsere->setEnabled(false);
    Emit->clear();
    Emire->clear();
    showModal(this);
}

void TKeresesCsere::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Blistaa->setEnabled(false);
    Emit->setFocus(Qt::OtherFocusReason);
}

void TKeresesCsere::BkskeresesClick()
{
    if (!model_)
        return;
    const SearchOutcome outcome =
        replaceWindowSearch(*model_, Emit->text(), CBknb->isChecked(), CBelsok->isChecked());
    if (outcome != SearchOutcome::NotRun)
        Bcsere->setEnabled(outcome == SearchOutcome::Found);
}

void TKeresesCsere::BcsereClick()
{
    if (model_)
        replaceInCurrentRow(*model_, Emit->text(), Emire->text());
}

void TKeresesCsere::BosszesClick()
{
    if (!model_ || Emit->text().isEmpty())
        return;
    Blistaa->setEnabled(false);
    if (replaceAll(*model_, Emit->text(), Emire->text(), CBknb->isChecked()) > 0)
        Blistaa->setEnabled(true);
}

void TKeresesCsere::BlistaaClick()
{
    if (model_)
        showReplaceLog(*model_);
}

void TKeresesCsere::BugrasClick()
{
    if (!model_ || model_->cds.recordCount() == 0)
        return;
    model_->cds.first();
    model_->host()->showCurrentRow();
}

// Enter in Emit moves to Emire, in Emire to "Keresés"; Esc anywhere closes.
bool TKeresesCsere::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *e = static_cast<QKeyEvent *>(event);
        if (isEnter(e) && watched == Emit) {
            Emire->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (isEnter(e) && watched == Emire) {
            Bkskereses->setFocus(Qt::TabFocusReason);
            return true;
        }
        // a focused button takes Enter as a press
        if (auto *button = qobject_cast<QPushButton *>(watched); button && isEnter(e)) {
            button->click();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
