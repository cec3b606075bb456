// Draws the program's own pictures (start window background, about box
// banner) and stores them as JPEG files next to the resource list.
// Run once after changing a picture:
//   g++ -std=c++20 -fPIC make_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures ..
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor navy(0x0e, 0x1a, 0x2b);
const QColor teal(0x15, 0x3b, 0x4d);
const QColor amber(0xf2, 0xb1, 0x34);
const QColor ink(0xf4, 0xf1, 0xea);

// The mark: a rounded tile with a "K" and two subtitle bars under it.
void drawMark(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xf7, 0xc3, 0x4f));
    g.setColorAt(1, QColor(0xe0, 0x7a, 0x1f));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, r.width() * 0.2, r.width() * 0.2);

    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.62));
    p.setFont(f);
    p.setPen(navy);
    QRectF top(r.left(), r.top() + r.height() * 0.02, r.width(), r.height() * 0.66);
    p.drawText(top, Qt::AlignCenter, QStringLiteral("K"));

    p.setBrush(navy);
    p.setPen(Qt::NoPen);
    const qreal h = r.height() * 0.07;
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.70,
                             r.width() * 0.64, h), h / 2, h / 2);
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.82,
                             r.width() * 0.44, h), h / 2, h / 2);
}

void drawFilmStrip(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRect(r);
    const qreal hole = 8;
    p.setBrush(QColor(255, 255, 255, 38));
    for (qreal x = r.left() + 5; x < r.right() - hole; x += hole * 2.2) {
        p.drawRoundedRect(QRectF(x, r.top() + 3, hole * 1.3, hole), 1.5, 1.5);
        p.drawRoundedRect(QRectF(x, r.bottom() - 3 - hole, hole * 1.3, hole), 1.5, 1.5);
    }
}

QImage startPicture()
{
    QImage img(273, 355, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient bg(0, 0, 0, 355);
    bg.setColorAt(0, navy);
    bg.setColorAt(1, teal);
    p.fillRect(img.rect(), bg);

    // soft light behind the buttons
    QRadialGradient glow(QPointF(136, 175), 170);
    glow.setColorAt(0, QColor(255, 255, 255, 26));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glow);

    // faint diagonal light streaks
    p.setPen(QPen(QColor(255, 255, 255, 10), 18));
    for (int i = -2; i < 6; ++i)
        p.drawLine(QPointF(i * 70, 355), QPointF(i * 70 + 200, 90));

    drawFilmStrip(p, QRectF(0, 8, 273, 84));
    drawMark(p, QRectF(20, 24, 56, 56));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(34);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(title);
    p.setPen(ink);
    p.drawText(QRectF(90, 22, 175, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kelvo"));

    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(amber);
    p.drawText(QRectF(92, 58, 175, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("feliratszerkesztő"));

    // a timeline with cue blocks along the bottom
    const qreal base = 286;
    p.setPen(QPen(QColor(255, 255, 255, 55), 1));
    p.drawLine(QPointF(12, base), QPointF(261, base));
    for (int x = 12; x <= 261; x += 10)
        p.drawLine(QPointF(x, base), QPointF(x, base - ((x - 12) % 50 == 0 ? 6 : 3)));
    const qreal cues[][2] = {{16, 52}, {60, 118}, {126, 150}, {160, 222}, {230, 258}};
    for (const auto &c : cues) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xb1, 0x34, 70));
        p.drawRoundedRect(QRectF(c[0], base + 4, c[1] - c[0], 7), 2, 2);
    }
    p.end();
    return img;
}

QImage aboutPicture()
{
    QImage img(260, 110, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 260, 110);
    bg.setColorAt(0, navy);
    bg.setColorAt(1, teal);
    p.fillRect(img.rect(), bg);
    drawFilmStrip(p, QRectF(0, 4, 260, 102));
    drawMark(p, QRectF(18, 22, 66, 66));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(36);
    p.setFont(title);
    p.setPen(ink);
    p.drawText(QRectF(102, 22, 150, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kelvo"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(amber);
    p.drawText(QRectF(104, 64, 150, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("feliratszerkesztő"));
    p.end();
    return img;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = startPicture().save(out.filePath(QStringLiteral("start.jpg")), "JPG", 92);
    ok = aboutPicture().save(out.filePath(QStringLiteral("about.jpg")), "JPG", 92) && ok;
    return ok ? 0 : 1;
}
