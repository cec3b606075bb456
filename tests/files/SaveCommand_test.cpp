#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/TestFiles.h"

namespace {

const QString data = QStringLiteral(KELVO_TEST_DATA "/save/");

class SaveCommand : public ::testing::Test {
protected:
    BatchRun save(const QString &in, const QString &out, const QStringList &options = {})
    {
        return runBatchTool(options + QStringList{QStringLiteral("save"), data + in, out});
    }
    QTemporaryDir dir;
};

TEST_F(SaveCommand, WritesBothKindsBackByteForByte)
{
    for (const QString name : {QStringLiteral("worked_example.srt"), QStringLiteral("worked_example.sub")}) {
        const QString out = dir.filePath(name);
        const BatchRun r = save(name, out);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(fileBytes(out), fileBytes(data + name)) << qPrintable(name);
        EXPECT_FALSE(r.out.contains("box\t")) << r.out.constData();
    }
}

TEST_F(SaveCommand, NameOfTheWrongKindWritesNothing)
{
    for (const auto &[in, out] : {std::pair{"worked_example.sub", "out.srt"},
                                  std::pair{"worked_example.srt", "out.sub"}}) {
        const BatchRun r = save(QString::fromLatin1(in), dir.filePath(QString::fromLatin1(out)));
        EXPECT_EQ(r.exitCode, 4) << in;
        EXPECT_TRUE(r.lines().contains("box\tEltérés!\tinfo\tA file neve nem egyezik meg a "
                                       "típussal!\tKövetkezmény: filenév bekérés"))
            << r.out.constData();
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
    }
}

TEST_F(SaveCommand, UnwritableOutputExitsWithThree)
{
    QDir(dir.path()).mkdir(QStringLiteral("taken.srt"));
    const BatchRun r = save(QStringLiteral("worked_example.srt"), dir.filePath("taken.srt"));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.lines().contains("box\tÍrásvédett file!\thiba\tÍrásvédett a következő file: "
                                   "taken.srt\tA kért mentés nem sikerült! Ez nem közönséges file."))
        << r.out.constData();
}

// Rows that all fall out of the file (no start or end, or empty texts
// left out) never replace a file with nothing: the command says what was
// left out and writes nothing.
TEST_F(SaveCommand, RowsThatAllFallOutWriteNothing)
{
    const QString noEnd = dir.filePath("a.sub");
    putFile(noEnd, "{01}");
    const QString empty = dir.filePath("e.srt");
    putFile(empty, "1\r\n00:00:01,000 --> 00:00:02,000\r\n\r\n");
    const QString noTimes = QStringLiteral(
        "box\tMentés\thiba\tNem mentettem: egyik sort sem lehet kiírni!\t"
        "1 sornak nincs kezdése vagy befejezése.");
    struct Case {
        QStringList args;
        QString in;
        QString box;
    } cases[] = {
        {{"save", noEnd, noEnd}, noEnd, noTimes},
        {{"fix", "lower", noEnd, noEnd}, noEnd, noTimes},
        {{"convert", "MPlayer2", noEnd, noEnd}, noEnd,
         "box\tMentés\thiba\tNem mentettem: egyik sort sem lehet kiírni!\t1 sor szövege üres."},
        {{"--skip-empty", "save", empty, empty}, empty,
         "box\tMentés\thiba\tNem mentettem: egyik sort sem lehet kiírni!\t1 sor szövege üres."},
    };
    for (const Case &c : cases) {
        const QByteArray before = fileBytes(c.in);
        const BatchRun r = runBatchTool(c.args);
        EXPECT_EQ(r.exitCode, 4) << qPrintable(c.args.join(u' '));
        EXPECT_EQ(fileBytes(c.in), before) << qPrintable(c.args.join(u' '));
        EXPECT_TRUE(r.lines().contains(c.box)) << r.out.constData();
    }
}

