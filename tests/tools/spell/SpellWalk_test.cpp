#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "editor/EditorModel.h"
#include "support/FakeDictionary.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "tools/spell/EditorSpell.h"
#include "tools/spell/PersonalWords.h"
#include "tools/spell/SpellChecker.h"
#include "tools/spell/SpellWalk.h"

namespace {

const QStringList known{"a", "kutya", "ugat", "macska", "nyávog", "és", "hiba", "szépséges", "nap"};

class RowsTarget : public SpellTarget {
public:
    explicit RowsTarget(QStringList rows) : rows(std::move(rows)) {}
    int rowCount() const override { return int(rows.size()); }
    QString rowText(int row) const override { return rows[row]; }
    void replaceText(int row, int start, int length, const QString &with) override
    {
        rows[row].replace(start, length, with);
        ++replaced;
    }
    QStringList rows;
    int replaced = 0;
};

// The words the walk stops at, as "row:word", skipping each.
QStringList stops(SpellWalk &walk)
{
    QStringList out;
    while (const auto found = walk.next()) {
        out.append(QStringLiteral("%1:%2").arg(found->row).arg(found->word.text));
        walk.skip();
    }
    return out;
}

TEST(SpellChecker, AsksTheDictionaryOncePerDistinctWord)
{
    auto owned = std::make_unique<FakeDictionary>(known);
    FakeDictionary *dictionary = owned.get();
    SpellChecker checker(std::move(owned));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(checker.unknownWords(QStringLiteral("a kutya ugat|a kuttya")).size(), 1);
    EXPECT_EQ(dictionary->lookups.value(QStringLiteral("a")), 1);
    EXPECT_EQ(dictionary->lookups.value(QStringLiteral("kuttya")), 1);
    SpellWord word;
    word.text = QStringLiteral("macska");
    EXPECT_FALSE(checker.cachedVerdict(word).has_value()) << "never asked, so not cached";
    word.text = QStringLiteral("kuttya");
    EXPECT_EQ(checker.cachedVerdict(word), std::optional<bool>(false));
    checker.ignore(QStringLiteral("kuttya"));
    EXPECT_EQ(checker.cachedVerdict(word), std::optional<bool>(true));
}

TEST(SpellChecker, AWordBrokenAtALineEndIsKnownInEitherForm)
{
    SpellChecker checker(fakeDictionary({"szépséges", "Kelet-Európa"}));
    EXPECT_TRUE(checker.unknownWords(QStringLiteral("szép-|séges")).isEmpty());
    EXPECT_TRUE(checker.unknownWords(QStringLiteral("Kelet-|Európa")).isEmpty());
    EXPECT_EQ(checker.unknownWords(QStringLiteral("szép-|ség")).size(), 1);
}

// From the current row to the last, then from the first round to it.
TEST(SpellWalk, WalksFromTheStartRowRoundTheTable)
{
    SpellChecker checker(fakeDictionary(known));
    RowsTarget target({"egy", "a kutya ugat", "kettő|három", "négy"});
    SpellWalk walk(checker, target, 2);
    EXPECT_EQ(stops(walk), (QStringList{"2:kettő", "2:három", "3:négy", "0:egy"}));
    RowsTarget none({});
    SpellWalk empty(checker, none, 0);
    EXPECT_FALSE(empty.next());
}

TEST(SpellWalk, ReplaceGoesOnAfterTheNewText)
{
    SpellChecker checker(fakeDictionary(known));
    RowsTarget target({"a kuttya ugat és a kuttya", "kuttya"});
    SpellWalk walk(checker, target, 0);
    ASSERT_TRUE(walk.next());
    // a replacement the dictionary does not know is not offered again
    walk.replace(QStringLiteral("kutyya"));
    const auto second = walk.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->word.start, 19);
    walk.replace(QStringLiteral("kutya"));
    EXPECT_EQ(target.rows[0], QStringLiteral("a kutyya ugat és a kutya"));
    EXPECT_EQ(walk.next()->row, 1);
    EXPECT_EQ(walk.replacements(), 2);
}

TEST(SpellWalk, ReplaceAllChangesTheWordInEveryRowOnly)
{
    SpellChecker checker(fakeDictionary(known));
    RowsTarget target({"kuttya", "a kuttya és kuttyak|kuttya", "macska nyávog"});
    SpellWalk walk(checker, target, 1);
    ASSERT_EQ(walk.next()->word.text, QStringLiteral("kuttya"));
    EXPECT_EQ(walk.replaceAll(QStringLiteral("kutya")), 3);
    EXPECT_EQ(target.rows, (QStringList{"kutya", "a kutya és kuttyak|kutya", "macska nyávog"}));
    const auto next = walk.next();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->word.text, QStringLiteral("kuttyak"));
    EXPECT_EQ(next->word.start, 11);
}

