#include "support/TextToolFixture.h"
#include "tools/text/CharacterTools.h"

namespace {

class CharacterToolsTest : public TextToolTest {
protected:
    std::pair<QString, int> run(int (*tool)(EditorModel &), QStringView text)
    {
        setRows({text.toString()});
        messages.clear();
        const int changes = tool(model);
        return {model.cds.rowAt(0).szoveg, changes};
    }
    void expectCases(int (*tool)(EditorModel &), std::initializer_list<TextCase> cases)
    {
        for (const TextCase &c : cases) {
            const auto [out, changes] = run(tool, c.in);
            EXPECT_EQ(out, c.out.toString()) << c.why;
            EXPECT_EQ(changes, c.changes) << c.why;
        }
    }
};

// --- l to I ---------------------------------------------------------------

TEST_F(CharacterToolsTest, AnLStartingAWordBecomesI)
{
    expectCases(runLToI, {
        {"l' at the start", u"l'm here", u"I'm here", 1},
        {"l' after a space", u"So l'm here", u"So I'm here", 1},
        {"l' after a line break", u"Yes|l'm here", u"Yes|I'm here", 1},
        {"l' inside a word", u"Dell'Arte", u"Dell'Arte", 0},
        {"two l'", u"l'm sure l'll go", u"I'm sure I'll go", 2},
        {"only the first two l'", u"l'm l'm l'm", u"I'm I'm l'm", 2},
        {"l and a space", u"l think so", u"I think so", 1},
        {"two l and a space", u"l know l think", u"I know I think", 2},
        {"l' and l and a space", u"l'm sure l think", u"I'm sure I think", 2},
        {"the first l and a space ends a word: none is looked at", u"Paul said l can",
         u"Paul said l can", 0},
        {"a capital L is no misread I", u"L'Oréal", u"L'Oréal", 0},
    });
}

TEST_F(CharacterToolsTest, BothLsOfOneKindAreOneEntry)
{
    setRows({QStringLiteral("Rendben"), QStringLiteral("l'm sure l'd go|l know")});
    EXPECT_EQ(runLToI(model), 3);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 2", "Miből: l'm sure l'd go|l know",
                           "Mire:   I'm sure I'd go|l know", "", "Melyik sorban volt: 2",
                           "Miből: I'm sure I'd go|l know", "Mire:   I'm sure I'd go|I know"}));
    EXPECT_EQ(messages.lines(), QStringList{found(3)});
    EXPECT_TRUE(model.modified());
}

// --- the two letter tools ---------------------------------------------------

TEST_F(CharacterToolsTest, AccentsGoAndCapitalsBecomeSmall)
{
    const struct {
        QStringView in, withoutAccents, small;
        int accents, capitals;
    } cases[] = {
        {u"árvíztűrő tükörfúrógép", u"arvizturo tukorfurogep", u"árvíztűrő tükörfúrógép", 9, 0},
        {u"ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP", u"ARVIZTURO TUKORFUROGEP", u"árvíztűrő tükörfúrógép", 9, 21},
        {u"Menő", u"Meno", u"menő", 1, 1},  // the last letter too
        {u"Ő", u"O", u"ő", 1, 1},
        {u"Äpfel Ôr ä", u"Äpfel Ôr ä", u"Äpfel Ôr ä", 0, 0},  // outside the map
        {u"<I>IGEN</I>|.,:;<>!?'", u"<I>IGEN</I>|.,:;<>!?'", u"<i>igen</i>|.,:;<>!?'", 0, 6},
        {u"", u"", u"", 0, 0},
    };
    for (const auto &c : cases) {
        int accents = 0;
        int capitals = 0;
        EXPECT_EQ(withoutAccents(c.in, &accents), c.withoutAccents.toString());
        EXPECT_EQ(inSmallLetters(c.in, &capitals), c.small.toString());
        EXPECT_EQ(accents, c.accents) << c.in.toString().toStdString();
        EXPECT_EQ(capitals, c.capitals) << c.in.toString().toStdString();
    }
}

// The letter tools rewrite the rows without touching the log, end with
// "Kész!" whatever they found and come back to the row they left.
TEST_F(CharacterToolsTest, TheLetterToolsLeaveTheLogAndSayDone)
{
    for (auto tool : {runAccentRemoval, runLowerCase}) {
        setRows({QStringLiteral("Első"), QStringLiteral("sor"), QStringLiteral("ÉS MÁSIK")});
        model.setModified(false);
        model.cds.setRecNo(2);
        model.log.clear();
        model.log.add(QStringLiteral("an earlier tool's entry"));
        messages.clear();
        EXPECT_GT(tool(model), 0);
        EXPECT_EQ(model.log.lines(), QStringList{"an earlier tool's entry"});
        EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Kész!|"});
        EXPECT_EQ(model.cds.recNo(), 2);
        EXPECT_TRUE(model.modified());
        EXPECT_FALSE(displayLock);
    }
    EXPECT_EQ(texts(), (QStringList{"első", "sor", "és másik"}));

    setRows({QStringLiteral("semmi")});
    model.setModified(false);
    messages.clear();
    EXPECT_EQ(runAccentRemoval(model), 0);
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Kész!|"});
    EXPECT_FALSE(model.modified());
}

// --- empty rows -------------------------------------------------------------

