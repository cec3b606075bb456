#include <gtest/gtest.h>

#include "support/TextToolFixture.h"
#include "tools/text/SoundNames.h"

namespace {

class SoundNamesTest : public TextToolTest {};

struct Case {
    const char *why;
    const char *in;
    QStringList out;  // the rows the one row becomes by the plain item (none: deleted)
    int changes;
    int critical;
    int extraChanges;  // the "- extra" item's count (-1: the same as the plain one)
};

const Case cases[] = {
    {"name and space become a dash", "JOHN: Hello.", {"- Hello."}, 1, 0, -1},
    {"name directly before a letter goes without a dash", "JOHN:Hello", {"Hello"}, 1, 0, -1},
    {"name on the second line", "Hi there.|JOHN: Go.", {"Hi there.|- Go."}, 1, 0, -1},
    {"name on the second line before a letter", "Hi.|JOHN:go", {"Hi.|- go"}, 1, 0, -1},
    {"name before a line break", "JOHN:|Hello", {"- Hello"}, 1, 0, -1},
    {"leading space before the name", " JOHN: Hi", {"- Hi"}, 1, 0, -1},
    {"accented capitals are a name", "ÉVA ÖRS: Igen.", {"- Igen."}, 1, 0, -1},
    {"italic name", "<i>JOHN: Hello</i>", {"<i>- Hello</i>"}, 1, 0, -1},
    {"italic name before a letter", "<i>JOHN:Hello</i>", {"<i>Hello</i>"}, 1, 0, -1},
    {"MAN 1 is a name despite its digit", "MAN 1: Run!", {"- Run!"}, 1, 0, -1},
    {"MAN 2 as well", "MAN 2: Stop!", {"- Stop!"}, 1, 0, -1},
    {"l between capitals reads as I", "MlKE: Hi", {"- Hi"}, 1, 0, -1},
    {"an l in first place stops the scan", "lAN: Hi", {"lAN: Hi"}, 0, 1, 1},
    {"a time is critical and kept, also by the extra item", "At 12:30 we go.",
     {"At 12:30 we go."}, 0, 1, -1},
    {"a digit at the start of the candidate", "2 kg: sok", {"2 kg: sok"}, 0, 1, -1},
    {"mixed case is critical; extra removes a short label", "John: Hi", {"John: Hi"}, 0, 1, 1},
    {"a mixed-case label of eight characters stays", "Johnnyyy: Hi", {"Johnnyyy: Hi"}, 0, 1, 0},
    // the remark goes first; the label when the row is examined again
    {"extra waits for the brackets to go", "John: Hi (x)", {"John: Hi"}, 1, 2, 2},
    {"a colon after an opening remark is not critical", "(Bob: hi) ok", {"ok"}, 1, 0, -1},
    {"a leading colon break goes", ":|Hello", {"Hello"}, 1, 0, -1},
    {"a whole remark deletes the row", "(door slams)", {}, 1, 0, -1},
    {"a whole remark with a leading space", " (sighs)", {}, 1, 0, -1},
    {"a leading remark before a space", "(sighs) Okay.", {"Okay."}, 1, 0, -1},
    {"a leading remark before a line break", "(sighs)|Okay.", {"Okay."}, 1, 0, -1},
    {"a remark and colon leave an empty row", "(sighs):", {""}, 1, 0, -1},
    {"a trailing remark", "Where are you? (gasps)", {"Where are you?"}, 1, 0, -1},
    {"a trailing remark after a dash line leaves no dash", "Where?|- (gasps)", {"Where?"}, 1, 0,
     -1},
    {"an italic remark", "<i>(whispers) Come here.</i>", {"<i>Come here.</i>"}, 1, 0, -1},
    {"an italic remark before a line", "<i>(whispers)|Come.</i>", {"<i>Come.</i>"}, 1, 0, -1},
    {"a wholly italic remark deletes the row", "<i>(music)</i>", {}, 1, 0, -1},
    {"a dialogue remark inside the text", "- (laughs) Yes.|- No.", {"- Yes.|- No."}, 1, 0, -1},
    {"a dialogue remark before a line break", "- (laughs)|- No.", {"- No."}, 1, 0, -1},
    {"a dialogue remark ending the text", "- (laughs)", {}, 1, 0, -1},
    {"an inner remark", "Go away (sighs) now.", {"Go away now."}, 1, 0, -1},
    {"two inner remarks take two examinations", "A (x) b (y) c", {"A b c"}, 2, 0, -1},
    {"a whole bracket remark", "[THUNDER]", {}, 1, 0, -1},
    {"a bracket remark must start the text exactly", " [x]", {""}, 1, 0, -1},
    {"a leading bracket remark", "[laughs] Yes.", {"Yes."}, 1, 0, -1},
    {"a trailing bracket remark", "Hello [laughs]", {"Hello"}, 1, 0, -1},
    {"a dialogue bracket remark", "- [laughs] Yes.", {"- Yes."}, 1, 0, -1},
    {"an inner bracket remark", "Go [sighs] now.", {"Go now."}, 1, 0, -1},
    {"empty italics delete the row", "<i></i>", {}, 1, 0, -1},
    {"a credit line deletes the row", "Nice.|Transcript: Szotyi", {}, 1, 0, -1},
    {"the credit line's other spelling", "Transcript : Szotyi", {}, 1, 0, -1},
    {"the watermark", "JOHN: www.feliratkereso.hu (x)", {}, 1, 0, -1},
    {"a plain text stays", "Nothing to do.", {"Nothing to do."}, 0, 0, -1},
};

TEST_F(SoundNamesTest, EachStepOnItsCase)
{
    for (const Case &c : cases) {
        for (const bool extra : {false, true}) {
            SCOPED_TRACE(std::string(c.why) + (extra ? " (extra)" : ""));
            setRows({QString::fromUtf8(c.in)});
            const SoundNamesResult r = runSoundNames(model, extra);
            const int expected = extra && c.extraChanges >= 0 ? c.extraChanges : c.changes;
            if (extra && c.extraChanges >= 0) {
                EXPECT_EQ(r.changes, expected);
                continue;  // the rows of the extra form are checked below
            }
            EXPECT_EQ(texts(), c.out);
            EXPECT_EQ(r.changes, expected);
            EXPECT_EQ(r.critical, c.critical);
        }
    }
}

TEST_F(SoundNamesTest, ExtraRemovesShortMixedCaseLabelsWithoutADash)
{
    setRows({"John: Hi", "Johnnyyy: Hi", "lAN:|Hi", "John: Hi (x)"});
    const SoundNamesResult r = runSoundNames(model, true);
    EXPECT_EQ(texts(), (QStringList{"Hi", "Johnnyyy: Hi", "Hi", "Hi"}));
    // every mixed-case colon is critical first; the label goes after that
    EXPECT_EQ(r.critical, 5);
    EXPECT_EQ(r.changes, 4);
}

// Rows that go are logged at their place; the row after takes it and is
// examined without moving.
TEST_F(SoundNamesTest, DeletedRowsAndTheRowsAfterThem)
{
    setRows({"A", "Transcript : Szotyi", "<i></i>", "(noise)", "JOHN: B"});
    const SoundNamesResult r = runSoundNames(model, false);
    EXPECT_EQ(texts(), (QStringList{"A", "- B"}));
    EXPECT_EQ(r.changes, 4);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 2", "Törölve: Transcript : Szotyi", "",
                           "Melyik sorban volt: 2", "Törölve: <i></i>", "",
                           "Melyik sorban volt: 2", "Törölve: (noise)", "",
                           "Melyik sorban volt: 2", "Miből: JOHN: B", "Mire:   - B"}));
    EXPECT_TRUE(model.modified());
}

