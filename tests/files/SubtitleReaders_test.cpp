#include <gtest/gtest.h>

#include "files/SubtitleFormat.h"
#include "files/SubtitleReader.h"
#include "files/TextDecoding.h"
#include "support/PrintQString.h"

namespace {

// The formats that name a reader, and the type each reports.
TEST(SubtitleReaders, FormatsNameTheirReaders)
{
    QStringList named;
    for (const SubtitleFormat &f : subtitleFormats())
        if (f.reader)
            named << QString(f.name) + u'=' + fileTypeCode(f.reader->type);
    EXPECT_EQ(named, (QStringList{"MicroDVD=1", "SubRip=2", "SubViewer 2.0=4"}));
    EXPECT_EQ(savedFormat(false).reader, &subRipReading);
    EXPECT_EQ(savedFormat(true).reader, &microDvdReading);
}

// A line is taken by one reader at most, so the order of the list never
// decides between two.
TEST(SubtitleReaders, NoLineIsTakenByTwoReaders)
{
    const char16_t nul[] = u"1\0002";
    for (const QStringView line :
         {QStringView(u"1"), QStringView(u"{1}{2}a"), QStringView(u"00:00:01.00,00:00:02.00"),
          QStringView(u"00:00:01,000 --> 00:00:02,000"), QStringView(u""), QStringView(u"abc"),
          QStringView(nul, 3)}) {
        int takers = 0;
        for (const SubtitleFormat &f : subtitleFormats())
            takers += f.reader && f.reader->takes(line) ? 1 : 0;
        EXPECT_LE(takers, 1) << qPrintable(line.toString());
    }
}

// The whole text's type: the first line that tells, a time-based file in
// 16-bit Unicode told apart.
TEST(SubtitleReaders, TextTypeComesFromItsFirstTellingLine)
{
    const struct {
        QByteArray bytes;
        SubtitleFileType type;
    } cases[] = {
        {"junk\r\n\r\n1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n", SubtitleFileType::times},
        {"{10}{20}A\r\n", SubtitleFileType::frames},
        {"00:00:01.00,00:00:02.00\r\nA\r\n", SubtitleFileType::dotted},
        {"nothing here\r\n", SubtitleFileType::none},
        {QByteArray("\xff\xfe" "1\0\r\0\n\0", 8), SubtitleFileType::timesUnicode},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(detectSubtitleType(prepareSubtitleText(c.bytes)), c.type) << c.bytes.constData();
        EXPECT_EQ(readSubtitle(c.bytes, ReadOptions{}).type, c.type) << c.bytes.constData();
    }
}

}  // namespace
