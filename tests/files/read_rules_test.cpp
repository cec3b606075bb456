#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ModeGlobals.h"
#include "editor/EditorControls.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "files/FileGlobals.h"
#include "files/LineClasses.h"
#include "files/SubtitleReader.h"
#include "files/TextDecoding.h"
#include "read_support.h"
#include "support/GlobalsFixture.h"

namespace {

QByteArray cp1250(const QString &text)
{
    QByteArray out;
    // test texts here are ASCII apart from what is given as bytes
    for (QChar c : text)
        out += char(c.unicode());
    return out;
}

QByteArray entry(int n, const char *start, const char *end, const QByteArray &text)
{
    return QByteArray::number(n) + "\r\n" + start + " --> " + end + "\r\n" + text + "\r\n\r\n";
}

class ReadRules : public GlobalsFixture {
protected:
    QString read(const QByteArray &bytes, bool withOffset = false)
    {
        subtitlePath = writeFile(dir, QStringLiteral("t.srt"), bytes);
        if (textTarget == QLatin1String("1"))
            model.cds.empty();
        return readSubtitleFile(model, withOffset);
    }
    QStringList texts(bool second = false) const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out.append(second ? model.cds.rowAt(i).szoveg2.text() : model.cds.rowAt(i).szoveg);
        return out;
    }
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setHost(&host);
        model.cds.create();
        textTarget = QStringLiteral("1");
    }
    QTemporaryDir dir;
    CountingHost host;
    EditorModel model;
    MessageRecorder recorder;
};

// The one-pass cleaning must give what repeating the four single deletions
// until nothing changes gives.
QString cleanByRepetition(QString t)
{
    for (;;) {
        const QString before = t;
        for (const char *pattern : {"  ", " ,", " |"}) {
            const qsizetype at = t.indexOf(QLatin1String(pattern));
            if (at >= 0)
                t.remove(at, 1);
        }
        const qsizetype bar = t.indexOf(QLatin1String("| "));
        if (bar >= 0)
            t.remove(bar + 1, 1);
        if (t == before)
            return t;
    }
}