TEST_F(SoundNamesTest, EntriesOfChangedEmptiedAndCriticalRows)
{
    setRows({"(sighs):", "At 12:30.", "<i>(x) Go.</i>"});
    runSoundNames(model, false);
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 1", "Törölve: (sighs):", "",
                           "Melyik sorban volt: 2", "Kritikus sor: At 12:30.", "",
                           "Melyik sorban volt: 3", "Miből: <i>(x) Go.</i>",
                           "Mire:   <i>Go.</i>"}));
}

// A critical row that a later step changes is examined again and reported
// again.
TEST_F(SoundNamesTest, ACriticalRowChangedLaterCountsTwice)
{
    setRows({"John: hi (sighs)"});
    const SoundNamesResult r = runSoundNames(model, false);
    EXPECT_EQ(texts(), QStringList{"John: hi"});
    EXPECT_EQ(r.critical, 2);
    EXPECT_EQ(r.changes, 1);
}

TEST_F(SoundNamesTest, EndMessages)
{
    const QString more = QStringLiteral("További információt a \"Lista\" gomb alatt találsz!");
    setRows({"Where?|- (gasps)", "At 12:30."});
    runSoundNames(model, false);
    EXPECT_EQ(messages.plainMessages(),
              QStringList{"Ennyit módosítottam: 1\nÉrdemes a \"1*-\" gombot is használni!\n" + more});

    messages.clear();
    setRows({"JOHN: Hi", "At 12:30."});
    runSoundNames(model, false);
    EXPECT_EQ(messages.plainMessages(),
              QStringList{"Ennyit módosítottam: 1\nEnnyi kritikus sort találtam: 1\n" + more});

    messages.clear();
    setRows({"JOHN: Hi"});
    runSoundNames(model, false);
    EXPECT_EQ(messages.plainMessages(),
              QStringList{"Ennyit módosítottam: 1\nNem volt kritikus sor!\n" + more});
    EXPECT_TRUE(messages.lines().isEmpty());

    messages.clear();
    model.setModified(false);
    setRows({"At 12:30.", "Nice: day"});
    runSoundNames(model, false);
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Nem találtam módosítandó sort!|"
                                            "Ennyi kritikus sort találtam: 2"});
    EXPECT_FALSE(model.modified());

    messages.clear();
    setRows({"Fine."});
    runSoundNames(model, false);
    EXPECT_EQ(messages.lines(), QStringList{"Eredmény|info|Nem találtam módosítandó sort!|"});
    EXPECT_TRUE(messages.plainMessages().isEmpty());
}

TEST_F(SoundNamesTest, TheCreditLinesAreRealisticAndFixed)
{
    EXPECT_EQ(creditLines(), (QStringList{"Transcript: Szotyi", "Transcript : Szotyi",
                                          "www.feliratkereso.hu"}));
}

}  // namespace
