#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "spell/HunspellDictionary.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "tools/spell/SpellChecker.h"

namespace {

// The rows of the Hungarian fixture, in their stored form.
QStringList fixtureRows()
{
    QFile file(QStringLiteral(KELVO_TEST_DATA "/spell/hungarian.srt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList rows;
    for (const QString &entry : QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n"))) {
        QStringList lines = entry.trimmed().split(u'\n');
        if (lines.size() > 2)
            rows.append(lines.mid(2).join(u'|'));
    }
    return rows;
}

// The real dictionary that scripts/setup installs (hunspell-hu).
class HungarianDictionary : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto dictionary = openDictionary(defaultDictionaryName);
        ASSERT_TRUE(dictionary) << "hunspell-hu is not installed (scripts/setup installs it)";
        checker = new SpellChecker(std::move(dictionary));
    }
    static void TearDownTestSuite()
    {
        delete checker;
        checker = nullptr;
    }
    static SpellChecker *checker;
};

SpellChecker *HungarianDictionary::checker = nullptr;

// Accented compounds, inflected words, words beside tags, "|", dialogue
// dashes, quotation marks, times and a word broken at a line end are all
// correct; the three misspellings are found where they stand.
TEST_F(HungarianDictionary, FindsTheFixturesMisspellingsAndNothingElse)
{
    ASSERT_TRUE(checker);
    const QStringList rows = fixtureRows();
    ASSERT_EQ(rows.size(), 8);
    QStringList found;
    for (int row = 0; row < rows.size(); ++row)
        for (const SpellWord &word : checker->unknownWords(rows[row]))
            found.append(QStringLiteral("%1:%2:%3").arg(row + 1).arg(word.start + 1).arg(word.text));
    EXPECT_EQ(found, (QStringList{"4:13:hibba", "4:30:levelett", "8:29:kincsett"}));
}

TEST_F(HungarianDictionary, SuggestsTheRightWordFirst)
{
    ASSERT_TRUE(checker);
    EXPECT_EQ(checker->suggestions(QStringLiteral("hibba"), 1), QStringList{"hiba"});
    EXPECT_TRUE(checker->suggestions(QStringLiteral("kincsett")).contains(QStringLiteral("kincset")));
}

TEST(InstalledDictionaries, AMissingDictionaryIsToldInHungarian)
{
    QTemporaryDir empty;
    const QByteArray saved = qgetenv("KELVO_DICTIONARY_DIRS");
    qputenv("KELVO_DICTIONARY_DIRS", empty.path().toUtf8());
    MessageRecorder recorder;
    EXPECT_FALSE(openInstalledDictionary(defaultDictionaryName));
    EXPECT_FALSE(openInstalledDictionary(QStringLiteral("xx_XX")));
    EXPECT_FALSE(openDictionary(QStringLiteral("../hunspell/hu_HU")));
    qputenv("KELVO_DICTIONARY_DIRS", saved);
    if (saved.isEmpty())
        qunsetenv("KELVO_DICTIONARY_DIRS");
    const QString where = QStringLiteral("A szótárak helye: ") + empty.path();
    EXPECT_EQ(recorder.lines(),
              (QStringList{"Hiba!|hiba|Nincs telepítve a magyar helyesírási szótár!|Telepítse a "
                           "hunspell-hu csomagot! " + where,
                           "Hiba!|hiba|Nincs telepítve ilyen helyesírási szótár: xx_XX|" + where}));
    EXPECT_TRUE(findDictionary(defaultDictionaryName).endsWith(QStringLiteral("/hu_HU.dic")));
}

}  // namespace
