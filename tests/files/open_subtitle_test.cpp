#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ModeGlobals.h"
#include "editor/EditorControls.h"
#include "document/DocumentGlobals.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "read_support.h"
#include "support/GlobalsFixture.h"

namespace {

QByteArray entries(int count)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += QByteArray::number(i) + "\n00:00:0" + QByteArray::number(i % 10)
               + ",000 --> 00:00:0" + QByteArray::number(i % 10) + ",500\nx\n\n";
    return out;
}

class OpenSubtitle : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setHost(&host);
    }
    // As the open dialog does for a picked file.
    QString open(const QString &path, const QString &target = QStringLiteral("1"))
    {
        subtitlePath = path;
        textTarget = target;
        if (!model.cds.isActive())
            model.cds.create();
        prepareEditor(model, target == QLatin1String("1"), QFileInfo(path).fileName());
        return readIntoEditor(model);
    }
    QTemporaryDir dir;
    CountingHost host;
    EditorModel model;
    MessageRecorder recorder;
};

TEST_F(OpenSubtitle, PrepareEnablesEditingAndCopiesName)
{
    model.setEnabled(Ctl::racs, false);
    model.setEnabled(Ctl::RB1, false);
    prepareEditor(model, true, QStringLiteral("film.srt"));
    EXPECT_TRUE(editorReady);
    EXPECT_EQ(model.fileNameField, QStringLiteral("film.srt"));
    EXPECT_TRUE(model.isEnabled(Ctl::racs));
    EXPECT_TRUE(model.isEnabled(Ctl::RB1));
    EXPECT_TRUE(model.isChecked(Ctl::RB1));
    EXPECT_FALSE(model.isVisible(Ctl::st2));

    prepareEditor(model, false, QStringLiteral("masik.srt"));
    EXPECT_EQ(model.fileNameField, QStringLiteral("film.srt")) << "a second subtitle keeps the name";
}

