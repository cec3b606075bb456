#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "tools/text/AggressiveBreak.h"

namespace {

struct Row {
    QString start, end, text;
    bool operator==(const Row &) const = default;
};

void PrintTo(const Row &r, std::ostream *os)
{
    *os << (r.start + u' ' + r.end + u' ' + r.text).toStdString();
}

class AggressiveBreakTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
    }
    void setRows(const std::vector<Row> &rows)
    {
        model.cds.empty();
        model.overThresholdCount = 0;
        model.threeLineCount = 0;
        for (const Row &r : rows) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, r.start);
            model.cds.setField(Field::Befejezes, r.end);
            writeRowText(model, r.text, false, false, true);
        }
        model.cds.first();
    }
    std::vector<Row> rows() const
    {
        std::vector<Row> out;
        for (int i = 0; i < model.cds.recordCount(); ++i) {
            const SubtitleRow &r = model.cds.rowAt(i);
            out.push_back({r.kezdes, r.befejezes, r.szoveg});
        }
        return out;
    }
    EditorModel model;
    MessageRecorder messages;
};

const QString p1 = QStringLiteral("Aaaa aaaa aaaa aaaa aaaa aaaa,");                      // 30
const QString p2 = QStringLiteral("bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbbb");   // 49
const QString p2Wrapped = QStringLiteral("bbbb bbbb bbbb bbbb bbbb|bbbb bbbb bbbb bbbb bbbb");
const QString eighty = p1 + u' ' + p2;

TEST(AggressiveRoutines, PunctuationAndSpaceWraps)
{
    struct Case {
        const char *why;
        QString in;
        int t;
        QString punctuation;  // after the punctuation wrap
        QString space;        // after the space wrap
    };
    const Case cases[] = {
        {"a comma at the middle", "Hello, world", 10, "Hello,|world", "Hello,|world"},
        {"spaces when no stop is near", "aaaa bbbbbbb", 10, "aaaa|bbbbbbb", "aaaa|bbbbbbb"},
        {"an ellipsis is not a break", "Wait... what", 10, "Wait...|what", "Wait...|what"},
        {"not over the threshold", "short text", 10, "short text", "short text"},
        {"too long for two lines", QString(19, u'x'), 10, QString(19, u'x'), QString(19, u'x')},
        {"a space at the middle of italics", "<i>Ok, go!</i>", 10, "<i>Ok,|go!</i>", "<i>Ok,|go!</i>"},
        {"the space wrap leaves broken text", "aaaa|bbbbbbbbbbbb", 10, "aaaa|bbbbbbbbbbbb",
         "aaaa|bbbbbbbbbbbb"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        QString s = c.in;
        const bool changed = punctuationWrap(s, c.t);
        EXPECT_EQ(changed, s != c.in);
        EXPECT_EQ(s, c.punctuation);
        s = c.in;
        spaceWrap(s, c.t);
        EXPECT_EQ(s, c.space);
    }
}

TEST(AggressiveRoutines, JoinsKeepOnlyWhatFits)
{
    QString s = "Ab|cd|ef";
    joinAll(s);
    EXPECT_EQ(s, "Ab cd ef");
    s = "Aaaa|bbbb|cccc cccc";
    EXPECT_TRUE(joinFirstPair(s, 9));
    EXPECT_EQ(s, "Aaaa bbbb|cccc cccc");
    s = "Aaaa aaaa|bbbb|cccc";
    EXPECT_FALSE(joinFirstPair(s, 9));
    EXPECT_TRUE(joinSecondPair(s, 9));
    EXPECT_EQ(s, "Aaaa aaaa|bbbb cccc");
    s = "Aaaa|bbbb bbbb|cccc";
    EXPECT_FALSE(joinSecondPair(s, 12));
    EXPECT_EQ(s, "Aaaa|bbbb bbbb|cccc");
}

TEST(AggressiveRoutines, TwoPartSplitPrefersPunctuationNearTheMiddle)
{
    QString a, b;
    ASSERT_TRUE(twoPartSplit(eighty, 37, a, b));
    EXPECT_EQ(a, p1);
    EXPECT_EQ(b, p2Wrapped);
    // no stop: the space nearest the middle, left first
    ASSERT_TRUE(twoPartSplit(QString(20, u'a') + u' ' + QString(19, u'b'), 37, a, b));
    EXPECT_EQ(a, QString(20, u'a'));
    EXPECT_EQ(b, QString(19, u'b'));
    EXPECT_FALSE(twoPartSplit(QString(60, u'a'), 37, a, b));
    EXPECT_TRUE(b.isEmpty());
    EXPECT_EQ(textShare(p1, eighty), 0.37L);
}

TEST_F(AggressiveBreakTest, OneLineRowWrappedInPlace)
{
    const QString text = "Aaaa aaaa aaaa aaaa aaaa, bbbb bbbb bbbb bbbb bbbb";  // 50
    setRows({{"00:00:01,000", "00:00:03,000", text}});
    const AggressiveCounts c = runAggressiveBreak(model);
    EXPECT_EQ(rows(), (std::vector<Row>{
                          {"00:00:01,000", "00:00:03,000", "Aaaa aaaa aaaa aaaa aaaa,|bbbb bbbb bbbb bbbb bbbb"}}));
    EXPECT_EQ(c.oneLine, 1);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Javítás jellege: 1 soros", "Melyik sorban volt: 1", "Miből:", text,
                           "Mire:", "Aaaa aaaa aaaa aaaa aaaa,|bbbb bbbb bbbb bbbb bbbb"}));
    EXPECT_EQ(messages.plainMessages(),
              QStringList{"Ennyi sort módosítottam: \nEgysoros: 1\nKétsoros: 0\nHáromsoros: 0\n"
                          "További információ a Lista gomb alatt!"});
    EXPECT_TRUE(model.modified());
}