TEST(CleanText, MatchesRepeatedDeletions)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"a  b", "a b"},     {"a   ,b", "a,b"},   {"a | b", "a|b"},  {"  x", " x"},
        {"x  ", "x "},       {"| ,  |  y", "|,|y"}, {"", ""},        {"a ,, b", "a,, b"},
        {" | ", "|"},        {"no change", "no change"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cleanText(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
        EXPECT_EQ(cleanByRepetition(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
    }
    // the quick test of whether anything changes agrees on every short mix,
    // alone and at every place of a block of a longer text
    const char marks[] = {' ', ',', '|', 'a'};
    for (int code = 0; code < 4 * 4 * 4 * 4 * 4; ++code) {
        QString mix;
        for (int k = 0, c = code; k < 5; ++k, c /= 4)
            mix += QLatin1Char(marks[c % 4]);
        for (int before : {-1, 0, 3, 6, 7, 8, 12}) {
            const QString t =
                before < 0 ? mix : QString(before, u'a') + mix + QString(10, u'b');
            EXPECT_EQ(needsCleaning(t), cleanText(t) != t) << qPrintable(t);
        }
    }
}

TEST(LineClasses, TypesAndTimeLines)
{
    const struct {
        const char *line;
        const char *type;
    } types[] = {
        {"{10}{20}x", "1"}, {"12", "2"}, {"00:00:01.00,00:00:02.50", "4"}, {"", ""},
        {"1a", ""},         {" 1", ""},  {"00:00:01,000 --> 00:00:02,000", ""},
    };
    for (const auto &t : types)
        EXPECT_EQ(detectFileType(QString::fromLatin1(t.line)), QString::fromLatin1(t.type)) << t.line;
    EXPECT_EQ(detectFileType(QString::fromLatin1("1\0002", 3)), QString()) << "a NUL never classifies";

    const QString dotted = QStringLiteral("00:00:01.000 --> 00:00:02.000");
    EXPECT_TRUE(isTimeLine(dotted, true));
    EXPECT_FALSE(isTimeLine(dotted, false));
    EXPECT_TRUE(isTimeLine(QStringLiteral("00:00:01:000 --> 00:00:02:000"), false));
    EXPECT_FALSE(isTimeLine(QStringLiteral("00:00:01,000 --> 00:00:02"), false)) << "too short";
    EXPECT_TRUE(isEmptyLine(QStringLiteral(" ")));
    EXPECT_FALSE(isEmptyLine(QStringLiteral("  ")));
}

// Both times at once are the times taken one by one, short lines included.
TEST(LineClasses, BothTimesOfALineAreTheTimesTakenOneByOne)
{
    for (const char *text : {"00:00:01.000 --> 00:00:02:500 X1 Y2", "01:02:03,004 --> 05:06:07,008",
                             "00:00:01,000 --> 00:00:0", "0x:00:01,000 --> 00:00:02,000"}) {
        const QString line = QString::fromLatin1(text);
        TimeText start, end;
        timeLineTimes(line, start, end);
        EXPECT_EQ(start, timeLineStart(line)) << text;
        EXPECT_EQ(end, timeLineEnd(line)) << text;
    }
}

TEST(TextDecoding, ChoosesEncodingAndSplitsLines)
{
    EXPECT_EQ(decodeSubtitleBytes("\xF5\xFB").text, QStringLiteral("őű")) << "code page 1250";
    EXPECT_EQ(decodeSubtitleBytes("\xF5\xFB").encoding, FileEncoding::Cp1250);
    EXPECT_EQ(decodeSubtitleBytes("abc").encoding, FileEncoding::Cp1250) << "plain ASCII";
    const DecodedText utf8 = decodeSubtitleBytes("\xC5\x91\xC5\xB1");
    EXPECT_EQ(utf8.encoding, FileEncoding::Utf8);
    EXPECT_EQ(utf8.text, QStringLiteral("őű"));
    EXPECT_EQ(decodeSubtitleBytes("\xC5\x91\xF5").encoding, FileEncoding::Cp1250)
        << "one invalid sequence makes it a code-page file";
    EXPECT_EQ(decodeSubtitleBytes("\xEF\xBB\xBF" "1").text, QStringLiteral("1"));
    EXPECT_EQ(decodeSubtitleBytes(QByteArray("\xFF\xFE" "1\0\x51\x01", 6)).text, QStringLiteral("1ő"));
    EXPECT_EQ(decodeSubtitleBytes(QByteArray("\xFE\xFF\0" "1\x01\x71", 6)).text, QStringLiteral("1ű"));
    // an odd byte at the end of a UTF-16 file does not crash the decoder
    EXPECT_FALSE(decodeSubtitleBytes(QByteArray("\xFF\xFE" "1\0x", 5)).text.isEmpty());

    const QString text = QStringLiteral("a\r\nb\nc\rd\r\r\n\n");
    QStringList lines;
    for (QStringView l : splitLines(text))
        lines.append(l.toString());
    EXPECT_EQ(lines, (QStringList{"a", "b", "c", "d", "", ""}));
    EXPECT_TRUE(splitLines(QString()).empty());
    EXPECT_EQ(splitLines(QStringLiteral("x")).size(), 1u);
}

// Every byte decodes as it does alone, wherever it falls in the blocks the
// bytes are widened in, and leaves its neighbours as they are.
TEST(TextDecoding, EveryCodePageByteAtEveryPlaceOfABlock)
{
    for (int value = 0; value < 256; ++value) {
        const char byte = char(value);
        const QChar alone = decodeCp1250(&byte, 1).at(0);
        for (int at = 0; at < 32; ++at) {
            QByteArray bytes(40, '\xE9');
            bytes[at] = byte;
            const QString text = decodeCp1250(bytes.constData(), bytes.size());
            ASSERT_EQ(text.at(at), alone) << value << " at " << at;
            ASSERT_EQ(text.count(QChar(0x00E9)), value == 0xE9 ? 40 : 39) << value << " at " << at;
        }
    }
}

// The cursor over a file's bytes splits and decodes as the cursor over the
// whole decoded text does: line ends and accented bytes on every side of the
// blocks the bytes are looked at in.
TEST(TextDecoding, ByteCursorGivesTheLinesOfTheDecodedText)
{
    const char pieces[] = {'a', 'b', '\r', '\n', '\xF5', '\xE1', ' '};
    quint32 seed = 1250;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        const int length = round % 70;
        for (int i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            bytes.append(pieces[(seed >> 16) % std::size(pieces)]);
        }
        const QString whole = decodeCp1250(bytes.constData(), bytes.size());
        LineCursor expected(whole);
        DecodedText prepared = prepareSubtitleText(bytes);
        prepared.lazy = true;
        prepared.encoding = FileEncoding::Cp1250;
        prepared.bytes = bytes;
        LineCursor got(prepared);
        ASSERT_EQ(got.count(), expected.count()) << bytes.toHex().constData();
        while (!expected.atEnd()) {
            ASSERT_FALSE(got.atEnd()) << bytes.toHex().constData();
            ASSERT_EQ(got.next().toString(), expected.next().toString()) << bytes.toHex().constData();
        }
        EXPECT_TRUE(got.atEnd()) << bytes.toHex().constData();
    }
    // a UTF-8 file: an all-ASCII line and one with a two-byte sequence
    DecodedText utf8 = prepareSubtitleText("plain ascii line of more than sixteen\n\xC5\x91 and "
                                           "\xC5\xB1 after a longer ASCII start");
    ASSERT_EQ(utf8.encoding, FileEncoding::Utf8);
    LineCursor lines(utf8);
    EXPECT_EQ(lines.next().toString(), QStringLiteral("plain ascii line of more than sixteen"));
    EXPECT_EQ(lines.next().toString(), QStringLiteral("ő and ű after a longer ASCII start"));
}

TEST_F(ReadRules, RecordsEncodingOfEachTarget)
{
    read("1\n00:00:01,000 --> 00:00:02,000\n\xC5\x91\n");
    EXPECT_EQ(model.fileEncoding, FileEncoding::Utf8);
    textTarget = QStringLiteral("2");
    read("\xFF\xFE" + QByteArray("1\0\n\0", 4));
    EXPECT_EQ(model.secondFileEncoding, FileEncoding::Utf16Le);
    EXPECT_EQ(model.fileEncoding, FileEncoding::Utf8);
}

// Storing the text at a number clears what was pending, so a number that
// follows a blank line does not store an empty text over the row before.
TEST_F(ReadRules, NumberAfterBlankKeepsStoredText)
{
    read(entry(1, "00:00:01,000", "00:00:02,000", "Egy") + "2\r\n\r\n"
         + entry(3, "00:00:05,000", "00:00:06,000", "Harom"));
    EXPECT_EQ(texts(), (QStringList{"Egy", "Harom"}));
}

// A stray text after a number and a blank line joins the row it is stored
// into rather than replacing its text.
TEST_F(ReadRules, StrayTextJoinsPostedRow)
{
    read(entry(1, "00:00:01,000", "00:00:02,000", "Egy") + "2\r\n\r\nKobor\r\n\r\n"
         + entry(3, "00:00:05,000", "00:00:06,000", "Harom"));
    EXPECT_EQ(texts(), (QStringList{"Egy||Kobor", "Harom"}));
}

// What a long entry without breaks stores is what the literal rules store:
// pending lines are joined and cleaned at each blank line, kept whole.
TEST_F(ReadRules, LongEntryStoresWhatFullTextWould)
{
    QByteArray file = "1\r\n00:00:01,000 --> 00:00:02,000\r\n";
    QString pending;
    for (int i = 0; i < 3000; ++i) {
        const QString line = i % 3 == 0 ? QStringLiteral("   ,  ") : QStringLiteral("sz  %1 ").arg(i);
        file += cp1250(line) + "\r\n\r\n";
        pending = i == 0 ? line : pending + QStringLiteral("||") + line;
        pending = cleanByRepetition(pending);
    }
    read(file);
    ASSERT_EQ(model.cds.recordCount(), 1);
    EXPECT_EQ(model.cds.rowAt(0).szoveg, pending);
}

// A text longer than 220 characters is kept whole and its row named once in
// the report; a second text too. Shorter texts are not named.
TEST_F(ReadRules, LongTextsAreKeptWholeAndNamed)
{
    const QByteArray longText = QByteArray(150, 'a') + "\r\n" + QByteArray(100, 'b');
    const QByteArray file = entry(1, "00:00:01,000", "00:00:02,000", "rovid")
                            + entry(2, "00:00:03,000", "00:00:04,000", longText)
                            + entry(3, "00:00:05,000", "00:00:06,000", QByteArray(220, 'c'));
    read(file);
    ASSERT_EQ(model.cds.recordCount(), 3);
    EXPECT_EQ(model.cds.rowAt(1).szoveg, QString(150, u'a') + u'|' + QString(100, u'b'));
    EXPECT_EQ(model.cds.rowAt(2).szoveg.size(), 220);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "A/Az 2. sor szövege hosszabb 220 karakternél: egészben "
                               "megtartottam."}));
    EXPECT_EQ(host.reportShown, 1);

    textTarget = QStringLiteral("2");
    model.cds.first();
    read(entry(1, "00:00:01,000", "00:00:02,000", QByteArray(230, 'x')));
    EXPECT_EQ(model.cds.rowAt(0).szoveg2.text(), QString(230, u'x'));
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "A/Az 1. sor második szövege hosszabb 220 karakternél: egészben "
                               "megtartottam."}));
}

