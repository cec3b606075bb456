#include "app/TFoForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/Association.h"
#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "app/TUjFelirat.h"
#include "app/TVerzioinfo.h"
#include "app/Windows.h"
#include "document/DocumentGlobals.h"
#include "editor/TFelirat.h"
#include "translate/TForditas.h"
#include "ui/JpegImage.h"
#include "ui/Modal.h"

namespace {

const QColor ink(0xf4, 0xf1, 0xea);
const QColor amber(0xf2, 0xb1, 0x34);

enum class Glyph { Open, New, Translate, Power };

// Small pictures for the buttons, drawn here in the colours of the
// background picture.
QIcon glyph(Glyph kind, int size)
{
    QPixmap pm(size * 2, size * 2);  // drawn at twice the size for smooth edges
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size * 2 / 24.0, size * 2 / 24.0);
    QPen pen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (kind) {
    case Glyph::Open: {
        QPainterPath back;
        back.moveTo(3, 19);
        back.lineTo(3, 6);
        back.lineTo(9, 6);
        back.lineTo(11, 8);
        back.lineTo(19, 8);
        back.lineTo(19, 11);
        p.drawPath(back);
        QPainterPath front;
        front.moveTo(3, 19);
        front.lineTo(6.5, 11);
        front.lineTo(22, 11);
        front.lineTo(18.5, 19);
        front.closeSubpath();
        p.setBrush(QColor(0xf2, 0xb1, 0x34, 150));
        p.drawPath(front);
        break;
    }
    case Glyph::New: {
        QPainterPath page;
        page.moveTo(5, 3);
        page.lineTo(14, 3);
        page.lineTo(19, 8);
        page.lineTo(19, 21);
        page.lineTo(5, 21);
        page.closeSubpath();
        p.drawPath(page);
        p.drawLine(QPointF(14, 3), QPointF(14, 8));
        p.drawLine(QPointF(14, 8), QPointF(19, 8));
        p.setPen(QPen(amber, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 11), QPointF(12, 18));
        p.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
        break;
    }
    case Glyph::Translate: {
        p.drawRoundedRect(QRectF(2, 3, 12, 9), 2, 2);
        p.setBrush(QColor(0xf2, 0xb1, 0x34, 150));
        p.drawRoundedRect(QRectF(9, 10, 13, 9), 2, 2);
        p.drawLine(QPointF(18, 19), QPointF(19, 22));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(5, 12), QPointF(4, 15));
        break;
    }
    case Glyph::Power: {
        p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4.5, 5, 15, 15), 120 * 16, 300 * 16);
        p.drawLine(QPointF(12, 3), QPointF(12, 11.5));
        break;
    }
    }
    p.end();
    pm.setDevicePixelRatio(2.0);
    return QIcon(pm);
}

const char *startStyle = R"(
QPushButton {
    color: #f4f1ea;
    background: rgba(10, 20, 34, 175);
    border: 1px solid rgba(255, 255, 255, 70);
    border-radius: 6px;
    padding: 2px 8px;
}
QPushButton:hover { background: rgba(242, 177, 52, 55); border-color: #f2b134; }
QPushButton:pressed { background: rgba(242, 177, 52, 110); }
QPushButton:focus { border-color: #f2b134; }
QPushButton:disabled { color: rgba(244, 241, 234, 95); border-color: rgba(255, 255, 255, 30); }
QPushButton#BitBtn3, QPushButton#BitBtn2, QPushButton#BitBtn4 {
    text-align: left;
    padding-left: 14px;
    font-weight: bold;
}
QPushButton#BitBtn1 { border-radius: 20px; }
QPushButton#BitBtn1:hover { background: rgba(217, 72, 59, 150); border-color: #d9483b; }
)";

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &place)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

}  // namespace

QString TFoForm::captionFor(Edition e)
{
    return e == Edition::VN ? QStringLiteral("Kelvo v6.835VN") : QStringLiteral("Kelvo v6.835");
}

TFoForm::TFoForm(const QSize &screenSize, const QStringList &arguments, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FoForm"));
    setWindowTitle(captionFor(edition));
    setFixedSize(273, 355);
    background_ = jpegResource(QStringLiteral(":/start.jpg"));
    setStyleSheet(QLatin1String(startStyle));

    QFont big = font();
    big.setPixelSize(14);
    auto *open = makeButton(this, "BitBtn3", QStringLiteral("Megnyitás"), {28, 108, 217, 38});
    auto *make = makeButton(this, "BitBtn2", QStringLiteral("Új felirat készítése"),
                            {28, 154, 217, 38});
    auto *translate = makeButton(this, "BitBtn4", QStringLiteral("Fordítás"), {28, 200, 217, 38});
    for (QPushButton *b : {open, make, translate}) {
        b->setFont(big);
        b->setIconSize(QSize(22, 22));
    }
    open->setIcon(glyph(Glyph::Open, 22));
    make->setIcon(glyph(Glyph::New, 22));
    translate->setIcon(glyph(Glyph::Translate, 22));

    auto *assoc = makeButton(this, "Button2",
                             QStringLiteral(".srt kiterjesztés hozzárendelése a Kelvo-hoz"),
                             {10, 252, 253, 26});
    QFont small = font();
    small.setPixelSize(11);
    // The long caption has to fit the fixed window.
    while (QFontMetrics(small).horizontalAdvance(assoc->text()) > 253 - 18
           && small.pixelSize() > 8)
        small.setPixelSize(small.pixelSize() - 1);
    assoc->setFont(small);

    auto *version = makeButton(this, "Button1", QStringLiteral("Verzióinfo"), {10, 312, 104, 30});
    auto *quit = makeButton(this, "BitBtn1", QString(), {223, 306, 40, 40});
    quit->setIcon(glyph(Glyph::Power, 24));
    quit->setIconSize(QSize(24, 24));
    quit->setToolTip(QStringLiteral("Kilépés"));

    connect(open, &QPushButton::clicked, this, &TFoForm::BitBtn3Click);
    connect(make, &QPushButton::clicked, this, &TFoForm::BitBtn2Click);
    connect(translate, &QPushButton::clicked, this, &TFoForm::BitBtn4Click);
    connect(quit, &QPushButton::clicked, this, &TFoForm::BitBtn1Click);
    connect(version, &QPushButton::clicked, this, &TFoForm::Button1Click);
    connect(assoc, &QPushButton::clicked, this, &TFoForm::Button2Click);
    // shown without showModal
    applyEnterRule(this);

    layoutSetting = classifyScreen(screenSize.width(), screenSize.height());
    commandLineFile = commandLineFileFrom(arguments);
    appMode = AppMode::start;
}

void TFoForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!background_.isNull())
        p.drawImage(rect(), background_);
    else
        p.fillRect(rect(), QColor(0x0e, 0x1a, 0x2b));
    // the version number, quietly, between the two bottom buttons
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(0xf4, 0xf1, 0xea, 140));
    p.drawText(QRect(116, 312, 105, 30), Qt::AlignCenter, windowTitle().mid(6));
}

bool TFoForm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)
        queueActivation();
    return QDialog::event(e);
}

void TFoForm::queueActivation()
{
    if (activationQueued_)
        return;
    activationQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        activationQueued_ = false;
        if (isVisible())
            FormActivate();
    });
}

void TFoForm::FormActivate()
{
    if (activating_ || ended_)
        return;
    activating_ = true;

    if (layoutSetting == Layout::tooSmall) {
        showMessageBox(QStringLiteral("Probléma!"), BoxKind::error,
                       QStringLiteral("A képernyő felbontása túl kicsi!"), false, false, true,
                       QStringLiteral("Minimum felbontás:800x600"));
        activating_ = false;
        closeProgram();
        return;
    }

    const bool small = layoutSetting == Layout::small;
    if (TFelirat *felirat = windows().felirat) {
        felirat->model().setEnabled(Ctl::Felbonts1, !small);
        felirat->model().setEnabled(Ctl::Felbonts2, small);
    }
    if (TForditas *forditas = windows().forditas)
        forditas->setLayoutItems(small);

    const QString suffix = QFileInfo(commandLineFile).suffix().toLower();
    if (!commandLineFile.isEmpty() && (suffix == QLatin1String("srt") || suffix == QLatin1String("sub"))
        && windows().felirat) {
        showModal(windows().felirat);
        // The editor takes the file once; never open it again on a later activation.
        commandLineFile.clear();
    }

    activating_ = false;
    if (appMode == AppMode::quit)
        closeProgram();
}

void TFoForm::BitBtn3Click()
{
    TFelirat *felirat = windows().felirat;
    if (!felirat)
        return;
    hide();
    openMode = OpenMode::opening;
    if (appMode == AppMode::backFromTranslation || appMode == AppMode::backFromEditor)
        appMode = AppMode::start;
    felirat->resetState();
    felirat->model().cds.create();
    felirat->model().journal().reset();
    displayLock = false;
    showModal(felirat);
    if (appMode == AppMode::quit)
        closeProgram();
    else
        show();
}

void TFoForm::BitBtn2Click()
{
    TUjFelirat *uj = windows().ujFelirat;
    if (!uj)
        return;
    hide();
    openMode = OpenMode::newSubtitle;
    if (appMode == AppMode::backFromEditor)
        appMode = AppMode::start;
    showModal(uj);
    if (appMode == AppMode::quit) {
        closeProgram();
        return;
    }
    if (appMode == AppMode::backFromEditor)
        appMode = AppMode::start;
    show();
}

void TFoForm::BitBtn4Click()
{
    TForditas *forditas = windows().forditas;
    if (!forditas)
        return;
    appMode = AppMode::translating;
    hide();
    forditas->reset();
    showModal(forditas);
    // The workspace shows this window again itself on its way back.
    if (appMode == AppMode::quit)
        closeProgram();
}

void TFoForm::BitBtn1Click()
{
    closeProgram();
}

void TFoForm::Button1Click()
{
    if (windows().verzioinfo)
        showModal(windows().verzioinfo);
}

void TFoForm::Button2Click()
{
    boxAnswer = Answer::association;
    showMessageBox(QStringLiteral("Hozzárendelés"), BoxKind::question,
                   QStringLiteral("Tényleg hozzá szeretné rendelni a"), true, true, false,
                   QStringLiteral("Kelvo progamot az srt kiterjesztéshez?"));
    if (boxAnswer != Answer::yes)
        return;
    const QString failure = srtAssociation().associate(QCoreApplication::applicationFilePath());
    if (failure.isEmpty())
        showMessageBox(QStringLiteral("Kiterjesztés átállítása"), BoxKind::info,
                       QStringLiteral("Sikeresen végrehajtódott az asszociáció!"), false, false,
                       true, QStringLiteral("Kérem indítsa újra a gépet!"));
    else
        showMessageBox(QStringLiteral("Kiterjesztés átállítása"), BoxKind::error,
                       QStringLiteral("Az asszociáció nem sikerült!"), false, false, true, failure);
}

void TFoForm::closeProgram()
{
    if (!ended_)
        reject();
}

void TFoForm::done(int result)
{
    ended_ = true;
    QDialog::done(result);
    emit programEnded();
}
