#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/ModeValues.h"
#include "document/SubtitleTable.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"
#include "translate/TranslationGlobals.h"
#include "translate/TranslationReader.h"
#include "translate/TranslationRows.h"
#include "translate/TranslationWriter.h"

namespace {

// One row as "start|end|text".
QStringList rowsOf(const SubtitleTable &t)
{
    QStringList out;
    for (int i = 0; i < t.recordCount(); ++i) {
        const SubtitleRow &r = t.rowAt(i);
        out << r.kezdes + u'|' + r.befejezes + u'|' + r.szoveg;
    }
    return out;
}

class TranslationFiles : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        resetTranslationGlobals();
        table.create();
        twin.create();
    }
    void TearDown() override
    {
        resetTranslationGlobals();
        GlobalsFixture::TearDown();
    }
    TranslationRead read(const QByteArray &bytes, bool withTwin = false)
    {
        // the messages as the window says them
        const TranslationRead r = readTranslationBytes(bytes, table, withTwin ? &twin : nullptr);
        tellTranslationRead(r);
        return r;
    }
    QString path(const QString &name) const { return dir.path() + u'/' + name; }

    SubtitleTable table;
    SubtitleTable twin;
    MessageRecorder messages;
    QTemporaryDir dir;
};

const QByteArray twoEntries =
    "1\r\n00:00:01,000 --> 00:00:02,500\r\nFirst line\r\nSecond line\r\n\r\n"
    "2\r\n00:00:03,000 --> 00:00:04,000\r\nBye\r\n";

TEST_F(TranslationFiles, TwoLineEntryBecomesThreeRowsAndIsWrittenBackTheSame)
{
    const TranslationRead r = read(twoEntries);
    EXPECT_EQ(r.timeBase, QStringLiteral("Time"));
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(rowsOf(table), (QStringList{"00:00:01,000|00:00:02,500|First line",
                                          "||Second line", "||",
                                          "00:00:03,000|00:00:04,000|Bye"}));
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_TRUE(messages.lines().isEmpty());

    ASSERT_TRUE(writeTranslationFile(table, r.timeBase, path("out.srt"), r.encoding));
    EXPECT_EQ(fileBytes(path("out.srt")), twoEntries);
}

