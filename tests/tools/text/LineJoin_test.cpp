#include "support/TextToolFixture.h"
#include "tools/text/LineJoin.h"

namespace {

class LineJoinTest : public TextToolTest {
protected:
    std::pair<QString, int> join(QStringView text)
    {
        setRows({text.toString()});
        const int changes = runLineJoin(model);
        return {model.cds.rowAt(0).szoveg, changes};
    }
};

const TextCase cases[] = {
    {"two short lines", u"Nem tudom mit|mondjak most sem", u"Nem tudom mit mondjak most sem", 1},
    {"a sentence ends in the first line", u"Nem tudom mit.|mondjak most se",
     u"Nem tudom mit.|mondjak most se", 0},
    {"a question ends in the first line", u"Mi az?|Semmi.", u"Mi az?|Semmi.", 0},
    {"an exclamation ends in the first line", u"Állj!|Ne mozdulj", u"Állj!|Ne mozdulj", 0},
    {"a sentence ends only in the second line", u"Nem tudom|mit mondjak most.",
     u"Nem tudom mit mondjak most.", 1},
    {"a dash anywhere", u"Nem tudom mit|mondjak - most", u"Nem tudom mit|mondjak - most", 0},
    {"a dialogue", u"-Jössz?|-Megyek", u"-Jössz?|-Megyek", 0},
    {"36 characters", u"Nem tudom mit mondjak|most nekik sem", u"Nem tudom mit mondjak most nekik sem",
     1},
    {"37 characters", u"Nem tudom mit mondjak|most, nekik sem", u"Nem tudom mit mondjak|most, nekik sem",
     0},
    {"three short lines, two changes", u"Egy|kettő|három", u"Egy kettő három", 2},
    {"three lines join whatever their marks", u"Igen.|Nem.|Talán.", u"Igen. Nem. Talán.", 2},
    {"three lines with a dash", u"Egy|kettő|-három", u"Egy|kettő|-három", 0},
    {"a trailing break is no third line", u"Egy|kettő|", u"Egy kettő|", 1},
    {"a credit, lower case", u"Magyar szöveg|fordította: Kiss", u"Magyar szöveg|fordította: Kiss", 0},
    {"a credit, capital", u"Fordította: Kiss|Nagy Pál", u"Fordította: Kiss|Nagy Pál", 0},
    {"a credit with Felirat:", u"Felirat: Kiss|Nagy Pál", u"Felirat: Kiss|Nagy Pál", 0},
    {"one line", u"Csak egy sor", u"Csak egy sor", 0},
    {"empty", u"", u"", 0},
};

TEST_F(LineJoinTest, JoinsShortEntriesThatAreNotDialogue)
{
    ASSERT_EQ(QStringView(u"Nem tudom mit|mondjak most sem").size(), 30);
    ASSERT_EQ(QStringView(u"Nem tudom mit mondjak|most nekik sem").size(), 36);
    ASSERT_EQ(QStringView(u"Nem tudom mit mondjak|most, nekik sem").size(), 37);
    for (const TextCase &c : cases) {
        const auto [out, changes] = join(c.in);
        EXPECT_EQ(out, c.out.toString()) << c.why;
        EXPECT_EQ(changes, c.changes) << c.why;
    }
}

// Each break of a three-line entry is its own entry, the second starting
// from the first one's result; the flags follow the joined text.
TEST_F(LineJoinTest, EveryJoinedBreakIsLoggedAndCounted)
{
    setRows({QStringLiteral("Hosszú sor, ami marad.|Mert a vége hosszabb"),
             QStringLiteral("Egy|kettő|három"), QStringLiteral("Nem tudom|mit mondjak")});
    ASSERT_EQ(model.threeLineCount, 1);
    model.cds.setRecNo(2);
    model.log.add(QStringLiteral("an earlier tool's entry"));

    EXPECT_EQ(runLineJoin(model), 3);
    EXPECT_EQ(texts(), (QStringList{"Hosszú sor, ami marad.|Mert a vége hosszabb", "Egy kettő három",
                                    "Nem tudom mit mondjak"}));
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 2", "Miből: Egy|kettő|három",
                           "Mire:   Egy kettő|három", "", "Melyik sorban volt: 2",
                           "Miből: Egy kettő|három", "Mire:   Egy kettő három", "",
                           "Melyik sorban volt: 3", "Miből: Nem tudom|mit mondjak",
                           "Mire:   Nem tudom mit mondjak"}));
    EXPECT_EQ(messages.lines(), QStringList{found(3)});
    EXPECT_EQ(model.threeLineCount, 0);
    EXPECT_FALSE(model.cds.rowAt(1).sor3);
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(displayLock);
}

TEST_F(LineJoinTest, NothingToJoinClearsTheLog)
{
    setRows({QStringLiteral("Mi az?|Semmi.")});
    model.log.add(QStringLiteral("an earlier tool's entry"));
    EXPECT_EQ(runLineJoin(model), 0);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_EQ(messages.lines(), QStringList{nothingFound()});
    EXPECT_FALSE(model.modified());
}

}  // namespace