// Lines before the first sequence number and what follows the times of a
// time line are said in the report; the rows stay as they are read.
TEST_F(ReadRules, SkippedLinesAndDroppedCoordinatesAreReported)
{
    const QByteArray file = "Fejlec\r\n\r\n00:00:00,500 --> 00:00:00,900\r\nelveszett\r\n\r\n"
                            + entry(1, "00:00:01,000", "00:00:02,000", "egy")
                            + "2\r\n00:02:04,080 --> 00:02:07,120 X1:40 X2:600 Y1:20 Y2:50\r\n"
                              "ketto\r\n\r\n"
                            + entry(3, "00:02:08,000", "00:02:09,000", "harom");
    read(file);
    EXPECT_EQ(texts(), (QStringList{"egy", "ketto", "harom"}));
    EXPECT_EQ(model.cds.rowAt(1).befejezes, QStringLiteral("00:02:07,120"));
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "A file elején, az első sorszám előtt álló 3 sort nem olvastam be.",
                           "", "A/Az 2. sor időkódja után álló részt mentéskor nem írom ki: "
                               "X1:40 X2:600 Y1:20 Y2:50"}));

    // trailing spaces after the times are nothing to say
    read(entry(1, "00:00:01,000", "00:00:02,000   ", "egy"));
    EXPECT_TRUE(model.log.lines().isEmpty());
}