// Each deleted row is logged at its position at that moment; a row holding
// a space is not empty; the cursor falls back to the new last row.
TEST_F(CharacterToolsTest, EmptyRowsAreDeletedAndLoggedWithTheirTimes)
{
    setRows({"Egy", "", "", "Kettő", " ", ""});
    model.cds.setRecNo(6);
    model.log.add(QStringLiteral("an earlier tool's entry"));
    EXPECT_EQ(runEmptyRowDeletion(model), 3);
    EXPECT_EQ(texts(), (QStringList{"Egy", "Kettő", " "}));
    EXPECT_EQ(model.cds.rowAt(1).kezdes, QStringLiteral("00:00:04,000"));
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Sor száma: 2      Érték: 00:00:02,000-->00:00:02,500",
                           "Üres sor miatt: sor törlése", "",
                           "Sor száma: 2      Érték: 00:00:03,000-->00:00:03,500",
                           "Üres sor miatt: sor törlése", "",
                           "Sor száma: 4      Érték: 00:00:06,000-->00:00:06,500",
                           "Üres sor miatt: sor törlése"}));
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Ennyi üres sort töröltem: 3|"});
    EXPECT_EQ(model.cds.recNo(), 3);
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(displayLock);
}

TEST_F(CharacterToolsTest, EmptyRowsEverywhereOrNowhere)
{
    setRows({"", ""});
    EXPECT_EQ(runEmptyRowDeletion(model), 2);
    EXPECT_EQ(model.cds.recordCount(), 0);

    setRows({" ", "Egy"});
    model.log.add(QStringLiteral("an earlier tool's entry"));
    messages.clear();
    EXPECT_EQ(runEmptyRowDeletion(model), 0);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Nem volt üres sor!|"});
}

// --- spaces -------------------------------------------------------------------

TEST_F(CharacterToolsTest, SpacesBeforeMarksGo)
{
    expectCases(runSpaceBefore, {
        {"before ?", u"Mi ez ?", u"Mi ez?", 1},
        {"before ? after a dash", u"Mi - ?", u"Mi -?", 1},
        {"nbsp before ?", u"Mi ez\u00a0?", u"Mi ez?", 1},
        {"before !", u"Állj !", u"Állj!", 1},
        {"nbsp before !", u"Állj\u00a0!", u"Állj!", 1},
        {"before a final full stop", u"Vége .", u"Vége.", 1},
        {"before three dots", u"Várj ...", u"Várj ...", 0},
        {"before two dots", u"Várj ..", u"Várj ..", 0},
        {"every occurrence, one change each", u"Mi ez ? Mi az ?|Nem  !", u"Mi ez? Mi az?|Nem!", 4},
        {"nothing before the marks", u"Mi ez? Igen.", u"Mi ez? Igen.", 0},
    });
}

TEST_F(CharacterToolsTest, SpacesAfterMarksAreInserted)
{
    expectCases(runSpaceAfter, {
        {"after a full stop", u"Igen.Nem", u"Igen. Nem", 1},
        {"after a question mark", u"Mi?Igen", u"Mi? Igen", 1},
        {"after an exclamation mark", u"Jó!Menj", u"Jó! Menj", 1},
        {"after a comma", u"Igen,nem", u"Igen, nem", 1},
        {"every one, each a change", u"Egy.Kettő.Három,négy!Öt?Hat", u"Egy. Kettő. Három, négy! Öt? Hat",
         5},
        {"digits around a full stop and a comma", u"3.5 vagy 3,5", u"3.5 vagy 3,5", 0},
        {"what may follow a mark", u"Jó.|Ne! \"Mi?\" Na.- Jó,<i>x</i>. Ó?! Hm...", 
         u"Jó.|Ne! \"Mi?\" Na.- Jó,<i>x</i>. Ó?! Hm...", 0},
        {"a run of dots before a word", u"Hát...Nem", u"Hát... Nem", 1},
        {"after www", u"Nézd: www.valami", u"Nézd: www.valami", 0},
        {"domains inside", u"Nézd.Írj: x.hu vagy y.com.Most", u"Nézd. Írj: x.hu vagy y.com. Most", 2},
        {"the first full stop starts .com", u"valami.com.Most és.Ez,az", u"valami.com.Most és.Ez, az",
         1},
        {"the first full stop starts .hu", u"index.hu.Most", u"index.hu.Most", 0},
        {"a question mark before 0", u"Mi?0", u"Mi?0", 0},
        {"a question mark before 1", u"Mi?1", u"Mi? 1", 1},
        {"an exclamation mark before 0 and 5", u"Jó!0 Jó!5", u"Jó!0 Jó! 5", 1},
        {"a comma at the end", u"Igen,", u"Igen,", 0},
    });
}

// A full 220-character text would lose its end to the field: it keeps its
// marks as they are; one character shorter it takes the space.
TEST_F(CharacterToolsTest, NoSpaceWhereTheFieldWouldCutTheText)
{
    const QString full = QStringLiteral("Igen.Nem") + QString(212, u'x');
    ASSERT_EQ(full.size(), 220);
    const auto [kept, none] = run(runSpaceAfter, full);
    EXPECT_EQ(kept, full);
    EXPECT_EQ(none, 0);
    const auto [spaced, one] = run(runSpaceAfter, full.chopped(1));
    EXPECT_EQ(spaced, QStringLiteral("Igen. Nem") + QString(211, u'x'));
    EXPECT_EQ(one, 1);
}

TEST_F(CharacterToolsTest, OneEntryPerRowForAllItsSpaces)
{
    setRows({QStringLiteral("Rendben."), QStringLiteral("Igen.Nem,talán!Jó")});
    EXPECT_EQ(runSpaceAfter(model), 3);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 2", "Miből: Igen.Nem,talán!Jó",
                           "Mire:   Igen. Nem, talán! Jó"}));
    EXPECT_EQ(messages.lines(), QStringList{found(3)});

    messages.clear();
    EXPECT_EQ(runSpaceAfter(model), 0);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_EQ(messages.lines(), QStringList{nothingFound()});
}

}  // namespace
