#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "document/SubtitleTable.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "translate/TranslationRows.h"

namespace {

class TranslationRows : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        table.create();
    }
    void add(const QString &start, const QString &end, const QString &text)
    {
        table.append();
        table.setField(Field::Kezdes, start);
        table.setField(Field::Befejezes, end);
        table.setField(Field::Szoveg, text);
        table.post();
    }
    SubtitleTable table;
    MessageRecorder messages;
};

TEST_F(TranslationRows, SearchFindsTheLastRowAndThenSaysThereIsNoMore)
{
    add("00:00:01,000", "00:00:02,000", "alma");
    add("", "", "korte");
    add("00:00:03,000", "00:00:04,000", "Szilva ÁGA");
    table.first();
    EXPECT_TRUE(searchTranslation(table, QStringLiteral("SZILVA")));
    EXPECT_EQ(table.recNo(), 3);
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_FALSE(displayLock);

    EXPECT_FALSE(searchTranslation(table, QStringLiteral("SZILVA")));
    EXPECT_EQ(table.recNo(), 3);
    EXPECT_EQ(messages.lines(), QStringList{"Információ|info|Nincs (több) ilyen: |SZILVA"});

    // only A-Z fold: "á" does not find "Á"
    table.first();
    messages.clear();
    EXPECT_FALSE(searchTranslation(table, QStringLiteral("ága")));
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(messages.lines().size(), 1);

    // an empty search text is said, and nothing moves
    messages.clear();
    EXPECT_FALSE(searchTranslation(table, QString()));
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(messages.lines(),
              QStringList{"Információ|info|Kérem, adja meg a keresendő szöveget!|"});
}

TEST_F(TranslationRows, CheckStopsAtTheFirstBadRowAndReturnsToTheCurrentRow)
{
    // a frame row with an empty end
    add("10", "20", "a");
    add("30", "", "b");
    table.setRecNo(1);
    EXPECT_FALSE(checkTranslationTable(table, QStringLiteral("Frame"), true));
    EXPECT_EQ(messages.lines(),
              QStringList{"Ellenőrzés|hiba|Üres mező!|Kérem töltse fel a sort rendesen!"});
    EXPECT_EQ(table.recNo(), 1);

    // time rows without times pass; a clean table is announced
    table.empty();
    add("00:00:01,000", "00:00:02,000", "a");
    add("", "", "b");
    add("", "", "");
    messages.clear();
    table.setRecNo(2);
    EXPECT_TRUE(checkTranslationTable(table, QStringLiteral("Time"), true));
    EXPECT_EQ(messages.lines(), QStringList{"Ellenőrzés|info|Mindent rendben találtam!|"});
    EXPECT_EQ(table.recNo(), 2);
    messages.clear();
    EXPECT_TRUE(checkTranslationTable(table, QStringLiteral("Time"), false));
    EXPECT_TRUE(messages.lines().isEmpty());

    // a malformed time fails with the pair check's own message
    add("00:00:05.000", "00:00:06,000", "c");
    EXPECT_FALSE(checkTranslationTable(table, QStringLiteral("Time"), true));
    ASSERT_EQ(messages.lines().size(), 1);
    EXPECT_TRUE(messages.lines().first().startsWith(QStringLiteral("Hiba!|hiba|")));
}

TEST_F(TranslationRows, PartnerMovesOnlyWhenTheOtherTableHasThatRow)
{
    EXPECT_EQ(partnerRow(10, 12), 10);
    EXPECT_EQ(partnerRow(10, 10), 10);
    EXPECT_EQ(partnerRow(10, 9), 0);
    EXPECT_EQ(partnerRow(0, 5), 0);
}

TEST_F(TranslationRows, StylesWrapAndComeOffOneTagAtATime)
{
    EXPECT_EQ(wrapStyle(QStringLiteral("szia"), u'i'), QStringLiteral("<i>szia</i>"));
    EXPECT_EQ(unwrapStyle(QStringLiteral("<i>a</i> <i>b</i>"), u'i'),
              QStringLiteral("a <i>b</i>"));
    EXPECT_EQ(removeAllStyles(QStringLiteral("<b><i>a</i></b> <u>c</u><u>d</u>")),
              QStringLiteral("a c<u>d</u>"));
}

TEST_F(TranslationRows, RowsAreInsertedAroundTheCurrentOneAndDeleted)
{
    EXPECT_FALSE(insertEmptyRow(table, true));
    EXPECT_EQ(table.recordCount(), 0);
    add("1", "2", "a");
    add("3", "4", "b");
    table.setRecNo(1);
    ASSERT_TRUE(insertEmptyRow(table, true));
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_TRUE(table.rowAt(1).szoveg.isEmpty());
    EXPECT_EQ(table.rowAt(2).szoveg, QStringLiteral("b"));
    table.setRecNo(1);
    ASSERT_TRUE(insertEmptyRow(table, false));
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(table.rowAt(1).szoveg, QStringLiteral("a"));
    table.last();
    ASSERT_TRUE(insertEmptyRow(table, true));
    EXPECT_EQ(table.recordCount(), 5);
    EXPECT_EQ(table.recNo(), 5);

    setRowText(table, QStringLiteral("x"));
    EXPECT_EQ(table.rowAt(4).szoveg, QStringLiteral("x"));
    EXPECT_TRUE(deleteCurrentRow(table));
    EXPECT_EQ(table.recordCount(), 4);
}

}  // namespace
