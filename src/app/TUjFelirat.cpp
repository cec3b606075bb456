#include "app/TUjFelirat.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "app/TFoForm.h"
#include "app/Windows.h"
#include "editor/TFelirat.h"
#include "ui/Modal.h"

TUjFelirat::TUjFelirat(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("UjFelirat"));
    setWindowTitle(QStringLiteral("Új felirat készítése"));
    setFixedSize(475, 155);

    auto *label = new QLabel(QStringLiteral("Válasszon egyet:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont f = label->font();
    f.setBold(true);
    f.setPixelSize(14);
    label->setFont(f);
    label->setGeometry(24, 18, 427, 24);

    auto *time = new QPushButton(QStringLiteral("Másodperc alapú (.srt)"), this);
    time->setObjectName(QStringLiteral("Button1"));
    time->setGeometry(24, 56, 204, 40);
    auto *frame = new QPushButton(QStringLiteral("Képkocka alapján (.sub)"), this);
    frame->setObjectName(QStringLiteral("Button2"));
    frame->setGeometry(247, 56, 204, 40);
    auto *back = new QPushButton(QStringLiteral("Vissza"), this);
    back->setObjectName(QStringLiteral("Button3"));
    back->setGeometry(351, 112, 100, 28);

    connect(time, &QPushButton::clicked, this, &TUjFelirat::Button1Click);
    connect(frame, &QPushButton::clicked, this, &TUjFelirat::Button2Click);
    connect(back, &QPushButton::clicked, this, &TUjFelirat::Button3Click);
}

void TUjFelirat::openEditor(const QString &timeBase)
{
    TFelirat *felirat = windows().felirat;
    hide();
    if (felirat) {
        felirat->setTimeBase(timeBase);
        openMode = OpenMode::newSubtitle;
        showModal(felirat);
    }
    done(Accepted);
}

void TUjFelirat::Button1Click()
{
    openEditor(TimeBase::time);
}

void TUjFelirat::Button2Click()
{
    openEditor(TimeBase::frame);
}

void TUjFelirat::Button3Click()
{
    appMode = AppMode::backFromEditor;
    done(Rejected);
    if (TFoForm *start = windows().foForm)
        start->show();
}

void TUjFelirat::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        Button3Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TUjFelirat::done(int result)
{
    // Every way of closing ends the program unless the user went back.
    if (appMode != AppMode::backFromEditor)
        appMode = AppMode::quit;
    QDialog::done(result);
}