TEST_F(ReadRules, OutOfRangeTimesCarriedOverWithinTimeCode)
{
    read(entry(1, "00:59:60,500", "99:99:99,999", "x"));
    ASSERT_EQ(model.cds.recordCount(), 1);
    EXPECT_EQ(model.cds.rowAt(0).kezdes, QStringLiteral("01:00:00,500"));
    EXPECT_EQ(model.cds.rowAt(0).befejezes, QStringLiteral("99:59:59,999"));
    EXPECT_EQ(model.log.lines().count(QStringLiteral("Hiba oka: időeltérés")), 2);
    read(entry(1, "00:0a:00,000", "00:00:01,000", "x"));
    EXPECT_EQ(model.cds.rowAt(0).kezdes, QStringLiteral("00:00:00,000")) << "malformed, unreported";
    EXPECT_TRUE(model.log.isEmpty());
}

TEST_F(ReadRules, CdOffsetMovesEveryRowToTypedStart)
{
    model.cdJoinStart = QStringLiteral("01:00:00,000");
    read(entry(1, "00:00:05,000", "00:00:06,500", "Egy") + "00:00:07,000 --> 00:00:08,000\r\nKetto\r\n\r\n"
             + entry(3, "00:00:09,000", "00:00:10,000", "Harom") + "4\r\nIdo nelkul\r\n\r\n",
         true);
    ASSERT_EQ(model.cds.recordCount(), 4);
    EXPECT_EQ(model.cds.rowAt(3).kezdes, QStringLiteral("01:00:05,000")) << "repair uses the moved end";
    EXPECT_EQ(model.cds.rowAt(0).kezdes, QStringLiteral("01:00:00,000"));
    EXPECT_EQ(model.cds.rowAt(0).befejezes, QStringLiteral("01:00:01,500"));
    EXPECT_EQ(model.cds.rowAt(1).kezdes, QStringLiteral("01:00:02,000")) << "the repaired row too";
    EXPECT_EQ(model.cds.rowAt(2).befejezes, QStringLiteral("01:00:05,000"));

    model.cds.empty();
    model.cdJoinStart = QStringLiteral("00:00:01,000");
    read(entry(1, "00:00:05,000", "00:00:06,000", "Egy") + entry(2, "00:00:02,000", "00:00:03,000", "Ketto"), true);
    EXPECT_EQ(model.cds.rowAt(0).kezdes, QStringLiteral("00:00:01,000"));
    EXPECT_EQ(model.cds.rowAt(1).kezdes, zeroTimeCode) << "moved below zero";
}

