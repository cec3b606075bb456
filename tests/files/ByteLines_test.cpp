#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

#include "files/ByteLines.h"
#include "files/SubtitleReader.h"
#include "files/TextDecoding.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

QByteArray randomBytes(quint32 &seed, int length)
{
    const char pieces[] = {'a', 'b', '\r', '\n', '\xF5', ' '};
    QByteArray bytes;
    for (int i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes.append(pieces[(seed >> 16) % std::size(pieces)]);
    }
    return bytes;
}

QList<QByteArray> allLines(ByteLines &lines)
{
    QList<QByteArray> out;
    while (!lines.atEnd())
        out.append(lines.next().toByteArray());
    return out;
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("f.srt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

QStringList cursorLines(const DecodedText &text)
{
    LineCursor cursor(text);
    QStringList out;
    while (!cursor.atEnd())
        out.append(cursor.next().toString());
    return out;
}

}  // namespace

// Read in chunks of a few bytes, the lines are those of the bytes held
// whole: breaks, CR LF pairs and long lines fall on every side of a chunk.
TEST(ByteLines, ChunkedReadGivesTheLinesOfTheBytesInMemory)
{
    quint32 seed = 1250;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = randomBytes(seed, round % 60);
        ByteLines whole(bytes.constData(), bytes.size());
        const QList<QByteArray> expected = allLines(whole);
        for (const qsizetype chunk : {2, 3, 5, 16}) {
            QBuffer device(&bytes);
            device.open(QIODevice::ReadOnly);
            ByteLines chunked(&device, bytes.size(), true, chunk);
            ASSERT_EQ(allLines(chunked), expected) << bytes.toHex().constData() << " " << chunk;
            EXPECT_FALSE(chunked.failed());
            EXPECT_EQ(chunked.bytesRead(), bytes.size());
        }
    }
}

// A device ending before the bytes asked for is a failure only when all of
// them were expected; a limit stops the lines where it falls.
TEST(ByteLines, DeviceEndingEarlyOrLimitReached)
{
    QByteArray bytes("one\ntwo\n");
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    ByteLines wanted(&device, 20, true, 4);
    EXPECT_EQ(allLines(wanted), (QList<QByteArray>{"one", "two"}));
    EXPECT_TRUE(wanted.failed());

    device.seek(0);
    ByteLines asMuch(&device, 20, false, 4);
    EXPECT_EQ(allLines(asMuch), (QList<QByteArray>{"one", "two"}));
    EXPECT_FALSE(asMuch.failed());

    device.seek(0);
    ByteLines limited(&device, 5, false, 4);
    EXPECT_EQ(allLines(limited), (QList<QByteArray>{"one", "t"}));
    EXPECT_EQ(limited.bytesRead(), 5);
}

// A file surveyed from the disk is prepared as its bytes in memory are:
// the same encoding, counts and decoded lines.
TEST(ByteLines, FileIsPreparedAsItsBytesAre)
{
    const QByteArray utf16("\xFF\xFE" "1\0\n\0\x51\x01\n\0", 10);
    const QByteArray cases[] = {
        "1\r\n00:00:01,000 --> 00:00:02,000\r\nfo\xF5 \xE1rok\r\n\r\n{10}{20}x\n",
        "1\n00:00:01,000 --> 00:00:02,000\n\xC5\x91 sz\xC3\xB3\n",
        "\xEF\xBB\xBF" "1\n00:00:01.000 --> 00:00:02.000\nbom\n",
        "\xEF\xBB\xBF",
        "plain ascii\nonly\n",
        "valid \xC5\x91 first\nthen a code page byte \xF5\n",
        "",
        utf16,
    };
    QTemporaryDir dir;
    for (const QByteArray &bytes : cases) {
        const DecodedText memory = prepareSubtitleText(bytes);
        QFile file(writeFile(dir, bytes));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        DecodedText disk;
        ASSERT_TRUE(prepareSubtitleFile(file, 1000, &disk)) << bytes.toHex().constData();
        EXPECT_EQ(disk.encoding, memory.encoding) << bytes.toHex().constData();
        EXPECT_EQ(disk.lineCount, memory.lineCount) << bytes.toHex().constData();
        EXPECT_EQ(disk.timeShapedLines, memory.timeShapedLines) << bytes.toHex().constData();
        EXPECT_EQ(disk.braceLines, memory.braceLines) << bytes.toHex().constData();
        EXPECT_EQ(disk.streamed(), !memory.isUtf16()) << bytes.toHex().constData();
        EXPECT_EQ(disk.fileSize, bytes.size()) << bytes.toHex().constData();
        EXPECT_EQ(cursorLines(disk), cursorLines(memory)) << bytes.toHex().constData();
    }
}

// The rows of a file that changed between its survey and its read are not
// given as the file's: the read says it could not read the file through.
TEST(ByteLines, FileChangedUnderTheReadIsUnreadable)
{
    QTemporaryDir dir;
    const QByteArray entry("1\n00:00:01,000 --> 00:00:02,000\nText\n\n");
    QFile file(writeFile(dir, entry + entry));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    DecodedText text;
    ASSERT_TRUE(prepareSubtitleFile(file, 1000, &text));
    EXPECT_FALSE(readSubtitle(text, ReadOptions{}).unreadable);

    writeFile(dir, entry);
    const ReadResult shrunk = readSubtitle(text, ReadOptions{});
    EXPECT_TRUE(shrunk.unreadable);

    QFile::remove(text.path);
    EXPECT_TRUE(readSubtitle(text, ReadOptions{}).unreadable);
}

// Any change between the survey and the read counts, not only a shorter
// file: a bigger file put in its place (read as its cut beginning before),
// one grown in place, one rewritten to the same size later.
TEST(ByteLines, AnyChangeOfTheFileUnderTheReadIsUnreadable)
{
    const QByteArray entry("1\n00:00:01,000 --> 00:00:02,000\nText\n\n");
    const QByteArray other("1\n00:00:05,000 --> 00:00:06,000\nMore\n\n");
    const auto survey = [](const QString &path, DecodedText *text) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
               && prepareSubtitleFile(file, 1000, text);
    };
    using Change = void (*)(const QString &path, const QByteArray &entry, const QByteArray &other);
    const Change changes[] = {
        [](const QString &path, const QByteArray &entry, const QByteArray &other) {
            putFile(path + ".new", entry + other + other);
            QFile::remove(path);
            QFile::rename(path + ".new", path);
        },
        [](const QString &path, const QByteArray &, const QByteArray &other) {
            QFile f(path);
            if (f.open(QIODevice::Append))
                f.write(other);
        },
        [](const QString &path, const QByteArray &, const QByteArray &other) {
            putFile(path, other);
            // the clock of a change may not have moved yet: a second later
            const timespec later[2] = {{0, UTIME_OMIT}, {time(nullptr) + 1, 0}};
            utimensat(AT_FDCWD, QFile::encodeName(path).constData(), later, 0);
        },
    };
    int n = 0;
    for (const Change change : changes) {
        QTemporaryDir dir;
        const QString path = writeFile(dir, entry);
        DecodedText text;
        ASSERT_TRUE(survey(path, &text));
        change(path, entry, other);
        EXPECT_TRUE(readSubtitle(text, ReadOptions{}).unreadable) << "change " << n;
        ++n;
    }
}