// Records that cannot reach standard output are a failure, not a success.
TEST_F(SaveCommand, StandardOutputThatCannotBeWrittenIsAFailure)
{
    for (const QStringList &args : {QStringList{"read", data + "worked_example.srt"},
                                    QStringList{"formats"}, QStringList{"--help"}}) {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(KELVO_BATCH_EXE), args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 3) << qPrintable(args.join(u' '));
        EXPECT_TRUE(p.readAllStandardError().contains("cannot write the standard output"));
    }
}

TEST_F(SaveCommand, RunsTheSaveTimeOverlapCheck)
{
    const QString out = dir.filePath("o.srt");
    BatchRun r = save(QStringLiteral("overlaps.srt"), out);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(fileBytes(out), fileBytes(data + "overlaps.srt"));
    EXPECT_EQ(r.records("log"), (QStringList{"log\t",
                                "log\tSor száma: 2      Érték: 00:00:02,000-->00:00:03,000",
                                "log\tSor száma: 3      Érték: 00:00:02,500-->00:00:04,000",
                                "log\tA 3. sor kezdő értéke kisebb, mint az 2. sor befejező értéke!"}));
    EXPECT_TRUE(r.lines().contains("box\tEredmény\tinfo\tEnnyi átfedési hibát találtam: 1\t"
                                   "További információt a \"Lista\" gomb alatt találsz!"));

    r = save(QStringLiteral("overlaps.srt"), out, {QStringLiteral("--no-overlap-check")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.out.contains("Ennyi átfedési hibát")) << r.out.constData();
}

// A read that lost part of the file is never written over anything, the
// input itself included, unless --partial asks for what was read.
TEST_F(SaveCommand, PartialReadWritesNothingUnlessAskedFor)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QByteArray partial;
    };
    const Case cases[] = {
        {"stopped.sub", "{1}{2}a\r\n{3}{4}b\r\n c\r\n{6}{7}d\r\n{8}{9}e", "{1}{2}a\r\n{3}{4}b"},
        {"number_only.srt", "12345", ""},
    };
    for (const Case &c : cases) {
        const QString in = dir.filePath(QString::fromLatin1(c.name));
        putFile(in, c.bytes);
        const BatchRun r = runBatchTool({QStringLiteral("save"), in, in});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_EQ(fileBytes(in), c.bytes) << c.name;

        const QString out = dir.filePath(QStringLiteral("partial_") + QString::fromLatin1(c.name));
        const BatchRun p = runBatchTool({QStringLiteral("--partial"), QStringLiteral("save"), in, out});
        EXPECT_EQ(p.exitCode, 0) << c.name;
        EXPECT_EQ(fileBytes(out), c.partial) << c.name;
    }
}

// A file holding only a number reads without rows: nothing is written,
// and the records say so with the editor's message for an empty file.
TEST_F(SaveCommand, AFileWithoutRowsSaysWhyNothingIsWritten)
{
    const QString in = dir.filePath(QStringLiteral("one.srt"));
    putFile(in, "1");
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    const BatchRun r = runBatchTool({QStringLiteral("save"), in, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(r.records("box"),
              QStringList{"box\tHiba\thiba\tHiba a file-ban! Lehet, hogy nem nincs a file-ban "
                          "semmi!\tVagy a file értelmezhetetlen típust tartalmaz!"});
}

TEST_F(SaveCommand, UnknownOptionIsWrongUsageAndDoubleDashEndsTheOptions)
{
    const QString out = dir.filePath("o.srt");
    BatchRun r = save(QStringLiteral("worked_example.srt"), out, {QStringLiteral("--no-overlap-chek")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("--no-overlap-chek")) << r.err.constData();
    EXPECT_TRUE(r.err.contains("Usage: kelvo-batch"));
    EXPECT_FALSE(QFileInfo::exists(out));

    const QString odd = dir.filePath("--help.srt");
    ASSERT_TRUE(QFile::copy(data + "worked_example.srt", odd));
    const QString here = QDir::currentPath();
    QDir::setCurrent(dir.path());
    r = runBatchTool({QStringLiteral("save"), QStringLiteral("--"), QStringLiteral("--help.srt"), out});
    QDir::setCurrent(here);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(out), fileBytes(data + "worked_example.srt"));
}

}  // namespace
