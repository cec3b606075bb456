#include "tools/timing/TReszletes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "editor/TimeFieldRules.h"
#include "tools/timing/TimeShift.h"
#include "ui/Modal.h"

namespace {

QLineEdit *display(QWidget *parent, const char *name, QRect place)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setGeometry(place);
    return e;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &text, QRect place)
{
    auto *r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    r->setGeometry(place);
    return r;
}

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// The typed character of a key, or null for keys that type nothing.
QChar typedKey(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Backspace)
        return backspaceKey;
    if (e->text().isEmpty() || !e->text()[0].isPrint())
        return QChar();
    return e->text()[0];
}

}  // namespace

TReszletes::TReszletes(EditorModel &model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowMinimizeButtonHint),
      model_(model)
{
    setObjectName(QStringLiteral("Reszletes"));
    setWindowTitle(QStringLiteral("Részletes módosítás"));
    setFixedSize(460, 330);

    auto *point = new QLabel(QStringLiteral("Aktuális pont:"), this);
    point->setGeometry(12, 10, 120, 20);
    Ekezdes = display(this, "Ekezdes", {12, 32, 100, 22});
    Ebefejezes = display(this, "Ebefejezes", {118, 32, 100, 22});
    Eszoveg = display(this, "Eszoveg", {224, 32, 224, 22});

    CbPMR = new QComboBox(this);
    CbPMR->setObjectName(QStringLiteral("CbPMR"));
    CbPMR->setEditable(true);
    CbPMR->addItems({QStringLiteral("+"), QStringLiteral("-")});
    CbPMR->setGeometry(12, 66, 44, 24);
    Emodositas2 = new QLineEdit(this);
    Emodositas2->setObjectName(QStringLiteral("Emodositas2"));
    Emodositas2->setMaxLength(12);
    Emodositas2->setGeometry(62, 66, 120, 24);
    Bmodok = new QPushButton(QStringLiteral("Módosítás"), this);
    Bmodok->setObjectName(QStringLiteral("Bmodok"));
    Bmodok->setGeometry(190, 64, 110, 28);
    szazalek = new QProgressBar(this);
    szazalek->setObjectName(QStringLiteral("szazalek"));
    szazalek->setRange(0, 100);
    szazalek->setGeometry(310, 68, 138, 18);
    szazalek->hide();

    auto *conditions = new QLabel(QStringLiteral("Módosítás feltételei az aktuális ponttól:"), this);
    conditions->setGeometry(12, 100, 436, 20);

    auto *direction = new QGroupBox(this);
    direction->setGeometry(12, 122, 210, 70);
    Felfele = radio(direction, "Felfele", QStringLiteral("Felfele (pl.10-0)"), {8, 10, 196, 22});
    Lefele = radio(direction, "Lefele", QStringLiteral("Lefele(pl.10-100)"), {8, 38, 196, 22});
    auto *rangeEnd = new QGroupBox(this);
    rangeEnd->setGeometry(238, 122, 210, 70);
    RB3 = radio(rangeEnd, "RB3", QStringLiteral("Az összeset"), {8, 10, 196, 22});
    RB4 = radio(rangeEnd, "RB4", QStringLiteral("Eddig a sorig:"), {8, 38, 120, 22});
    Edit2 = new QLineEdit(rangeEnd);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(5);
    Edit2->setGeometry(132, 38, 70, 22);

    auto *values = new QGroupBox(QStringLiteral("Melyik értéket változtassam meg:"), this);
    values->setGeometry(12, 200, 436, 60);
    cbKezdo = new QCheckBox(QStringLiteral("Kezdő érték"), values);
    cbKezdo->setObjectName(QStringLiteral("cbKezdo"));
    cbKezdo->setGeometry(8, 26, 180, 22);
    cbKezdo->setChecked(true);
    cbBefejezo = new QCheckBox(QStringLiteral("Befejező érték"), values);
    cbBefejezo->setObjectName(QStringLiteral("cbBefejezo"));
    cbBefejezo->setGeometry(200, 26, 180, 22);
    cbBefejezo->setChecked(true);

    Bvissza = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Bvissza->setObjectName(QStringLiteral("Bvissza"));
    Bvissza->setGeometry(170, 284, 120, 30);

    Emodositas2->installEventFilter(this);
    Edit2->installEventFilter(this);

    connect(Felfele, &QRadioButton::clicked, this, &TReszletes::directionChosen);
    connect(Lefele, &QRadioButton::clicked, this, &TReszletes::directionChosen);
    connect(RB3, &QRadioButton::clicked, this, &TReszletes::rangeEndChosen);
    connect(RB4, &QRadioButton::clicked, this, &TReszletes::rangeEndChosen);
    connect(cbKezdo, &QCheckBox::toggled, this, &TReszletes::valueChoiceChanged);
    connect(cbBefejezo, &QCheckBox::toggled, this, &TReszletes::valueChoiceChanged);
    connect(Bmodok, &QPushButton::clicked, this, &TReszletes::BmodokClick);
    connect(Bvissza, &QPushButton::clicked, this, &QDialog::reject);
}

bool TReszletes::openWindow()
{
    shifted_ = false;
    showModal(this);
    return shifted_;
}

void TReszletes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formActivate();
}

void TReszletes::formActivate()
{
    szazalek->hide();
    Lefele->setChecked(true);
    RB3->setChecked(true);
    rangeEndChosen();
    timeBase_ = model_.timeBase();
    const SubtitleTable &cds = model_.cds;
    Ekezdes->setText(cds.field(Field::Kezdes));
    Ebefejezes->setText(cds.field(Field::Befejezes));
    Eszoveg->setText(cds.field(Field::Szoveg));
    CbPMR->setFocus(Qt::OtherFocusReason);
}

void TReszletes::directionChosen()
{
    RB3->setChecked(true);
    rangeEndChosen();
}

void TReszletes::rangeEndChosen()
{
    if (RB4->isChecked()) {
        Edit2->setEnabled(true);
        Edit2->setFocus(Qt::OtherFocusReason);
    } else {
        Edit2->clear();
        Edit2->setEnabled(false);
    }
}

void TReszletes::valueChoiceChanged()
{
    Bmodok->setEnabled(cbKezdo->isChecked() || cbBefejezo->isChecked());
}

bool TReszletes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *e = static_cast<QKeyEvent *>(event);
    if (watched == Emodositas2 && isEnter(e)) {
        Bmodok->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    const bool time = watched == Emodositas2 && timeBase_ == TimeBase::time;
    return (time ? filterTimeChar(key) : filterFrameChar(key)) == rejectedKey;
}

void TReszletes::BmodokClick()
{
    RangeShift shift;
    shift.add = CbPMR->currentText() == QLatin1String("+");
    shift.amount = Emodositas2->text();
    shift.up = Felfele->isChecked();
    shift.toRow = RB4->isChecked();
    shift.rowText = Edit2->text();
    shift.starts = cbKezdo->isChecked();
    shift.ends = cbBefejezo->isChecked();
    shift.showGauge = [this](bool on) { szazalek->setVisible(on); };
    shift.setGauge = [this](int v) { szazalek->setValue(v); };
    if (!rangeShift(model_, shift)) {
        Emodositas2->setFocus(Qt::OtherFocusReason);
        return;
    }
    shifted_ = true;
    accept();
}
