#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "ui/JpegImage.h"

namespace {

QByteArray resource(const QString &path)
{
    jpegResource(path);  // makes sure the resources are registered
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(JpegImage, PicturesDecodeToTheirSize)
{
    struct Case {
        const char *path;
        QSize size;
    } cases[] = {{":/start.jpg", {273, 355}}, {":/about.jpg", {260, 110}}};
    for (const Case &c : cases) {
        const QByteArray data = resource(QString::fromUtf8(c.path));
        ASSERT_FALSE(data.isEmpty()) << c.path;
        const QImage image = decodeJpeg(data);
        EXPECT_EQ(image.size(), c.size) << c.path;
        // our background is dark navy at the top left corner, not black or grey
        EXPECT_GT(qBlue(image.pixel(2, 2)), qRed(image.pixel(2, 2)));
    }
}

TEST(JpegImage, DamagedDataGivesANullImageWithoutEndingTheProgram)
{
    const QByteArray good = resource(QStringLiteral(":/start.jpg"));
    ASSERT_GT(good.size(), 200);
    QByteArray badFrame = good;
    const int frame = badFrame.indexOf("\xff\xc0");
    ASSERT_GT(frame, 0);
    badFrame[frame + 5] = 0;  // a picture zero lines high
    badFrame[frame + 6] = 0;
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("not a picture at all"),
        QByteArray("\xff\xd8", 2),            // a start marker and nothing else
        good.left(20),                         // the header stops before the picture
        badFrame,
        QByteArray(4096, '\xff'),
    };
    for (const QByteArray &data : cases)
        EXPECT_TRUE(decodeJpeg(data).isNull()) << data.size();

    // cut short after the header: what arrived is decoded, the rest is filler
    const QImage cut = decodeJpeg(good.left(good.size() / 2));
    EXPECT_EQ(cut.size(), QSize(273, 355));
}

}  // namespace
