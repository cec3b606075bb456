// The editor together with the windows it opens: the report window, the
// file-name dialog and the writers behind "Mentés".
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtWidgets>
#include <QTest>

#include "files/FileGlobals.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "ui/Modal.h"
#include "app/Windows.h"
#include "support/TestFiles.h"
#include "ui/editor/EditorFixture.h"

namespace {

class EditorFilesTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        windows().felirat = editor.get();
        windows().fileneve = &fileneve;
        windows().hibaki = &hibaki;
        fileneve.setEditorModel(&model());
        lastDirectory = dir.path();
        previous = installModalDriver([this](QDialog *w) { return drive(w); });
    }
    void TearDown() override
    {
        installModalDriver(previous);
        windows() = Windows{};
        EditorFixture::TearDown();
    }

    // Each modal window shown records its caption; the file-name dialog
    // types the next scripted name and presses "Ok" (a second time when
    // the first press left it open), or "<<< Vissza" when none is left.
    int drive(QDialog *w)
    {
        shown.append(w->windowTitle());
        w->show();
        if (w == &fileneve) {
            auto *e1 = fileneve.findChild<QLineEdit *>(QStringLiteral("e1"));
            auto *ok = fileneve.findChild<QPushButton *>(QStringLiteral("Bok"));
            auto *back = fileneve.findChild<QPushButton *>(QStringLiteral("Button1"));
            if (names.isEmpty()) {
                QTest::mouseClick(back, Qt::LeftButton);
            } else {
                QTest::keyClicks(e1, names.takeFirst());
                for (int press = 0; press < 2 && fileneve.isVisible(); ++press)
                    QTest::mouseClick(ok, Qt::LeftButton);
                stayedOpenWith = fileneve.isVisible() ? e1->text() : QString();
            }
        } else if (w == &hibaki) {
            logCaption = hibaki.windowTitle();
        }
        const int result = w->result();
        w->hide();
        return result;
    }

    QTemporaryDir dir;
    TFileneve fileneve;
    THibaki hibaki;
    ModalDriver previous;
    QStringList shown;
    QStringList names;
    QString stayedOpenWith;
    QString logCaption;
};

TEST_F(EditorFilesTest, CommandLineFileIsReadAndItsRepairsShown)
{
    const QString path = dir.filePath(QStringLiteral("film.srt"));
    QFile::copy(QStringLiteral(KELVO_TEST_DATA "/srt/time_discrepancy.srt"), path);
    commandLineFile = path;
    appMode = QStringLiteral("be");
    openMode = QStringLiteral("megnyitas");
    showEditor();
    EXPECT_TRUE(commandLineFile.isEmpty());
    EXPECT_EQ(model().cds.recordCount(), 2);
    EXPECT_EQ(model().cds.rowAt(0).kezdes, QStringLiteral("00:01:15,000"));
    EXPECT_EQ(w<QLineEdit>("Efilenev")->text(), QStringLiteral("film.srt"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Hibák észelelése")));
    // a repaired file can be saved at once
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());
    EXPECT_EQ(appMode, QStringLiteral("felvitt"));
}

TEST_F(EditorFilesTest, SaveAsOntoAnExistingNameAsksAndKeepsTheDialogOnNo)
{
    fillRows(2);
    const QString target = dir.filePath(QStringLiteral("kesz.srt"));
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();

    for (const char *answer : {"Nem", "Mégsem"}) {
        recorder.clear();
        shown.clear();
        recorder.answer(QString::fromUtf8(answer));
        recorder.answer(QString::fromUtf8(answer));
        names = {QStringLiteral("kesz")};
        QTest::mouseClick(w<QPushButton>("BMMN"), Qt::LeftButton);
        ASSERT_FALSE(recorder.lines().isEmpty());
        EXPECT_EQ(recorder.lines().first(),
                  QStringLiteral("Létező file|kerdes|Már létezik a file!|Felülírjam?"));
        EXPECT_EQ(stayedOpenWith, QStringLiteral("kesz")) << answer;
        EXPECT_EQ(fileBytes(target), QByteArray("old")) << answer;
    }

    recorder.clear();
    recorder.answer(QStringLiteral("Igen"));
    names = {QStringLiteral("kesz")};
    QTest::mouseClick(w<QPushButton>("BMMN"), Qt::LeftButton);
    EXPECT_TRUE(fileBytes(target).startsWith("1\r\n00:00:01,000 --> 00:00:03,000\r\n"));
    EXPECT_EQ(recorder.lines().last(), QStringLiteral("Mentés|info|A file-t elmentettem!|"));
    EXPECT_EQ(w<QLineEdit>("Efilenev")->text(), QStringLiteral("kesz.srt"));
    EXPECT_FALSE(model().modified());
}

TEST_F(EditorFilesTest, FrameSubtitleUnderSrtNameAsksForANameAndWritesSub)
{
    fillRows(1);
    model().setTimeBase(QStringLiteral("Frame"));
    model().cds.first();
    model().cds.edit();
    model().cds.setField(Field::Kezdes, QStringLiteral("25"));
    model().cds.setField(Field::Befejezes, QStringLiteral("62"));
    model().cds.post();
    subtitlePath = dir.filePath(QStringLiteral("film.srt"));
    subtitleFileName = QStringLiteral("film.srt");
    model().fileNameField = subtitleFileName;
    model().setModified(true);
    names = {QStringLiteral("film")};

    QTest::mouseClick(w<QPushButton>("Bmentes"), Qt::LeftButton);

    EXPECT_TRUE(recorder.lines().contains(QStringLiteral(
        "Eltérés!|info|A file neve nem egyezik meg a típussal!|Következmény: filenév bekérés")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("film.srt"))));
    EXPECT_TRUE(fileBytes(dir.filePath(QStringLiteral("film.sub"))).startsWith("{25}{62}Sor 1|"));
}

TEST_F(EditorFilesTest, ExitQuestionYesSavesOverTheNamedFileWithoutAsking)
{
    fillRows(1);
    const QString target = dir.filePath(QStringLiteral("kesz.srt"));
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    subtitlePath = target;
    subtitleFileName = QStringLiteral("kesz.srt");
    model().fileNameField = subtitleFileName;
    model().setModified(true);
    recorder.answer(QStringLiteral("Igen"));

    QTest::mouseClick(w<QPushButton>("Bki"), Qt::LeftButton);

    EXPECT_EQ(recorder.lines(),
              QStringList{QStringLiteral("A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?")});
    EXPECT_TRUE(fileBytes(target).startsWith("1\r\n"));
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditorFilesTest, ExitSaveThatDoesNotHappenKeepsTheEditorOpen)
{
    fillRows(1);
    model().setModified(true);
    recorder.answer(QStringLiteral("Igen"));
    // no name: the file-name dialog is left with "<<< Vissza"
    QTest::mouseClick(w<QPushButton>("Bki"), Qt::LeftButton);
    EXPECT_TRUE(shown.contains(QStringLiteral("File nevének megadása")));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(model().modified());
}

TEST_F(EditorFilesTest, ListShowsTheLogUnderItsCaption)
{
    fillRows(1);
    model().log.add(QStringLiteral("valami"));
    QTest::keyClick(editor.get(), Qt::Key_F5);
    EXPECT_EQ(logCaption, QStringLiteral("A módosítás végeredménye"));
}

}  // namespace
