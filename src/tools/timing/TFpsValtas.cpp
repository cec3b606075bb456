#include "tools/timing/TFpsValtas.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "tools/timing/FpsConversion.h"

TFpsValtas::TFpsValtas(EditorModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(model)
{
    setObjectName(QStringLiteral("FpsValtas"));
    setWindowTitle(QStringLiteral("Fps átváltása"));
    setFixedSize(300, 170);

    Label1 = new QLabel(QStringLiteral("Miről:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 14, 80, 22);
    cb1 = new QComboBox(this);
    cb1->setObjectName(QStringLiteral("cb1"));
    cb1->setGeometry(100, 14, 188, 24);
    Label2 = new QLabel(QStringLiteral("Mire:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(12, 48, 80, 22);
    cb2 = new QComboBox(this);
    cb2->setObjectName(QStringLiteral("cb2"));
    cb2->setGeometry(100, 48, 188, 24);
    FPSszazalek = new QProgressBar(this);
    FPSszazalek->setObjectName(QStringLiteral("FPSszazalek"));
    FPSszazalek->setGeometry(12, 86, 276, 16);
    FPSszazalek->setRange(0, 100);
    Vegrehajt = new QPushButton(QStringLiteral("Végrehajt"), this);
    Vegrehajt->setObjectName(QStringLiteral("Vegrehajt"));
    Vegrehajt->setGeometry(158, 120, 130, 32);
    Vissza = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Vissza->setObjectName(QStringLiteral("Vissza"));
    Vissza->setGeometry(12, 120, 130, 32);

    connect(cb1, &QComboBox::activated, this, [this] { cb1Change(); });
    connect(Vegrehajt, &QPushButton::clicked, this, &TFpsValtas::VegrehajtClick);
    connect(Vissza, &QPushButton::clicked, this, &QDialog::reject);
}

// Every activation forgets the last choice.
bool TFpsValtas::event(QEvent *event)
{
    if (event->type() == QEvent::Show)
        formActivate();
    return QDialog::event(event);
}

void TFpsValtas::formActivate()
{
    cb1->clear();
    cb1->addItems(standardFpsList());
    cb1->setCurrentIndex(-1);
    cb2->clear();
    FPSszazalek->setValue(0);
}

void TFpsValtas::cb1Change()
{
    cb2->clear();
    cb2->addItems(fpsTargets(cb1->currentText()));
    cb2->setCurrentIndex(0);
}

void TFpsValtas::VegrehajtClick()
{
    if (!model_)
        return;
    // Without both rates there is nothing to convert: the user hears why.
    if (cb1->currentText().isEmpty() || cb2->currentText().isEmpty()) {
        showMessageBox(QStringLiteral("FPS módosítás"), BoxKind::info,
                       QStringLiteral("Kérem, válassza ki mindkét FPS értéket!"), false, false,
                       true);
        return;
    }
    const QString from = cb1->currentText();
    const QString to = cb2->currentText();
    FPSszazalek->setValue(0);
    const bool converted = convertFps(*model_, from, to,
                                      [this](int value) { FPSszazalek->setValue(value); }, false);
    // The message comes after the window has closed.
    hide();
    done(Accepted);
    if (converted)
        announceFpsConversion();
}
