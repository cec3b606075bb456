#include "app/TKiszoveg.h"
#include "app/ModeValues.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

#include "ui/Modal.h"
#include "ui/Resources.h"

namespace {

const QColor background(0x1f, 0x2d, 0x3d);

// The three kind icons, drawn here so they stay sharp on the dark box.
QPixmap kindIcon(const QString &kind)
{
    QPixmap pixmap(65, 65);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(13, 12, 42, 42);
    QColor fill = kind == BoxKind::question ? QColor(0xf2, 0xb1, 0x34)
                  : kind == BoxKind::error ? QColor(0xd9, 0x48, 0x3b)
                                                  : QColor(0x3d, 0x8e, 0xd8);
    QLinearGradient g(disc.topLeft(), disc.bottomLeft());
    g.setColorAt(0, fill.lighter(118));
    g.setColorAt(1, fill.darker(112));
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(g);
    p.drawEllipse(disc);

    const QColor mark = kind == BoxKind::question ? background : Qt::white;
    if (kind == BoxKind::error) {
        p.setPen(QPen(mark, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(26, 25), QPointF(42, 41));
        p.drawLine(QPointF(42, 25), QPointF(26, 41));
    } else {
        QFont f(uiFontFamily);
        f.setBold(true);
        f.setPixelSize(kind == BoxKind::question ? 30 : 28);
        p.setFont(f);
        p.setPen(mark);
        p.drawText(disc, Qt::AlignCenter,
                   kind == BoxKind::question ? QStringLiteral("?") : QStringLiteral("i"));
    }
    return pixmap;
}

QLabel *iconLabel(QWidget *parent, const char *name, const QString &kind)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(0, 0, 65, 65);
    label->setPixmap(kindIcon(kind));
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->resize(75, 25);
    return b;
}

}  // namespace

TKiszoveg::TKiszoveg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Kiszoveg"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Button, QColor(0x34, 0x4a, 0x60));
    pal.setColor(QPalette::ButtonText, Qt::white);
    pal.setColor(QPalette::Highlight, QColor(0xf2, 0xb1, 0x34));
    setPalette(pal);

    infoI_ = iconLabel(this, "InfoI", BoxKind::info);
    kerdesI_ = iconLabel(this, "KerdesI", BoxKind::question);
    hibaI_ = iconLabel(this, "HibaI", BoxKind::error);

    szoveg_ = new QLabel(this);
    szoveg_->setObjectName(QStringLiteral("szoveg"));
    szoveg2_ = new QLabel(this);
    szoveg2_->setObjectName(QStringLiteral("szoveg2"));
    for (QLabel *l : {szoveg_, szoveg2_})
        l->setTextFormat(Qt::PlainText);  // a file name is never markup

    bok_ = button(this, "Bok", QStringLiteral("OK"));
    bigen_ = button(this, "Bigen", QStringLiteral("Igen"));
    bnem_ = button(this, "Bnem", QStringLiteral("Nem"));
    bmegsem_ = button(this, "Bmegsem", QStringLiteral("Mégsem"));
    bmegsem_->hide();
    connect(bok_, &QPushButton::clicked, this, [this] { finish(BoxButton::Ok); });
    connect(bigen_, &QPushButton::clicked, this, [this] { finish(BoxButton::Yes); });
    connect(bnem_, &QPushButton::clicked, this, [this] { finish(BoxButton::No); });
    connect(bmegsem_, &QPushButton::clicked, this, [this] { finish(BoxButton::Cancel); });

    applyLayout();
}

void TKiszoveg::applyLayout()
{
    const MessageBoxLayout &l = layout_;
    setFixedSize(l.width, l.height);
    infoI_->setVisible(l.icon == BoxKind::info);
    kerdesI_->setVisible(l.icon == BoxKind::question);
    hibaI_->setVisible(l.icon == BoxKind::error);

    szoveg_->adjustSize();
    szoveg2_->adjustSize();
    szoveg_->move(l.firstLeft, l.firstTop);
    szoveg2_->move(l.firstLeft, l.secondTop);

    bok_->setVisible(l.okVisible);
    bigen_->setVisible(l.yesVisible);
    bnem_->setVisible(l.noVisible);
    bmegsem_->setVisible(l.cancelVisible);
    bok_->move(l.okLeft, l.okTop);
    bigen_->move(l.yesLeft, l.questionTop);
    bnem_->move(l.noLeft, l.questionTop);
    bmegsem_->move(l.cancelLeft, l.questionTop);

    // Enter answers OK or Igen.
    QPushButton *enter = l.yesVisible ? bigen_ : bok_;
    for (QPushButton *b : {bok_, bigen_, bnem_, bmegsem_})
        b->setDefault(b == enter);
    enter->setFocus();
}

BoxButton TKiszoveg::present(const MessageRequest &request)
{
    // A message asked for while this one is up gets a box of its own.
    if (busy_) {
        TKiszoveg nested;
        return nested.present(request);
    }
    busy_ = true;
    setWindowTitle(request.title);
    szoveg_->setText(request.first);
    szoveg2_->setText(request.second);
    const int firstWidth = QFontMetrics(szoveg_->font()).horizontalAdvance(request.first);
    const int secondWidth = QFontMetrics(szoveg2_->font()).horizontalAdvance(request.second);
    layout_ = layoutMessageBox(request, firstWidth, secondWidth, layout_);
    applyLayout();

    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    // Closed without a button (a window manager's close): a question counts
    // as cancelled, a message as read.
    pressed_ = request.isQuestion() ? BoxButton::Cancel
               : request.noVisible  ? BoxButton::No
                                    : BoxButton::Ok;
    showModal(this);
    busy_ = false;
    return pressed_;
}

void TKiszoveg::finish(BoxButton button)
{
    pressed_ = button;
    accept();
}

void TKiszoveg::reject()
{
    // Esc answers with the box's cancel button; a plain message just closes.
    if (bmegsem_->isVisibleTo(this))
        pressed_ = BoxButton::Cancel;
    else if (bnem_->isVisibleTo(this))
        pressed_ = BoxButton::No;
    else if (bok_->isVisibleTo(this))
        pressed_ = BoxButton::Ok;
    QDialog::reject();
}

void TKiszoveg::presentPlain(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kelvo"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    showModal(&box);
}