TEST_F(ReadRules, FrameOffsetOnlyWhenPositive)
{
    model.cdJoinStart = QStringLiteral("1000");
    subtitlePath = writeFile(dir, QStringLiteral("t.sub"), "{0}{10}A\n{20}{30}B\n");
    readSubtitleFile(model, true);
    ASSERT_EQ(model.cds.recordCount(), 2);
    EXPECT_EQ(model.cds.rowAt(1).kezdes, QStringLiteral("1020"));
    EXPECT_EQ(model.cds.rowAt(1).befejezes, QStringLiteral("1030"));
    EXPECT_EQ(model.timeBase(), QStringLiteral("Frame"));
    EXPECT_EQ(loadedTimeBase, QStringLiteral("Frame"));

    model.cds.empty();
    model.cdJoinStart = QStringLiteral("0");
    subtitlePath = writeFile(dir, QStringLiteral("u.sub"), "{500}{510}A\n");
    readSubtitleFile(model, true);
    EXPECT_EQ(model.cds.rowAt(0).kezdes, QStringLiteral("500"));
}

class SecondSubtitle : public ReadRules {
protected:
    void readMain()
    {
        subtitlePath = dataPath(QStringLiteral("srt/well_formed.srt"));
        readSubtitleFile(model, false);
        model.cds.first();
        textTarget = QStringLiteral("2");
    }
    void readSecond(const QString &fixture)
    {
        model.cds.first();
        subtitlePath = dataPath(fixture);
        readSubtitleFile(model, false);
    }
};

TEST_F(SecondSubtitle, ExtraEntriesIgnoredMissingOnesEmptied)
{
    readMain();
    readSecond(QStringLiteral("srt/second_more.srt"));
    EXPECT_EQ(texts(true), (QStringList{"One", "Two|lines", "Three"}));
    EXPECT_EQ(model.cds.secondRowCount(), 3);
    EXPECT_EQ(model.cds.rowAt(0).kezdes, QStringLiteral("00:00:01,000")) << "times untouched";
    EXPECT_EQ(model.timeBase(), QStringLiteral("Time"));

    readSecond(QStringLiteral("srt/second_fewer.srt"));
    EXPECT_EQ(texts(true), (QStringList{"Egy", "Kettő", ""}));
    EXPECT_EQ(model.cds.secondRowCount(), 2);
    EXPECT_EQ(texts(), (QStringList{"Árvíztűrő tükörfúrógép|Második sor", "Ő és ű", "Vége"}));
}

// An entry of the second file whose blank line and number are missing ends
// at the next time line; the text after it goes to the next row.
TEST_F(SecondSubtitle, TimeLineWithoutBreakStartsNextRow)
{
    readMain();
    subtitlePath = writeFile(dir, QStringLiteral("s.srt"),
                             "1\n00:00:01,000 --> 00:00:02,000\nA\n00:00:03,000 --> 00:00:04,000\nB\n\n"
                             "00:00:05,000 --> 00:00:06,000\nC\n");
    model.cds.first();
    readSubtitleFile(model, false);
    EXPECT_EQ(texts(true), (QStringList{"A", "B", "C"}));
}

TEST_F(SecondSubtitle, FrameLinesBeyondTableOverwriteLastRow)
{
    subtitlePath = writeFile(dir, QStringLiteral("m.sub"), "{1}{2}a\n{3}{4}b\n");
    readSubtitleFile(model, false);
    textTarget = QStringLiteral("2");
    model.cds.first();
    subtitlePath = writeFile(dir, QStringLiteral("s.sub"), "{1}{2}X\n{3}{4}Y\n{5}{6}Z\n");
    readSubtitleFile(model, false);
    EXPECT_EQ(texts(true), (QStringList{"X", "Z"}));
    EXPECT_EQ(model.cds.recordCount(), 2);
}

TEST_F(ReadRules, ProgressInHundredthsWithoutSlowingTheRead)
{
    QByteArray file;
    for (int i = 1; i <= 250; ++i)
        file += entry(i, "00:00:01,000", "00:00:02,000", "x");  // 1000 lines
    read(file);
    EXPECT_EQ(host.progress.size(), 100);
    EXPECT_EQ(host.progress.first(), 1);
    EXPECT_EQ(host.progress.last(), 100);
    EXPECT_EQ(host.progressVisible, QList<bool>{true});
    EXPECT_EQ(host.filmPaused, 1);
    EXPECT_TRUE(displayLock) << "left for the caller to clear";

    host.progress.clear();
    read(entry(1, "00:00:01,000", "00:00:02,000", "x"));
    EXPECT_TRUE(host.progress.isEmpty()) << "under a hundred lines no progress is shown";
}

