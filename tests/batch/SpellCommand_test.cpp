#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

class SpellCommand : public ::testing::Test {
protected:
    QString fixture() const { return QStringLiteral(KELVO_TEST_DATA "/spell/hungarian.srt"); }
    // Each run gets a data folder of its own, so no personal list of the
    // machine's user counts.
    BatchRun run(QStringList arguments, const QByteArray &dictionaryDirs = {})
    {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        if (!dictionaryDirs.isEmpty())
            qputenv("KELVO_DICTIONARY_DIRS", dictionaryDirs);
        const BatchRun r = runBatchTool(arguments);
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("KELVO_DICTIONARY_DIRS");
        return r;
    }
    QTemporaryDir home;
};

TEST_F(SpellCommand, PrintsARecordPerUnknownWord)
{
    const BatchRun r = run({"spell", fixture()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QStringList records = r.records("spell");
    ASSERT_EQ(records.size(), 3) << records.join(u'\n').toStdString();
    EXPECT_TRUE(records[0].startsWith(QStringLiteral("spell\t4\t13\thibba\thiba\t")));
    EXPECT_TRUE(records[1].startsWith(QStringLiteral("spell\t4\t30\tlevelett\t")));
    EXPECT_TRUE(records[2].startsWith(QStringLiteral("spell\t8\t29\tkincsett\t")));
    for (const QString &record : records)
        EXPECT_LE(record.split(u'\t').size(), 4 + 3) << "at most three suggestions";
}

TEST_F(SpellCommand, ThePersonalListCountsAsKnown)
{
    QDir(home.path()).mkpath(QStringLiteral("kelvo"));
    putFile(home.filePath(QStringLiteral("kelvo/szotar.txt")), "kincsett\nlevelett\n");
    const BatchRun r = run({"spell", fixture()});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.records("spell").size(), 1);
    EXPECT_TRUE(r.records("spell")[0].startsWith(QStringLiteral("spell\t4\t13\thibba\t")));
}

TEST_F(SpellCommand, AnotherOrAMissingDictionaryIsRefusedWithItsMessage)
{
    QTemporaryDir dictionaries;
    putFile(dictionaries.filePath(QStringLiteral("xx_XX.aff")), "SET UTF-8\n");
    putFile(dictionaries.filePath(QStringLiteral("xx_XX.dic")), "2\nhibba\nvolt\n");
    const BatchRun other =
        run({"spell", "--dictionary", "xx_XX", fixture()}, dictionaries.path().toUtf8());
    EXPECT_EQ(other.exitCode, 0);
    EXPECT_FALSE(other.records("spell").join(u'\n').contains(QStringLiteral("\thibba\t")));
    EXPECT_TRUE(other.records("spell").join(u'\n').contains(QStringLiteral("\tkincsett")));

    const BatchRun missing = run({"spell", "--dictionary", "yy_YY", fixture()},
                                 dictionaries.path().toUtf8());
    EXPECT_EQ(missing.exitCode, 4);
    EXPECT_TRUE(missing.records("spell").isEmpty());
    EXPECT_EQ(missing.records("box"),
              QStringList{"box\tHiba!\thiba\tNincs telepítve ilyen helyesírási szótár: yy_YY\t"
                          "A szótárak helye: " + dictionaries.path()});
}

}  // namespace