// What the check passes is written so that it reads back row for row; the
// edits that would give a file read back cut short or with entries run
// together (a text line emptied or an empty row put inside an entry, the
// empty row between entries deleted, a text row before the first entry)
// are caught by the check, which also runs before every save.
TEST_F(TranslationFiles, WhatTheCheckPassesReadsBackWhole)
{
    const QString first = QStringLiteral("00:00:01,000|00:00:02,500|First line");
    const QString second = QStringLiteral("00:00:03,000|00:00:04,000|Bye");
    const QString insideBlank = QStringLiteral(
        "Ellenőrzés|hiba|Időpont nélküli szöveg üres sor után!|Sor száma: 3. Kérem töltse fel a "
        "sort rendesen!");
    struct Case {
        const char *what;
        QStringList rows;  // "start|end|text"
        QString message;   // empty: passes and reads back
    } cases[] = {
        {"as read", {first, "||Second line", "||", second}, {}},
        {"empty header text, trailing empty rows", {"00:00:01,000|00:00:02,500|", "||x", "||", "||", second, "||"}, {}},
        {"last text line emptied", {first, "||", "||", second}, {}},
        {"text line emptied inside", {first, "||", "||Third", "||", second}, insideBlank},
        {"empty row inserted inside", {first, "||Second line", "||", "||Third", "||", second},
         QStringLiteral("Ellenőrzés|hiba|Időpont nélküli szöveg üres sor után!|Sor száma: 4. "
                        "Kérem töltse fel a sort rendesen!")},
        {"separator deleted", {first, "||Second line", second},
         QStringLiteral("Ellenőrzés|hiba|Hiányzik az üres sor a felirat előtt!|Sor száma: 3. "
                        "Kérem szúrjon be elé egy üres sort!")},
        {"text before the first entry", {"||Lost", "||", first},
         QStringLiteral("Ellenőrzés|hiba|Időpont nélküli szöveg üres sor után!|Sor száma: 1. "
                        "Kérem töltse fel a sort rendesen!")},
    };
    for (const Case &c : cases) {
        table.empty();
        for (const QString &r : c.rows) {
            const QStringList f = r.split(u'|');
            table.append();
            table.setField(Field::Kezdes, f[0]);
            table.setField(Field::Befejezes, f[1]);
            table.setField(Field::Szoveg, f[2]);
            table.post();
        }
        messages.clear();
        const bool passed = checkTranslationTable(table, QStringLiteral("Time"), false);
        EXPECT_EQ(passed, c.message.isEmpty()) << c.what;
        EXPECT_EQ(messages.lines(), c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.what;
        if (!passed)
            continue;
        ASSERT_TRUE(writeTranslationFile(table, QStringLiteral("Time"), path("out.srt"),
                                         FileEncoding::Cp1250));
        QStringList expected = rowsOf(table);
        while (!expected.isEmpty() && expected.last() == QLatin1String("||"))
            expected.removeLast();  // the reader drops trailing empty rows
        const TranslationRead r = read(fileBytes(path("out.srt")));
        EXPECT_FALSE(r.stopped) << c.what;
        EXPECT_EQ(rowsOf(table), expected) << c.what;
    }
}

TEST_F(TranslationFiles, BlankLinesBetweenEntriesAreKeptAsEmptyRowsAndTrailingOnesDropped)
{
    read("junk\r\n1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n\r\n"
         "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n\r\n\r\n");
    EXPECT_EQ(rowsOf(table), (QStringList{"00:00:01,000|00:00:02,000|A", "||", "||",
                                          "00:00:03,000|00:00:04,000|B"}));
}

TEST_F(TranslationFiles, EmptyTranslationTakesTheSourcesTimingWithEmptyTexts)
{
    read(twoEntries, true);
    EXPECT_EQ(twin.recordCount(), table.recordCount());
    EXPECT_EQ(rowsOf(twin), (QStringList{"00:00:01,000|00:00:02,500|", "||", "||",
                                         "00:00:03,000|00:00:04,000|"}));

    read("{10}{20}Egy|Ketto\r\n{30}{40}Harom\r\n", true);
    EXPECT_EQ(rowsOf(twin), (QStringList{"10|20|", "30|40|"}));

    read("00:00:01.50,00:00:02.75\r\nA[br]B\r\n\r\n00:00:03.00,00:00:04.00\r\nC\r\n", true);
    EXPECT_EQ(rowsOf(twin), (QStringList{"00:00:01,500|00:00:02,750|", "||",
                                         "00:00:03,000|00:00:04,000|"}));
}

TEST_F(TranslationFiles, FrameFileKeepsItsSeparatorsAndStopsAtAStrangeLine)
{
    TranslationRead r = read("{10}{20}Egy|Ketto\r\n{30}{}Harom\r\n");
    EXPECT_EQ(r.timeBase, QStringLiteral("Frame"));
    EXPECT_EQ(rowsOf(table), (QStringList{"10|20|Egy|Ketto", "30||Harom"}));
    ASSERT_TRUE(writeTranslationFile(table, r.timeBase, path("out.sub"), r.encoding));
    EXPECT_EQ(fileBytes(path("out.sub")), QByteArray("{10}{20}Egy|Ketto\r\n{30}{}Harom\r\n"));

    r = read("{10}{20}Egy\r\nnot a frame line\r\n{30}{40}Harom\r\n");
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(rowsOf(table), QStringList{"10|20|Egy"});
    EXPECT_EQ(messages.lines(),
              QStringList{"Hiba|hiba|Hiba a file-ban!|Csak eddig tudtam betölteni a file-t!"});
}

TEST_F(TranslationFiles, TimeFileStopsWithTheReasonAndKeepsTheRowsRead)
{
    struct Case {
        QByteArray bytes;
        QString detail;
        int rows;
    } cases[] = {
        {"1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\n00:00:03.000 --> 00:00:04,000\r\nB\r\n",
         "A hiba oka: A következő sorban hiba van: 00:00:03.000 --> 00:00:04,000", 1},
        {"1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\nx2\r\n",
         "A hiba oka: A következő sor sorszáma ez:'x2', ami talán rossz!\r\n"
         "                       (vagy a 2. sor üres)",
         1},
        {"1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\nAbcdefghijkl\r\n",
         "A hiba oka: A következő sor sorszáma ez:'Abcdefghi...', ami talán rossz!\r\n"
         "                       (vagy a 2. sor üres)",
         1},
    };
    for (const Case &c : cases) {
        messages.clear();
        EXPECT_TRUE(read(c.bytes).stopped);
        EXPECT_EQ(table.recordCount(), c.rows) << c.detail.toStdString();
        EXPECT_EQ(messages.lines(),
                  QStringList{"Hiba|hiba|Hiba a file-ban! Csak eddig tudtam betölteni a file-t!|"
                              + c.detail});
    }
}

TEST_F(TranslationFiles, DottedLayoutGivesOneRowPerEntryAndAnEmptyRow)
{
    const TranslationRead r =
        read("00:00:01.50,00:00:02.75\r\nA[br]B\r\n\r\n00:00:03.00,00:00:04.00\r\nC\r\n");
    EXPECT_EQ(r.timeBase, QStringLiteral("Time"));
    EXPECT_EQ(rowsOf(table), (QStringList{"00:00:01,500|00:00:02,750|A|B", "||",
                                          "00:00:03,000|00:00:04,000|C"}));

    messages.clear();
    EXPECT_TRUE(read("00:00:01.50,00:00:02.75\r\nA\r\n\r\n00:00:03-00\r\nC\r\n").stopped);
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(messages.lines(),
              QStringList{"Hiba|hiba|Hiba a file-ban!|Csak eddig tudtam betölteni a file-t!"});
}

TEST_F(TranslationFiles, UnicodeTimeFileAndAnUnknownFileAreRefusedWithAMessage)
{
    const QString srt = QString::fromLatin1(twoEntries);
    QByteArray utf16("\xff\xfe");
    utf16.append(reinterpret_cast<const char *>(srt.utf16()), srt.size() * 2);
    const QString refusal = "Hiba|hiba|Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!|"
                            "Vagy a file értelmezhetetlen típust tartalmaz!";
    TranslationRead r = read(utf16);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(messages.lines(), QStringList{refusal});

    messages.clear();
    r = read("nothing\r\nto see\r\n");
    EXPECT_TRUE(r.timeBase.isEmpty());
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(messages.lines(), QStringList{refusal});
}

TEST_F(TranslationFiles, LongTextsAreKeptWholeAndWrittenBackUnchanged)
{
    const QByteArray bytes = "{10}{20}" + QByteArray(60, 'x') + "|" + QByteArray(40, 'y') + "\r\n";
    const TranslationRead r = read(bytes);
    EXPECT_EQ(table.rowAt(0).szoveg.size(), 101);
    ASSERT_TRUE(writeTranslationFile(table, r.timeBase, path("long.sub"), r.encoding));
    EXPECT_EQ(fileBytes(path("long.sub")), bytes);
}

TEST_F(TranslationFiles, WritingKeepsTheEncodingAndTheOldFileWhenItFails)
{
    // code page 1250 stays code page 1250, UTF-8 stays UTF-8
    const QByteArray cp = "1\r\n00:00:01,000 --> 00:00:02,000\r\nK\xf5szi\r\n";
    TranslationRead r = read(cp);
    ASSERT_TRUE(writeTranslationFile(table, r.timeBase, path("cp.srt"), r.encoding));
    EXPECT_EQ(fileBytes(path("cp.srt")), cp);
    const QByteArray utf8 = "1\r\n00:00:01,000 --> 00:00:02,000\r\nK\xc5\x91szi\r\n";
    r = read(utf8);
    ASSERT_TRUE(writeTranslationFile(table, r.timeBase, path("u8.srt"), r.encoding));
    EXPECT_EQ(fileBytes(path("u8.srt")), utf8);

    // a character code page 1250 has no place for makes the file UTF-8
    table.first();
    table.edit();
    table.setField(Field::Szoveg, QStringLiteral("\u20ac \u65e5"));
    table.post();
    ASSERT_TRUE(writeTranslationFile(table, QStringLiteral("Time"), path("wide.srt"),
                                     FileEncoding::Cp1250));
    EXPECT_TRUE(fileBytes(path("wide.srt")).startsWith("\xef\xbb\xbf" "1\r\n"));

    // a protected file keeps its bytes
    putFile(path("ro.srt"), "old");
    QFile::setPermissions(path("ro.srt"), QFile::ReadOwner);
    messages.clear();
    EXPECT_FALSE(writeTranslationFile(table, QStringLiteral("Time"), path("ro.srt"),
                                      FileEncoding::Cp1250));
    EXPECT_EQ(fileBytes(path("ro.srt")), QByteArray("old"));
    EXPECT_EQ(messages.lines(), QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: "
                                            "ro.srt|A kért mentés nem sikerült!"});

    messages.clear();
    EXPECT_FALSE(writeTranslationFile(table, QString(), path("none.srt"), FileEncoding::Cp1250));
    EXPECT_FALSE(QFile::exists(path("none.srt")));
    EXPECT_EQ(messages.lines(),
              QStringList{"Figyelmeztetés|hiba|Ismeretlen típus! Nem mentettem el!|"});
}

// The reader only returns its messages, in order; the window says them.
TEST_F(TranslationFiles, ReaderReturnsItsMessagesForTheWindowToSay)
{
    const TranslationRead stopped = readTranslationBytes("{10}{20}Egy\r\nnot a frame\r\n", table);
    const TranslationRead missing = readTranslationFile(path("none.srt"), table);
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(missing.loaded);
    ASSERT_EQ(stopped.messages.size(), 1u);
    ASSERT_EQ(missing.messages.size(), 1u);
    tellTranslationRead(missing);
    tellTranslationRead(stopped);
    EXPECT_EQ(messages.lines(),
              (QStringList{"Hiba|hiba|Nem található a file: none.srt|Ellenőrizze a file nevét és "
                           "helyét!",
                           "Hiba|hiba|Hiba a file-ban!|Csak eddig tudtam betölteni a file-t!"}));
}

}  // namespace