TEST_F(AggressiveBreakTest, LongOneLineRowBecomesTwoRowsTimedByTheirText)
{
    setRows({{"00:00:10,000", "00:00:14,000", eighty},
             {"00:00:15,000", "00:00:16,000", "Fine."}});
    runAggressiveBreak(model);
    EXPECT_EQ(rows(), (std::vector<Row>{{"00:00:10,000", "00:00:11,480", p1},
                                        {"00:00:11,480", "00:00:14,000", p2Wrapped},
                                        {"00:00:15,000", "00:00:16,000", "Fine."}}));
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Javítás jellege: 1 soros", "Melyik sorban volt: 1", "Miből:",
                           "00:00:10,000-->00:00:14,000", eighty, "Mire:",
                           "00:00:10,000-->00:00:11,480", p1, "00:00:11,480-->00:00:14,000",
                           p2Wrapped}));
}

// The split point moves to half a second from either end when the other
// part keeps more than half a second, and stays when it would not.
TEST_F(AggressiveBreakTest, HalfSecondRuleBothWays)
{
    const QString q1 = "bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbb,";  // 49
    const QString q2 = "Aaaa aaaa aaaa aaaa aaaa aaaaa";                      // 30
    setRows({{"00:00:10,000", "00:00:11,200", eighty},
             {"00:00:20,000", "00:00:21,200", q1 + u' ' + q2},
             {"00:00:30,000", "00:00:30,900", eighty}});
    const AggressiveCounts c = runAggressiveBreak(model);
    EXPECT_EQ(c.oneLine, 3);
    const std::vector<Row> r = rows();
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].end, "00:00:10,500");
    EXPECT_EQ(r[1].start, "00:00:10,500");
    EXPECT_EQ(r[1].end, "00:00:11,200");
    EXPECT_EQ(r[2].end, "00:00:20,700");
    EXPECT_EQ(r[3].start, "00:00:20,700");
    EXPECT_EQ(r[2].text, "bbbb bbbb bbbb bbbb bbbb|bbbb bbbb bbbb bbbb bbb,");
    EXPECT_EQ(r[3].text, q2);
    EXPECT_EQ(r[4].end, "00:00:30,333");
    EXPECT_EQ(r[5].start, "00:00:30,333");
}

TEST_F(AggressiveBreakTest, ShortRowsAreReportedNotSplit)
{
    const QString two = QString(45, u'A') + "|short";
    setRows({{"00:00:01,000", "00:00:01,400", two},
             {"00:00:02,000", "00:00:02,500", eighty}});
    const AggressiveCounts c = runAggressiveBreak(model);
    EXPECT_EQ(c.unsplit, 2);
    EXPECT_EQ(c.changed(), 0);
    EXPECT_EQ(rows()[0].text, two);
    EXPECT_EQ(model.cds.recordCount(), 2);
    EXPECT_EQ(model.log.lines().mid(0, 6),
              (QStringList{"", "Melyik sorban volt: 1",
                           "A kezdési idő és a befejezési idő különbsége kisebb mint 0.5 mp!",
                           "Emiatt nem tudtam szétszedni a sort!", "00:00:01,000-->00:00:01,400",
                           two}));
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Nem találtam módosítandó sort!|"
                                            "De volt 2 db nem törhető sor!"});
    EXPECT_FALSE(model.modified());
}

