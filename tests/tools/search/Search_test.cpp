#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "tools/search/Replace.h"
#include "tools/search/Search.h"

namespace {

// Remembers what the searches ask of the window.
class HostProbe : public EditorHost {
public:
    void showCurrentRow() override
    {
        ++shown;
        lockedWhenShown = displayLock;
    }
    int shown = 0;
    bool lockedWhenShown = false;
};

class SearchTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setTimeBase(QStringLiteral("Time"));
        model.setHost(&host);
        model.cds.create();
    }
    void TearDown() override
    {
        model.setHost(nullptr);
        GlobalsFixture::TearDown();
    }
    void setRows(const QStringList &texts, int current = 1)
    {
        model.cds.empty();
        for (const QString &t : texts) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
            model.cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
            writeRowText(model, t, false, false, true);
        }
        model.cds.setRecNo(current);
    }
    QString text(int row) const { return model.cds.rowAt(row - 1).szoveg; }
    int current() const { return model.cds.recNo(); }

    HostProbe host;
    EditorModel model;
    MessageRecorder box;
};

const QString notFound = QStringLiteral("Információ|info|Nincs (több) ilyen: |");

TEST(SearchText, FoldingLowersOnlyWhatItShould)
{
    EXPECT_EQ(foldAccentedCapitals(QStringLiteral("ÁLOM ŐSZ Ű É ÄÇ")),
              QStringLiteral("álom ősz ű é ÄÇ"));
    EXPECT_EQ(lowerAsciiLetters(QStringLiteral("ÁLOM Abc")), QStringLiteral("Álom abc"));
}