TEST_F(ReadRules, ReportWindowOnlyWhenSomethingWasReported)
{
    model.setEnabled(Ctl::MentM1, false);
    read(entry(1, "00:00:01,000", "00:00:02,000", "x"));
    EXPECT_FALSE(model.readErrorsFound);
    EXPECT_EQ(host.reportShown, 0);
    EXPECT_TRUE(model.isEnabled(Ctl::MentM1));

    read(entry(1, "00:00:09,000", "00:00:02,000", "x") + entry(2, "00:00:03,000", "00:00:04,000", "y"));
    EXPECT_TRUE(model.readErrorsFound);
    EXPECT_EQ(host.reportShown, 1);
    EXPECT_EQ(model.log.caption, QStringLiteral("Hibák észelelése"));
    EXPECT_TRUE(model.log.headingsVisible);

    model.options.beolvas = true;
    read(entry(1, "00:00:09,000", "00:00:02,000", "x") + entry(2, "00:00:03,000", "00:00:04,000", "y"));
    EXPECT_TRUE(model.readErrorsFound);
    EXPECT_FALSE(model.log.isEmpty());
    EXPECT_EQ(host.reportShown, 1) << "Beolvas keeps the window hidden";
}

TEST_F(ReadRules, UnopenableFileNamedInMessage)
{
    const struct {
        QString path;
        QString first;
    } cases[] = {
        {dir.filePath(QStringLiteral("nincs.srt")), QStringLiteral("Nem található a file: nincs.srt")},
        {dir.path(), QStringLiteral("Ez egy mappa, nem file: ") + QFileInfo(dir.path()).fileName()},
    };
    for (const auto &c : cases) {
        recorder.clear();
        subtitlePath = c.path;
        bool unopenable = false;
        EXPECT_EQ(readSubtitleFile(model, false, &unopenable), QString());
        EXPECT_TRUE(unopenable);
        ASSERT_EQ(recorder.messages().size(), 1);
        EXPECT_EQ(recorder.messages()[0].request.title, QStringLiteral("Hiba"));
        EXPECT_EQ(recorder.messages()[0].request.kind, QStringLiteral("hiba"));
        EXPECT_EQ(recorder.messages()[0].request.first, c.first);
        EXPECT_EQ(model.cds.recordCount(), 0);
    }
}

}  // namespace

// The reader works on bytes alone: the rows, the report, the type and the
// early stop come back without a table, a global or a message box, and the
// file read gives the editor the same.
TEST_F(ReadRules, BytesReadAloneMatchTheFileRead)
{
    const struct {
        const char *fixture;
        const char *type;
        bool reported, stopped;
    } cases[] = {
        {"srt/well_formed.srt", "2", false, false},
        {"srt/start_before_previous_end.srt", "2", true, false},
        {"srt/utf16_le.srt", "3", true, false},
        {"sub/frame_stop_space.sub", "1", false, true},
        {"srt/not_a_subtitle.srt", "", false, false},
    };
    for (const auto &c : cases) {
        QFile f(dataPath(QString::fromLatin1(c.fixture)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.fixture;
        const QByteArray bytes = f.readAll();
        recorder.clear();
        const ReadResult result = readSubtitle(bytes, ReadOptions{});
        EXPECT_TRUE(recorder.messages().isEmpty()) << c.fixture;
        EXPECT_EQ(fileTypeCode(result.type), QLatin1String(c.type)) << c.fixture;
        EXPECT_EQ(result.reported, c.reported) << c.fixture;
        EXPECT_EQ(result.stoppedEarly, c.stopped) << c.fixture;

        model.cds.empty();
        subtitlePath = dataPath(QString::fromLatin1(c.fixture));
        EXPECT_EQ(readSubtitleFile(model, false), fileTypeCode(result.type));
        ASSERT_EQ(model.cds.recordCount(), int(result.rows.rows.size())) << c.fixture;
        for (int i = 0; i < model.cds.recordCount(); ++i) {
            const SubtitleRow &a = model.cds.rowAt(i), &b = result.rows.rows[size_t(i)];
            EXPECT_EQ(QStringList({a.kezdes, a.befejezes, a.szoveg}),
                      QStringList({b.kezdes, b.befejezes, b.szoveg}))
                << c.fixture << " row " << i + 1;
        }
        EXPECT_EQ(model.log.lines(), result.report.lines()) << c.fixture;
        EXPECT_EQ(model.readStoppedEarly, c.stopped) << c.fixture;
        EXPECT_EQ(recorder.messages().size(), c.stopped ? 1 : 0) << "the stop is told once";
    }
}