TEST(SpellWalk, SkipAllAndAddKeepTheWordKnown)
{
    QTemporaryDir dir;
    PersonalWords list(dir.filePath(QStringLiteral("kelvo/szotar.txt")));
    SpellChecker checker(fakeDictionary(known));
    RowsTarget target({"Józsi és Béla", "Béla és Józsi"});
    SpellWalk walk(checker, target, 0);
    ASSERT_EQ(walk.next()->word.text, QStringLiteral("Józsi"));
    walk.skipAll();
    ASSERT_EQ(walk.next()->word.text, QStringLiteral("Béla"));
    walk.addToDictionary(list);
    EXPECT_FALSE(walk.next());
    EXPECT_EQ(list.load(), QStringList{"Béla"});
    EXPECT_EQ(target.replaced, 0);
}

TEST(PersonalWords, KeepsEachWordOnceAndSaysWhenItCannotWrite)
{
    QTemporaryDir dir;
    PersonalWords list(dir.filePath(QStringLiteral("new/folder/szotar.txt")));
    EXPECT_TRUE(list.load().isEmpty());
    EXPECT_TRUE(list.add(QStringLiteral("Kelvo")));
    EXPECT_TRUE(list.add(QStringLiteral("Józsi")));
    EXPECT_TRUE(list.add(QStringLiteral("Kelvo")));
    EXPECT_EQ(list.load(), (QStringList{"Kelvo", "Józsi"}));

    // a folder where the list should be: the word stays known for the run
    QDir(dir.path()).mkpath(QStringLiteral("blocked/szotar.txt"));
    PersonalWords blocked(dir.filePath(QStringLiteral("blocked/szotar.txt")));
    SpellChecker checker(fakeDictionary({}));
    MessageRecorder recorder;
    addToPersonalWords(checker, blocked, QStringLiteral("Józsi"));
    EXPECT_TRUE(checker.isKnown(QStringLiteral("Józsi")));
    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_TRUE(recorder.lines().first().startsWith(
        QStringLiteral("Hiba!|hiba|A szót nem tudtam a saját szótárba írni!|")));
}

TEST(PersonalWords, LivesInTheUsersDataFolder)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/data-home");
    EXPECT_EQ(PersonalWords().path(), QStringLiteral("/tmp/data-home/kelvo/szotar.txt"));
    qputenv("XDG_DATA_HOME", "relative");
    EXPECT_EQ(PersonalWords().path(), QDir::homePath() + QStringLiteral("/.local/share/kelvo/szotar.txt"));
    qputenv("XDG_DATA_HOME", saved);
    if (saved.isEmpty())
        qunsetenv("XDG_DATA_HOME");
}

class EditorSpell : public GlobalsFixture {};

// Every replacement goes through the table's row writer, is logged like a
// replacement of search and replace, and marks the subtitle as changed.
TEST_F(EditorSpell, ReplacementsAreLoggedAndMarkTheSubtitle)
{
    EditorModel model;
    model.cds.create();
    for (const char *text : {"a kutya ugat", "a kuttya|nyávog", "<i>kuttya</i>"}) {
        model.cds.append();
        model.cds.setField(Field::Szoveg, QString::fromUtf8(text));
        model.cds.post();
    }
    model.cds.setRecNo(2);
    model.log.add(QStringLiteral("an earlier tool's line"));
    const int changesBefore = model.cds.changeCount();
    SpellChecker checker(fakeDictionary(known));
    EditorSpellTarget target(model);
    beginEditorSpellCheck(model);
    SpellWalk walk(checker, target, model.cds.recNo() - 1);
    ASSERT_TRUE(walk.next());
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(walk.replaceAll(QStringLiteral("kutya")), 2);
    EXPECT_FALSE(walk.next());
    EXPECT_EQ(model.cds.rowAt(1).szoveg, QStringLiteral("a kutya|nyávog"));
    EXPECT_EQ(model.cds.rowAt(2).szoveg, QStringLiteral("<i>kutya</i>"));
    EXPECT_EQ(model.log.lines(),
              (QStringList{"", "Melyik sorban volt: 2", "Miből: a kuttya|nyávog",
                           "Mire  : a kutya|nyávog", "", "Melyik sorban volt: 3",
                           "Miből: <i>kuttya</i>", "Mire  : <i>kutya</i>"}));
    EXPECT_EQ(model.log.caption, QStringLiteral("Helyesírás-ellenőrzés végeredménye"));
    EXPECT_TRUE(model.unsaved(EditorModel::Subtitle::main));
    EXPECT_GT(model.cds.changeCount(), changesBefore);
}

TEST(SpellCheckDone, SaysHowManyWordsWereReplaced)
{
    MessageRecorder recorder;
    announceSpellCheckDone(0);
    announceSpellCheckDone(3);
    EXPECT_EQ(recorder.lines(),
              (QStringList{"Helyesírás-ellenőrzés|info|Nem találtam (több) ismeretlen szót!|",
                           "Helyesírás-ellenőrzés|info|Nem találtam (több) ismeretlen szót!|"
                           "Ennyi szót cseréltem le: 3"}));
}

}  // namespace