TEST(SearchText, WholeWordLooksAtBothNeighbours)
{
    struct Case {
        const char16_t *text;
        int index, length;
        bool whole;
    } cases[] = {
        {u"alma", 0, 4, true},           // both ends of the text
        {u"almafa", 0, 4, false},
        {u"az alma.", 3, 4, true},       // punctuation and space
        {u"1alma2", 1, 4, true},         // digits are no letters
        {u"őalma", 1, 4, false},         // accented letters are
        {u"almaŰ", 0, 4, false},
        {u"x|alma|y", 2, 4, true},
        {u"kalma", 1, 4, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isWholeWord(QString::fromUtf16(c.text), c.index, c.length), c.whole)
            << QString::fromUtf16(c.text).toStdString();
}

TEST_F(SearchTest, QuickSearchFoldsAccentedCapitalsAndFindsTheLastRow)
{
    setRows({"eleje", "semmi", "Szép álom volt"});
    EXPECT_EQ(quickSearch(model, "ÁLOM", false), SearchOutcome::Found);
    EXPECT_EQ(current(), 3);
    EXPECT_TRUE(box.lines().isEmpty());
    EXPECT_EQ(host.shown, 1);
    EXPECT_FALSE(host.lockedWhenShown);
    EXPECT_FALSE(displayLock);
}

TEST_F(SearchTest, QuickSearchFromTheLastRowFailsAtOnce)
{
    setRows({"alma", "alma"}, 2);
    EXPECT_EQ(quickSearch(model, "alma", false), SearchOutcome::NotFound);
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(box.lines(), QStringList{notFound + "alma"});
}

TEST_F(SearchTest, QuickSearchFailingPutsTheStartRowBack)
{
    setRows({"a", "b", "c", "d"}, 2);
    EXPECT_EQ(quickSearch(model, "a", false), SearchOutcome::NotFound);
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(quickSearch(model, "", false), SearchOutcome::NotRun);
    EXPECT_EQ(box.lines().size(), 1);
}

TEST_F(SearchTest, QuickSearchReadsBreaksAsSpacesAndRefusesTheBar)
{
    setRows({"eleje", "a|b"});
    EXPECT_EQ(quickSearch(model, "a b", false), SearchOutcome::NotFound);
    EXPECT_EQ(quickSearch(model, "a b", true), SearchOutcome::Found);
    EXPECT_EQ(current(), 2);
    model.cds.first();
    box.clear();
    EXPECT_EQ(quickSearch(model, "a|b", true), SearchOutcome::NotRun);
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(box.lines(),
              QStringList{"Figyelmeztetés|info|Ha be van kapcsolva a \"Sortörés figyelmen "
                          "kívül hagyása\"|akkor nem használhatja ezt a jelet: \"|\""});
    EXPECT_EQ(quickSearch(model, "a|b", false), SearchOutcome::Found);
}

TEST(SearchText, SelectionOfTheMatchInTheTextField)
{
    struct Case {
        const char16_t *row, *text;
        bool ignoreBreaks;
        int start;
    } cases[] = {
        {u"Nem|Most JÖN", u"jön", false, 9},     // Ö is not lowered: the folded match
        {u"Elöl|hátul", u"HÁTUL", false, 5},
        {u"egy|két", u"y k", true, 2},            // matched through a read-as-space break
        {u"ÁLOM álom", u"álom", false, 5},         // A to Z only: the second one
    };
    for (const Case &c : cases) {
        const TextSelection s = quickSearchSelection(QString::fromUtf16(c.row),
                                                     QString::fromUtf16(c.text), c.ignoreBreaks);
        EXPECT_EQ(s.start, c.start) << QString::fromUtf16(c.row).toStdString();
        EXPECT_EQ(s.length, QString::fromUtf16(c.text).size());
    }
}

TEST_F(SearchTest, DetailedSearchKeepsAccentedCapitalsApartAndHonoursCase)
{
    setRows({"eleje", "Szép álom volt", "ALMA"});
    EXPECT_EQ(detailedSearch(model, "ÁLOM", {}), SearchOutcome::NotFound);
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(box.lines(), QStringList{notFound + "ÁLOM"});
    EXPECT_EQ(detailedSearch(model, "alma", {.matchCase = true}), SearchOutcome::NotFound);
    EXPECT_EQ(detailedSearch(model, "alma", {}), SearchOutcome::Found);
    EXPECT_EQ(current(), 3);  // the last row is examined
}

TEST_F(SearchTest, DetailedSearchBackwardReachesTheFirstRowAndStopsThere)
{
    setRows({"alma", "körte", "szilva"}, 3);
    EXPECT_EQ(detailedSearch(model, "alma", {.backward = true}), SearchOutcome::Found);
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(detailedSearch(model, "alma", {.backward = true}), SearchOutcome::NotFound);
    EXPECT_EQ(current(), 1);
}

TEST_F(SearchTest, DetailedWholeWordTestsOnlyTheFirstOccurrenceOfARow)
{
    setRows({"eleje", "almafa és alma", "egy alma"});
    EXPECT_EQ(detailedSearch(model, "alma", {.wholeWord = true}), SearchOutcome::Found);
    EXPECT_EQ(current(), 3);
    model.cds.first();
    EXPECT_EQ(detailedSearch(model, "alma", {}), SearchOutcome::Found);
    EXPECT_EQ(current(), 2);
}

TEST_F(SearchTest, DetailedSearchWithBreaksAsSpaces)
{
    setRows({"eleje", "a|b"});
    EXPECT_EQ(detailedSearch(model, "a b", {}), SearchOutcome::NotFound);
    EXPECT_EQ(detailedSearch(model, "a b", {.ignoreBreaks = true}), SearchOutcome::Found);
    EXPECT_EQ(current(), 2);
}

TEST_F(SearchTest, ReplaceWindowSearchForwardWithItsFirstCharacterOption)
{
    setRows({"eleje", "Mondd, ki az?", "Ki az?", "ki"});
    EXPECT_EQ(replaceWindowSearch(model, "Ki", false, true), SearchOutcome::Found);
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(replaceWindowSearch(model, "Ki", true, false), SearchOutcome::NotFound);
    // a failure from the row before the last puts the start row back
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(replaceWindowSearch(model, "ki", true, false), SearchOutcome::Found);
    EXPECT_EQ(current(), 4);  // the last row
    // started on the last row: the last row is examined, then one row back
    EXPECT_EQ(replaceWindowSearch(model, "ki", true, true), SearchOutcome::Found);
    EXPECT_EQ(current(), 4);
    EXPECT_EQ(replaceWindowSearch(model, "zzz", false, false), SearchOutcome::NotFound);
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(replaceWindowSearch(model, "", false, false), SearchOutcome::NotRun);
}

TEST_F(SearchTest, CsereIgnoresTheCaseOptionAndStaysOnTheRow)
{
    setRows({"Alma alma", "alma"});
    EXPECT_TRUE(replaceInCurrentRow(model, "alma", "körte"));
    EXPECT_EQ(text(1), "körte alma");
    EXPECT_EQ(current(), 1);
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(replaceInCurrentRow(model, "szilva", "x"));
    EXPECT_FALSE(replaceInCurrentRow(model, "", "x"));
    EXPECT_EQ(text(1), "körte alma");
}

TEST_F(SearchTest, ReplaceAllLogsEachReplacementAndStopsAtTheSamePlace)
{
    setRows({"banana", "nincs", "banana"}, 2);
    model.setModified(false);
    EXPECT_EQ(replaceAll(model, "a", "ab", false), 2);
    EXPECT_EQ(text(1), "babnana");
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 1", "Miből: banana", "Mire  : babnana", "",
                           "Melyik sorban volt: 3", "Miből: banana", "Mire  : babnana"}));
    EXPECT_EQ(current(), 2);
    EXPECT_TRUE(model.modified());
    EXPECT_TRUE(model.isEnabled(Ctl::BOsszes));
    EXPECT_FALSE(displayLock);
    EXPECT_EQ(box.lines(), QStringList{"Eredmény|info|Ennyit találtam és cseréltem le: 2|"
                                       "További információt a \"Lista\" gomb alatt találsz!"});

    setRows({"banana"});
    box.clear();
    EXPECT_EQ(replaceAll(model, "a", "o", false), 3);
    EXPECT_EQ(text(1), "bonono");
    EXPECT_EQ(model.log.lines().mid(4, 4),
              (QStringList{"", "Melyik sorban volt: 1", "Miből: bonana", "Mire  : bonona"}));
    EXPECT_EQ(model.log.size(), 12);
}