TEST_F(AggressiveBreakTest, ItalicTwoLineRowGivesTwoItalicRows)
{
    const QString b = "Bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbb";  // 38
    setRows({{"00:00:20,000", "00:00:25,000", "<i>Where are you going now?|" + b + "</i>"},
             {"00:00:26,000", "00:00:27,000", QString(40, u'x') + "|and"}});
    const AggressiveCounts c = runAggressiveBreak(model);
    EXPECT_EQ(c.twoLine, 2);
    const std::vector<Row> r = rows();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0], (Row{"00:00:20,000", "00:00:22,200", "<i>Where are you going now?</i>"}));
    EXPECT_EQ(r[1], (Row{"00:00:22,200", "00:00:25,000",
                         "<i>Bbbb bbbb bbbb bbbb|bbbb bbbb bbbb bbb</i>"}));
    EXPECT_EQ(r[3].text, "and");
    EXPECT_EQ(messages.plainMessages().size(), 1);
}

TEST_F(AggressiveBreakTest, ThreeLineRows)
{
    const QString b40 = "Bbbb bbbb bbbb bbbb bbbb bbbb bbbb bbbbb";
    setRows({{"00:00:01,000", "00:00:02,000", "Ab|cd|ef"},
             {"00:00:01,000", "00:00:02,000", "Aaaa aaaa|bbbb bbbb|cccc cccc cccc cccc cccc"},
             {"00:00:01,000", "00:00:03,000", "- Aaaa aaaa aaaa|- bbbb bbbb bbbb|cccc"},
             {"00:00:00,000", "00:00:10,000", "- Aaaa|" + b40 + "|- Cccc"},
             {"00:00:00,000", "00:00:10,000", QString(40, u'a') + "|b|c|d"}});
    const AggressiveCounts c = runAggressiveBreak(model);
    EXPECT_EQ(c.threeLine, 4);
    EXPECT_EQ(rows(), (std::vector<Row>{
                          {"00:00:01,000", "00:00:02,000", "Ab cd ef"},
                          {"00:00:01,000", "00:00:02,000", "Aaaa aaaa bbbb bbbb|cccc cccc cccc cccc cccc"},
                          {"00:00:01,000", "00:00:01,840", "- Aaaa aaaa aaaa"},
                          {"00:00:01,840", "00:00:03,000", "- bbbb bbbb bbbb|cccc"},
                          {"00:00:00,000", "00:00:01,100", "- Aaaa"},
                          {"00:00:01,100", "00:00:08,500", "Bbbb bbbb bbbb bbbb|bbbb bbbb bbbb bbbbb"},
                          {"00:00:08,500", "00:00:10,000", "- Cccc"},
                          {"00:00:00,000", "00:00:10,000", QString(40, u'a') + "|b|c|d"}}));
    EXPECT_TRUE(model.log.lines().contains("Javítás jellege: 3 soros"));
}

TEST_F(AggressiveBreakTest, NothingToDo)
{
    setRows({{"00:00:01,000", "00:00:02,000", "Short.|Two lines."}});
    runAggressiveBreak(model);
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Nem találtam módosítandó sort!|"});
    EXPECT_TRUE(model.log.isEmpty());
}

TEST_F(AggressiveBreakTest, HalvingKeepsToItsFixedLimits)
{
    model.setThreshold(20);
    const QString forty = "Aaaaaaaaaaaaaaaaa bbb cccccccccccccccccc";
    setRows({{"00:00:01,000", "00:00:02,000", QString(18, u'a') + u' ' + QString(18, u'b')},
             {"00:00:01,000", "00:00:02,000", QString(36, u'a') + u' ' + QString(36, u'b')},
             {"00:00:01,000", "00:00:02,000", forty},
             {"00:00:01,000", "00:00:02,000", forty + "|x"}});
    EXPECT_EQ(runLineHalving(model), 1);
    EXPECT_EQ(rows()[2].text, "Aaaaaaaaaaaaaaaaa|bbb cccccccccccccccccc");
    EXPECT_EQ(rows()[0].text.size(), 37);
    EXPECT_FALSE(rows()[1].text.contains(u'|'));
    EXPECT_EQ(model.log.lines(), (QStringList{"", "Melyik sorban volt: 3", "Miből: " + forty,
                                              "Mire  : Aaaaaaaaaaaaaaaaa|bbb cccccccccccccccccc"}));
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Ennyit találtam: 1|További információt "
                                            "a \"Lista\" gomb alatt találsz!"});
}

}  // namespace
