#include "tools/timing/TAtfedes.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "editor/EditorModel.h"
#include "files/THibaki.h"
#include "app/Windows.h"
#include "ui/Modal.h"

TAtfedes::TAtfedes(EditorModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      model_(model)
{
    setObjectName(QStringLiteral("Atfedes"));
    setWindowTitle(QStringLiteral("Felirat átfedésének vizsgálata"));
    setFixedSize(380, 262);

    Label1 = new QLabel(QStringLiteral("/átfedés esetén 0,001 mp hozzáadása /"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 10, 356, 20);

    RbCsak = new QRadioButton(QStringLiteral("Csak vizsgálat"), this);
    RbCsak->setObjectName(QStringLiteral("RbCsak"));
    RbCsak->setGeometry(12, 38, 170, 22);
    RbCsak->setChecked(true);
    RBV = new QRadioButton(QStringLiteral("Vizsgálat+javítás"), this);
    RBV->setObjectName(QStringLiteral("RBV"));
    RBV->setGeometry(192, 38, 176, 22);

    CBhiba = new QCheckBox(QStringLiteral("Csak hiba kiírása"), this);
    CBhiba->setObjectName(QStringLiteral("CBhiba"));
    CBhiba->setGeometry(12, 70, 356, 22);
    CBstat = new QCheckBox(QStringLiteral("0,5 másodperc alatti statisztika készítése"), this);
    CBstat->setObjectName(QStringLiteral("CBstat"));
    CBstat->setGeometry(12, 96, 356, 22);
    CBstat->setChecked(true);
    CB5 = new QCheckBox(QStringLiteral("0,5 mp alatti 0,5 mp legyen"), this);
    CB5->setObjectName(QStringLiteral("CB5"));
    CB5->setGeometry(32, 122, 336, 22);

    FszazalekAF = new QProgressBar(this);
    FszazalekAF->setObjectName(QStringLiteral("FszazalekAF"));
    FszazalekAF->setGeometry(12, 156, 356, 18);
    FszazalekAF->setRange(0, 100);
    FszazalekAF->hide();

    Binditas = new QPushButton(QStringLiteral("Indítás"), this);
    Binditas->setObjectName(QStringLiteral("Binditas"));
    Blista = new QPushButton(QStringLiteral("Lista"), this);
    Blista->setObjectName(QStringLiteral("Blista"));
    Blista->setToolTip(QStringLiteral("Hibák listázása"));
    Stat = new QPushButton(QStringLiteral("Statisztika"), this);
    Stat->setObjectName(QStringLiteral("Stat"));
    Button2 = new QPushButton(QStringLiteral("Vissza"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Binditas->setGeometry(12, 186, 112, 30);
    Blista->setGeometry(134, 186, 112, 30);
    Stat->setGeometry(256, 186, 112, 30);
    Button2->setGeometry(134, 224, 112, 30);
    Blista->setEnabled(false);
    Stat->setEnabled(false);

    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    installEventFilter(this);

    connect(RbCsak, &QRadioButton::clicked, this, [this] { CB5->setChecked(false); });
    connect(CBhiba, &QCheckBox::toggled, this, [this] { Blista->setEnabled(false); });
    // Stretching is part of the statistics pass.
    connect(CBstat, &QCheckBox::toggled, CB5, &QWidget::setEnabled);
    connect(Binditas, &QPushButton::clicked, this, &TAtfedes::BinditasClick);
    connect(Blista, &QPushButton::clicked, this, &TAtfedes::BlistaClick);
    connect(Stat, &QPushButton::clicked, this, &TAtfedes::StatClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

EditorModel *TAtfedes::editorModel() const
{
    return model_;
}

THibaki *TAtfedes::reportWindow()
{
    if (windows().hibaki)
        return windows().hibaki;
    if (!ownReport_)
        ownReport_ = new THibaki(this);
    return ownReport_;
}

void TAtfedes::openWindow()
{
    showWithoutBlocking(this);
}

void TAtfedes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    formActivate();
}

// Every activation starts without a list or statistics to show, except the
// return from the window's own summary, list or statistics, which are what
// the run left to look at.
bool TAtfedes::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (!awayInOwnWindow_)
            formActivate();
        awayInOwnWindow_ = false;
        modalBelow_ = QApplication::activeModalWidget();
    } else if (event->type() == QEvent::WindowDeactivate) {
        QWidget *modal = QApplication::activeModalWidget();
        awayInOwnWindow_ = modal && modal != modalBelow_ && modal != this;
    }
    return QDialog::event(event);
}

void TAtfedes::formActivate()
{
    Blista->setEnabled(false);
    Stat->setEnabled(false);
    Binditas->setFocus();
}

void TAtfedes::BinditasClick()
{
    EditorModel *m = editorModel();
    if (!m)
        return;
    OverlapOptions options;
    options.repair = RBV->isChecked();
    options.errorsOnly = CBhiba->isChecked();
    options.statistics = CBstat->isChecked();
    options.stretch = CB5->isChecked() && CBstat->isChecked();
    FszazalekAF->setValue(0);
    FszazalekAF->show();
    lastResult_ = runOverlapCheck(*m, options);
    FszazalekAF->hide();
    Blista->setEnabled(lastResult_.listEnabled);
    if (lastResult_.listEnabled)
        Blista->setFocus();
    Stat->setEnabled(options.statistics);
}

void TAtfedes::BlistaClick()
{
    EditorModel *m = editorModel();
    if (!m)
        return;
    m->log.caption = QStringLiteral("Az átfedés vizsgálatának eredménye");
    m->log.headingsVisible = false;
    reportWindow()->showLog(m->log);
}

void TAtfedes::StatClick()
{
    showDurationStatistics(lastResult_);
}

bool TAtfedes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_F1:
        RbCsak->setChecked(true);
        CB5->setChecked(false);
        return true;
    case Qt::Key_F2:
        RBV->setChecked(true);
        CB5->setChecked(true);
        return true;
    case Qt::Key_F3:
        RBV->setChecked(true);
        CB5->setChecked(false);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}