TEST_F(SearchTest, ReplaceAllHonoursCaseAndReportsNothingFound)
{
    setRows({"Alma", "alma"});
    model.setModified(false);
    model.log.add("earlier");
    EXPECT_EQ(replaceAll(model, "alma", "x", true), 1);
    EXPECT_EQ(text(1), "Alma");
    EXPECT_EQ(text(2), "x");
    box.clear();
    model.setModified(false);
    EXPECT_EQ(replaceAll(model, "szilva", "x", false), 0);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(box.lines(),
              QStringList{"Eredmény|info|Nem találtam semmit a megadott szó alapján!|"});
    EXPECT_EQ(replaceAll(model, "", "x", false), -1);
    EXPECT_EQ(box.lines().size(), 1);
}

// A replacement that keeps growing the row ends just past 220 characters
// and loses nothing of the text; a long text still takes every replacement
// that does not grow it.
TEST_F(SearchTest, ReplaceAllEndsOnAGrowingReplacement)
{
    setRows({"banana", QString(300, u'a')});
    const int n = replaceAll(model, "a", "xa", false);
    EXPECT_EQ(n, 215 + 1);
    EXPECT_EQ(text(1), u'b' + QString(215, u'x') + QStringLiteral("anana"));
    EXPECT_EQ(text(2), QStringLiteral("xa") + QString(299, u'a'));

    setRows({QString(300, u'a')});
    EXPECT_EQ(replaceAll(model, "a", "o", false), 300);
    EXPECT_EQ(text(1), QString(300, u'o'));
}

TEST_F(SearchTest, ReplaceAllKeepsTheFlagsOfTheRowsUpToDate)
{
    model.setThreshold(10);
    setRows({"rövid", "x"});
    replaceAll(model, "rövid", "ez egy nagyon hosszú sor lett", false);
    EXPECT_TRUE(model.cds.rowAt(0).betu38);
}

}  // namespace
