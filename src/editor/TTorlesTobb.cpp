#include "editor/TTorlesTobb.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "editor/RowOperations.h"
#include "ui/Modal.h"

namespace {

void apply(QSpinBox *spin, const SpinRange &range)
{
    const QSignalBlocker block(spin);
    spin->setRange(range.minimum, qMax(range.minimum, range.maximum));
    spin->setValue(range.value);
}

}  // namespace

TTorlesTobb::TTorlesTobb(EditorModel &model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(model)
{
    setObjectName(QStringLiteral("TorlesTobb"));
    setWindowTitle(QStringLiteral("Több sor törlése"));
    setFixedSize(300, 150);

    auto *text = new QLabel(QStringLiteral("Kérem adja meg a törlendő sorok adatait:"), this);
    text->setGeometry(12, 10, 276, 20);
    auto *first = new QLabel(QStringLiteral("Kezdő sor:"), this);
    first->setGeometry(12, 42, 150, 22);
    SPelso = new QSpinBox(this);
    SPelso->setObjectName(QStringLiteral("SPelso"));
    SPelso->setGeometry(170, 40, 118, 24);
    SPelso->findChild<QLineEdit *>()->setMaxLength(5);
    auto *last = new QLabel(QStringLiteral("Utolsó törlendő sor:"), this);
    last->setGeometry(12, 74, 150, 22);
    SPutso = new QSpinBox(this);
    SPutso->setObjectName(QStringLiteral("SPutso"));
    SPutso->setGeometry(170, 72, 118, 24);

    Btorles = new QPushButton(QStringLiteral("Törlés"), this);
    Btorles->setObjectName(QStringLiteral("Btorles"));
    Btorles->setGeometry(12, 110, 130, 28);
    Bvissza = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Bvissza->setObjectName(QStringLiteral("Bvissza"));
    Bvissza->setGeometry(158, 110, 130, 28);

    connect(SPelso, &QSpinBox::valueChanged, this, &TTorlesTobb::SPelsoChange);
    connect(Btorles, &QPushButton::clicked, this, &TTorlesTobb::BtorlesClick);
    connect(Bvissza, &QPushButton::clicked, this, &QDialog::reject);
}

void TTorlesTobb::openWindow()
{
    showModal(this);
}

void TTorlesTobb::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formActivate();
}

void TTorlesTobb::formActivate()
{
    const int rows = model_.cds.recordCount();
    const int recNo = model_.cds.recNo();
    apply(SPelso, firstRowSpin(rows, recNo));
    apply(SPutso, lastRowSpin(rows, recNo, recNo));
    SPelso->setFocus(Qt::OtherFocusReason);
}

void TTorlesTobb::SPelsoChange()
{
    if (SPelso->cleanText().isEmpty())
        return;
    apply(SPutso, lastRowSpin(model_.cds.recordCount(), model_.cds.recNo(), SPelso->value()));
}

void TTorlesTobb::BtorlesClick()
{
    deleteRange(model_, SPelso->value(), SPutso->value());
    showMessageBox(QStringLiteral("Sor törlése"), BoxKind::info, QStringLiteral("Kész!"), false,
                   false, true);
    accept();
}
