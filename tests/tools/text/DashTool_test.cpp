#include "support/TextToolFixture.h"
#include "tools/text/DashTool.h"

namespace {

class DashToolTest : public TextToolTest {
protected:
    std::pair<QString, int> dash(QStringView text)
    {
        setRows({text.toString()});
        const int changes = runDashTool(model);
        return {model.cds.rowAt(0).szoveg, changes};
    }
};

const TextCase cases[] = {
    {"both dashes glued", u"-Jössz?|-Megyek", u"- Jössz?|- Megyek", 1},
    {"both dashes spaced", u"- Jössz?|- Megyek", u"- Jössz?|- Megyek", 0},
    {"only the second glued: the second step spaces it", u"- Jössz?|-Megyek",
     u"- Jössz?|- Megyek", 1},
    {"a glued dash after an undashed line is left", u"-Jössz?|Várj|-Megyek",
     u"- Jössz?|Várj|- Megyek", 2},
    {"a dash before =", u"-=Zene=-", u"-=Zene=-", 0},
    {"one speaker loses the dash", u"- Csak én beszélek", u"Csak én beszélek", 1},
    {"one speaker over two lines", u"- Csak én|beszélek", u"Csak én|beszélek", 1},
    {"one speaker in italics keeps the tag", u"<i>- Csak én</i>", u"<i>Csak én</i>", 1},
    {"a glued single dash: spaced, then removed", u"-Csak én", u"Csak én", 2},
    {"a second dash inside the line keeps the first", u"- Szia - mondta", u"- Szia - mondta", 0},
    {"a dash not at the start", u"Szia|-Helló", u"Szia|-Helló", 0},
    {"an italic tag before a glued dash is no line start", u"<i>-Csak én</i>", u"<i>-Csak én</i>",
     0},
    {"no dash", u"Semmi", u"Semmi", 0},
};

TEST_F(DashToolTest, SpacesDialogueDashesAndRemovesALoneOne)
{
    for (const TextCase &c : cases) {
        const auto [out, changes] = dash(c.in);
        EXPECT_EQ(out, c.out.toString()) << c.why;
        EXPECT_EQ(changes, c.changes) << c.why;
    }
}

// A space that would push a full text past the field is not inserted, in
// either step; a glued lone dash then stays, as it is no "- ".
TEST_F(DashToolTest, NoSpaceWhereTheFieldWouldCutTheText)
{
    const QString words = QString(214, u'x');
    const auto [glued, onlyRemoved] = dash(QStringLiteral("-Csak ") + words);
    EXPECT_EQ(glued, QStringLiteral("-Csak ") + words);
    EXPECT_EQ(onlyRemoved, 0);
    const auto [second, none] = dash(QStringLiteral("- Jössz?|-") + QString(210, u'x'));
    EXPECT_EQ(second, QStringLiteral("- Jössz?|-") + QString(210, u'x'));
    EXPECT_EQ(none, 0);
}

TEST_F(DashToolTest, BothStepsOnOneRowAreTwoEntries)
{
    setRows({QStringLiteral("Rendben"), QStringLiteral("-Csak én")});
    EXPECT_EQ(runDashTool(model), 2);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 2", "Miből: -Csak én", "Mire:   - Csak én", "",
                           "Melyik sorban volt: 2", "Miből: - Csak én", "Mire:   Csak én"}));
    EXPECT_EQ(messages.lines(), QStringList{found(2)});
    EXPECT_TRUE(model.modified());
}

TEST_F(DashToolTest, NothingToChange)
{
    setRows({QStringLiteral("- Jössz?|- Megyek")});
    EXPECT_EQ(runDashTool(model), 0);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_EQ(messages.lines(), QStringList{nothingFound()});
    EXPECT_FALSE(model.modified());
}

}  // namespace