TEST_F(OpenSubtitle, NothingHappensUntilEditorIsPrepared)
{
    subtitlePath = dataPath(QStringLiteral("srt/well_formed.srt"));
    model.cds.create();
    EXPECT_EQ(readIntoEditor(model), QString());
    EXPECT_EQ(model.cds.recordCount(), 0);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(OpenSubtitle, SuccessSetsModesAndModifiedMarkerByRepairs)
{
    EXPECT_EQ(open(dataPath(QStringLiteral("srt/well_formed.srt"))), QStringLiteral("2"));
    EXPECT_EQ(appMode, QStringLiteral("felvitt"));
    EXPECT_EQ(openMode, QStringLiteral("megnyitas"));
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(displayLock);
    EXPECT_EQ(model.cds.recNo(), 1);
    EXPECT_EQ(host.currentRowShown, 1);
    EXPECT_EQ(host.progressVisible.last(), false);
    EXPECT_FALSE(model.isVisible(Ctl::Szoveg2));
    EXPECT_TRUE(model.isChecked(Ctl::racsRowSelect));

    EXPECT_EQ(open(dataPath(QStringLiteral("srt/time_discrepancy.srt"))), QStringLiteral("2"));
    EXPECT_TRUE(model.modified()) << "a repaired file can be saved at once";
    EXPECT_EQ(model.cds.recordCount(), 2) << "the table was emptied first";
    EXPECT_EQ(host.reportShown, 1);
}

// The hourglass shows while the file is read, the report included, and the
// normal cursor comes back whatever the outcome.
TEST_F(OpenSubtitle, WaitCursorShowsWhileReading)
{
    for (const char *file : {"srt/time_discrepancy.srt", "srt/not_a_subtitle.srt", "srt/gone.srt"}) {
        host.steps.clear();
        open(dataPath(QString::fromLatin1(file)));
        const QStringList expected = QLatin1String(file) == QLatin1String("srt/time_discrepancy.srt")
                                         ? QStringList{"place", "c+", "report", "c-"}
                                         : QStringList{"place", "c+", "c-"};
        EXPECT_EQ(host.steps, expected) << file;
    }
}

TEST_F(OpenSubtitle, SecondSubtitleShowsSecondColumn)
{
    open(dataPath(QStringLiteral("srt/well_formed.srt")));
    model.cds.last();
    EXPECT_EQ(open(dataPath(QStringLiteral("srt/second_more.srt")), QStringLiteral("2")),
              QStringLiteral("2"));
    EXPECT_TRUE(model.isVisible(Ctl::Szoveg2));
    EXPECT_TRUE(model.isVisible(Ctl::Mov));
    EXPECT_FALSE(model.isChecked(Ctl::racsRowSelect));
    EXPECT_TRUE(model.isEnabled(Ctl::MentesMF));
    EXPECT_EQ(model.cds.rowAt(0).szoveg2, QStringLiteral("One")) << "filled from the first row";
    EXPECT_EQ(model.fileNameField, QStringLiteral("well_formed.srt"));
}

TEST_F(OpenSubtitle, FailureClearsFieldsAndExplains)
{
    open(dataPath(QStringLiteral("srt/not_a_subtitle.srt")));
    EXPECT_EQ(recorder.lines(),
              QStringList{QStringLiteral("Hiba|hiba|Hiba a file-ban! Lehet, hogy nem nincs a file-ban "
                                         "semmi!|Vagy a file értelmezhetetlen típust tartalmaz!")});
    EXPECT_EQ(host.lineFieldsCleared, 1);
    EXPECT_NE(appMode, QStringLiteral("felvitt"));
    EXPECT_FALSE(displayLock);

    // a missing file has its own message and no second one
    recorder.clear();
    open(dir.filePath(QStringLiteral("eltunt.srt")));
    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_EQ(recorder.messages()[0].request.first, QStringLiteral("Nem található a file: eltunt.srt"));
    EXPECT_EQ(host.lineFieldsCleared, 2);
}

TEST_F(OpenSubtitle, ScrollBarByLayoutAndRowCount)
{
    const QString path = writeFile(dir, QStringLiteral("tizenketto.srt"), entries(12));
    const struct {
        const char *layout;
        bool shown;
    } cases[] = {{"800x600", true}, {"1024x768", false}, {"", false}};
    for (const auto &c : cases) {
        layoutSetting = QString::fromLatin1(c.layout);
        open(path);
        EXPECT_EQ(model.cds.recordCount(), 12);
        EXPECT_EQ(model.isVisible(Ctl::racsVScroll), c.shown) << c.layout;
    }
    layoutSetting = QStringLiteral("1024x768");
    open(writeFile(dir, QStringLiteral("tizenhat.srt"), entries(16)));
    EXPECT_TRUE(model.isVisible(Ctl::racsVScroll));
}

TEST_F(OpenSubtitle, CommandLineFileSplitAtEitherSeparator)
{
    commandLineFile = dataPath(QStringLiteral("srt/well_formed.srt"));
    ASSERT_TRUE(openCommandLineFile(model));
    EXPECT_EQ(subtitleFileName, QStringLiteral("well_formed.srt"));
    EXPECT_EQ(lastDirectory, dataPath(QStringLiteral("srt/")));
    EXPECT_EQ(model.fileNameField, QStringLiteral("well_formed.srt"));
    EXPECT_EQ(model.cds.recordCount(), 3);
    EXPECT_EQ(textTarget, QStringLiteral("1"));
    EXPECT_TRUE(commandLineFile.isEmpty());

    commandLineFile = QStringLiteral("C:\\Filmek\\Uj film.SUB");
    EXPECT_TRUE(openCommandLineFile(model));
    EXPECT_EQ(subtitleFileName, QStringLiteral("Uj film.SUB"));
    EXPECT_EQ(lastDirectory, QStringLiteral("C:\\Filmek\\"));

    commandLineFile = QStringLiteral("/tmp/level.txt");
    EXPECT_FALSE(openCommandLineFile(model));
    EXPECT_EQ(commandLineFile, QStringLiteral("/tmp/level.txt"));
}

}  // namespace

// A file cut short while it is read is not taken in part: the read says it
// could not read it through, and the table stays as it was.
TEST_F(OpenSubtitle, FileCutShortDuringTheReadIsNotTaken)
{
    struct CuttingHost : CountingHost {
        QString path;
        void setProgress(int value) override
        {
            CountingHost::setProgress(value);
            if (progress.size() == 1)
                QFile::resize(path, 1000);
        }
    } cutting;
    const QString path = dir.filePath(QStringLiteral("nagy.srt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(entries(20000));  // far beyond one chunk of reading
    f.close();
    cutting.path = path;
    model.setHost(&cutting);

    EXPECT_TRUE(open(path).isEmpty());
    EXPECT_EQ(recorder.lines(), QStringList{QStringLiteral(
                                    "Hiba|hiba|Hiba a file olvasása közben: nagy.srt|A file nem "
                                    "olvasható végig!")});
    EXPECT_EQ(model.cds.recordCount(), 0);
    EXPECT_FALSE(cutting.progress.isEmpty());
}
