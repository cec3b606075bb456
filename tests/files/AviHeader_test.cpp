// The AVI header reader: tiny RIFF files written here, one real file made by
// ffmpeg when it is installed, and truncated and random bytes.
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "files/AviHeader.h"
#include "support/TestFiles.h"

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

QByteArray chunk(const char *tag, const QByteArray &body)
{
    QByteArray c = QByteArray(tag, 4) + le32(body.size()) + body;
    if (body.size() & 1)
        c.append('\0');
    return c;
}

QByteArray list(const char *type, const QByteArray &body)
{
    return chunk("LIST", QByteArray(type, 4) + body);
}

QByteArray mainHeader(quint32 microSecPerFrame)
{
    return chunk("avih", le32(microSecPerFrame) + QByteArray(52, '\0'));
}

QByteArray streamList(const char *type, quint32 scale, quint32 rate)
{
    QByteArray strh = QByteArray(type, 4) + QByteArray("DIB ") + le32(0) + QByteArray(4, '\0')
                      + le32(0) + le32(scale) + le32(rate) + QByteArray(28, '\0');
    return list("strl", chunk("strh", strh) + chunk("strf", QByteArray(40, '\0')));
}

QByteArray riff(const QByteArray &body)
{
    return QByteArray("RIFF") + le32(body.size() + 4) + QByteArray("AVI ") + body;
}

// A file as writers lay it out: header list, padding, then the frames.
QByteArray avi(quint32 microSecPerFrame, const QList<QByteArray> &streams,
               const QByteArray &before = QByteArray())
{
    QByteArray hdrl = mainHeader(microSecPerFrame);
    for (const QByteArray &s : streams)
        hdrl += s;
    return riff(before + list("hdrl", hdrl) + chunk("JUNK", QByteArray(100, '\0'))
                + list("movi", chunk("00dc", QByteArray(33, 'x'))));
}

AviRate parsed(const QByteArray &bytes, bool *ok = nullptr)
{
    AviRate r;
    const bool good = parseAviHeaders(bytes, &r);
    if (ok)
        *ok = good;
    return r;
}

TEST(AviHeader, FirstVideoStreamGivesScaleAndRate)
{
    bool ok = false;
    const AviRate r = parsed(avi(33366, {streamList("auds", 1, 44100),
                                         streamList("vids", 1001, 30000),
                                         streamList("vids", 1, 25)}),
                             &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(r.scale, 1001u);
    EXPECT_EQ(r.rate, 30000u);
}

TEST(AviHeader, WithoutAVideoRateTheMainHeaderCounts)
{
    for (const QByteArray &bytes :
         {avi(40000, {streamList("auds", 1, 44100)}), avi(40000, {streamList("vids", 0, 0)}),
          avi(40000, {}, chunk("JUNK", QByteArray(7, '\0')))}) {
        bool ok = false;
        const AviRate r = parsed(bytes, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(r.scale, 40000u);
        EXPECT_EQ(r.rate, 1000000u);
    }
    // a zero there too: the file opens but gives no rate
    bool ok = false;
    const AviRate r = parsed(avi(0, {}), &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(r.rate, 0u);
}

TEST(AviHeader, MalformedStructuresFail)
{
    const QByteArray good = avi(40000, {streamList("vids", 1, 25)});
    QByteArray notAvi = good;
    notAvi.replace(8, 4, "WAVE");
    QByteArray hugeList = good;
    hugeList.replace(16, 4, le32(0xfffffff0u));  // the header list claims 4 GB
    QByteArray hugeStrh = good;
    const qsizetype strh = hugeStrh.indexOf("strh");
    hugeStrh.replace(strh + 4, 4, le32(0x7fffffffu));
    for (const QByteArray &bytes :
         {QByteArray(), QByteArray("RIFF"), notAvi, hugeList, hugeStrh,
          riff(chunk("JUNK", QByteArray(10, '\0'))),  // no header list at all
          riff(list("hdrl", QByteArray()))}) {         // no main header
        bool ok = true;
        parsed(bytes, &ok);
        EXPECT_FALSE(ok) << bytes.toHex().left(64).constData();
    }
}

TEST(AviHeader, TruncatedAndRandomBytesAreCleanFailures)
{
    const QByteArray good = avi(40000, {streamList("vids", 1, 25)});
    const qsizetype headersEnd = good.indexOf("JUNK");
    for (qsizetype n = 0; n < headersEnd; ++n) {
        bool ok = true;
        parsed(good.left(n), &ok);
        EXPECT_FALSE(ok) << "cut at " << n;
    }
    // Flipped bytes and pure noise may parse or not, but never read outside.
    QRandomGenerator rng(13);
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes = good;
        for (int k = 0; k < 4; ++k)
            bytes[rng.bounded(int(headersEnd))] = char(rng.bounded(256));
        parsed(bytes.left(rng.bounded(int(bytes.size()) + 1)));
        QByteArray noise(rng.bounded(300), '\0');
        for (char &c : noise)
            c = char(rng.bounded(256));
        if (i % 2)
            noise.replace(0, qMin<qsizetype>(12, noise.size()), QByteArray("RIFF\x10\0\0\0AVI ", 12));
        parsed(noise);
    }
}

class AviFiles : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    RiffAviLibrary library;
};

TEST_F(AviFiles, OpenReadsTheRateFromTheFile)
{
    // a long chunk before the header list is skipped, not read
    const QString path = write(QStringLiteral("a.avi"),
                               avi(0, {streamList("vids", 1001, 24000)},
                                   chunk("JUNK", QByteArray(200000, '\0'))));
    ASSERT_TRUE(library.open(path));
    EXPECT_EQ(library.info().scale, 1001u);
    EXPECT_EQ(library.info().rate, 24000u);
}

TEST_F(AviFiles, MissingTruncatedAndForeignFilesDoNotOpen)
{
    const QByteArray good = avi(40000, {streamList("vids", 1, 25)});
    EXPECT_FALSE(library.open(dir.filePath(QStringLiteral("none.avi"))));
    EXPECT_FALSE(library.open(write(QStringLiteral("cut.avi"), good.left(good.indexOf("strf")))));
    EXPECT_FALSE(library.open(write(QStringLiteral("text.avi"), "1\n00:00:01,000 --> 2\n")));
    EXPECT_FALSE(library.open(dir.path()));
    EXPECT_EQ(library.info().rate, 0u);
}

TEST_F(AviFiles, RealFileFromFfmpeg)
{
    const QString path = dir.filePath(QStringLiteral("ntsc.avi"));
    const MadeFilm made = makeFilm(path, QStringLiteral("color=c=black:s=32x32:r=30000/1001:d=0.2"));
    if (!made.found)
        GTEST_SKIP() << "ffmpeg is not installed (scripts/setup installs it)";
    if (!made.made)
        GTEST_SKIP() << "ffmpeg could not make the file: " << made.error;
    ASSERT_TRUE(library.open(path));
    const AviRate r = library.info();
    ASSERT_NE(r.scale, 0u);
    EXPECT_NEAR(double(r.rate) / r.scale, 30000.0 / 1001, 1e-9);
}

}  // namespace
