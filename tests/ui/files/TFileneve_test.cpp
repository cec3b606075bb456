#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/TFileneve.h"
#include "ui/DirectoryBrowser.h"
#include "app/Windows.h"
#include "ui/files/DialogTestSupport.h"

namespace {

class TFileneveTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        makeEntries(dir, {"film.srt", "film.sub", "Other.SRT", "show.ssts", "notes.txt", "sub/"});
        lastDirectory = dir.path();
        dialog.setEditorModel(&model);
        model.setEnabled(Ctl::MentM1, false);
        windows().fileneve = &dialog;
    }
    void TearDown() override
    {
        windows().fileneve = nullptr;
        DialogTest::TearDown();
    }
    template <class T>
    T *control(const char *name) { return dialog.findChild<T *>(QString::fromLatin1(name)); }
    QLineEdit *e1() { return control<QLineEdit>("e1"); }
    QPushButton *ok() { return control<QPushButton>("Bok"); }
    QListWidget *files() { return control<QListWidget>("flb"); }
    // Runs the dialog modally, typing name and pressing "Ok"; then() looks
    // at the dialog before it is taken down.
    bool runTyping(const QString &name, const std::function<void()> &then = {})
    {
        ModalScript script([&](QDialog *) {
            e1()->clear();
            QTest::keyClicks(e1(), name);
            QTest::mouseClick(ok(), Qt::LeftButton);
            if (then)
                then();
        });
        return dialog.run();
    }

    EditorModel model;
    TFileneve dialog;
};

TEST_F(TFileneveTest, ActivationStartsCancelledWithAnEmptyNameAndTheTimeBaseFilter)
{
    fileNameMode = QStringLiteral("Felirat");
    struct Case {
        const char *base;
        const char *filter;
        QStringList files;
    } cases[] = {
        {"Time", "Feliratok (*.srt)", {"film.srt", "Other.SRT"}},
        {"Frame", "Feliratok (*.sub)", {"film.sub"}},
    };
    for (const Case &c : cases) {
        model.setTimeBase(QString::fromLatin1(c.base));
        saveCancelled = false;
        ModalScript script([&](QDialog *) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("File nevének megadása"));
            EXPECT_EQ(dialog.size(), QSize(557, 424));
            EXPECT_TRUE(saveCancelled);
            EXPECT_EQ(e1()->text(), QString());
            EXPECT_FALSE(ok()->isEnabled());
            EXPECT_TRUE(control<QLineEdit>("Edit1")->isHidden());
            EXPECT_EQ(control<QComboBox>("fcb")->currentText(), QString::fromLatin1(c.filter));
            EXPECT_EQ(listed(files()), c.files);
        });
        EXPECT_FALSE(dialog.run());
    }
}

TEST_F(TFileneveTest, NameFieldSwallowsDotsAndEnterMovesToOk)
{
    fileNameMode = QStringLiteral("Felirat");
    ModalScript script([&](QDialog *) {
        QTest::keyClicks(e1(), QStringLiteral("my.film/x"));
        EXPECT_EQ(e1()->text(), QStringLiteral("myfilmx"));
        EXPECT_TRUE(ok()->isEnabled());
        QTest::keyClick(e1(), Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), ok());
        EXPECT_TRUE(dialog.isVisible());
        e1()->selectAll();
        QTest::keyClick(e1(), Qt::Key_Backspace);
        EXPECT_FALSE(ok()->isEnabled());
        QTest::keyClick(e1(), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_FALSE(dialog.run());
    EXPECT_TRUE(saveCancelled);
}

TEST_F(TFileneveTest, ClickOnAFilePutsItsNameWithoutExtension)
{
    fileNameMode = QStringLiteral("MentesMaskent");
    subtitleFileName = QStringLiteral("film.hu.ssts");
    dialog.setConversionFormat(QStringLiteral("Stream SubText Script"), QStringLiteral(".ssts"));
    ModalScript script([&](QDialog *) {
        EXPECT_EQ(e1()->text(), QStringLiteral("film.hu"));
        EXPECT_EQ(control<QComboBox>("fcb")->currentText(),
                  QStringLiteral("Stream SubText Script (*.ssts)"));
        ASSERT_TRUE(clickEntry(files(), QStringLiteral("show.ssts")));
        EXPECT_EQ(e1()->text(), QStringLiteral("show"));
        ASSERT_TRUE(clickEntry(control<QListWidget>("dlb"), QStringLiteral("sub"), true));
        EXPECT_EQ(e1()->text(), QString());
    });
    dialog.run();
    EXPECT_EQ(saveExtension, QStringLiteral(".ssts"));
}

TEST_F(TFileneveTest, OverwriteQuestionKeepsTheDialogUnlessAnsweredYes)
{
    fileNameMode = QStringLiteral("Felirat");
    textTarget = QStringLiteral("1");
    dialog.setTypeField(QStringLiteral("Time"));
    for (const char *answer : {"Nem", "Mégsem"}) {
        messages.clear();
        messages.answer(QString::fromUtf8(answer));
        bool open = false;
        EXPECT_FALSE(runTyping(QStringLiteral("film"), [&] {
            open = dialog.isVisible();
            EXPECT_EQ(e1()->text(), QStringLiteral("film"));
        }));
        EXPECT_TRUE(open) << answer;
        EXPECT_EQ(messages.lines(),
                  QStringList{QStringLiteral("Létező file|kerdes|Már létezik a file!|Felülírjam?")});
        EXPECT_TRUE(messages.messages()[0].request.isQuestion());
        EXPECT_EQ(subtitlePath, QString());
    }

    messages.clear();
    messages.answer(QStringLiteral("Igen"));
    EXPECT_TRUE(runTyping(QStringLiteral("film")));
    EXPECT_EQ(messages.lines().size(), 1);
    EXPECT_EQ(subtitlePath, path("film.srt"));
    EXPECT_TRUE(model.isEnabled(Ctl::MentM1));
}

TEST_F(TFileneveTest, ExistingNameIsOnlyTheExactOneAndQuietSavesDoNotAsk)
{
    fileNameMode = QStringLiteral("Felirat");
    dialog.setTypeField(QStringLiteral("Time"));
    // "Other.SRT" is listed, but "Other.srt" is another file here.
    EXPECT_TRUE(runTyping(QStringLiteral("Other")));
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(subtitleFileName, QStringLiteral("Other.srt"));

    quietBoxes = true;
    EXPECT_TRUE(runTyping(QStringLiteral("film")));
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(boxAnswer, QStringLiteral("felulir"));
    EXPECT_EQ(subtitlePath, path("film.srt"));
}

TEST_F(TFileneveTest, AcceptedNameGoesToTheTargetOfTheMode)
{
    struct Case {
        const char *mode;
        const char *typeField;
        const char *target;  // textTarget
        const char *other;   // EFfm, Edit4
        QString *pathGlobal;
        QString *nameGlobal;
        const char *fileName;
    } cases[] = {
        {"Felirat", "Time", "1", "", &subtitlePath, &subtitleFileName, "new.srt"},
        {"Felirat", "Frame", "1", "", &subtitlePath, &subtitleFileName, "new.sub"},
        {"Felirat", "Time", "2", "", &secondSubtitlePath, &secondSubtitleFileName, "new.srt"},
        {"Felirat", "Frame", "2", "", &secondSubtitlePath, &secondSubtitleFileName, "new.sub"},
        {"Forditas", "Time", "2", "Frame", &subtitlePath, &subtitleFileName, "new.sub"},
        {"Forditas", "Frame", "1", "Time", &subtitlePath, &subtitleFileName, "new.srt"},
        {"dupla", "Time", "1", "Time", nullptr, nullptr, "new.srt"},
        {"dupla", "Time", "1", "Frame", nullptr, nullptr, "new.sub"},
        {"MentesMaskent", "Time", "1", "", &subtitlePath, &subtitleFileName, "new.txt"},
    };
    for (const Case &c : cases) {
        resetAllGlobals();
        lastDirectory = dir.path();
        fileNameMode = QString::fromLatin1(c.mode);
        textTarget = QString::fromLatin1(c.target);
        subtitlePath = QStringLiteral("/keep/main.srt");
        dialog.setTypeField(QString::fromLatin1(c.typeField));
        dialog.setTranslationFormat(QString::fromLatin1(c.other));
        dialog.setCdJoinTimeBase(QString::fromLatin1(c.other));
        dialog.setConversionFormat(QStringLiteral("Adobe Encore DVD"), QStringLiteral(".txt"));
        ASSERT_TRUE(runTyping(QStringLiteral("new"))) << c.mode;
        const QString expected = path(QString::fromLatin1(c.fileName));
        if (c.pathGlobal) {
            EXPECT_EQ(*c.pathGlobal, expected) << c.mode << c.target;
            EXPECT_EQ(*c.nameGlobal, QString::fromLatin1(c.fileName));
        } else {
            EXPECT_EQ(dialog.cdJoinFileName(), expected);
        }
        if (c.pathGlobal != &subtitlePath)
            EXPECT_EQ(subtitlePath, QStringLiteral("/keep/main.srt")) << c.mode << c.target;
        EXPECT_FALSE(saveCancelled);
    }
}

TEST_F(TFileneveTest, NameInTheRootDirectoryHasOneSlash)
{
    fileNameMode = QStringLiteral("MentesMaskent");
    lastDirectory = QStringLiteral("/");
    dialog.setConversionFormat(QStringLiteral("ZeroG"), QStringLiteral(".zeg"));
    EXPECT_TRUE(runTyping(QStringLiteral("kelvo-test-name")));
    EXPECT_EQ(subtitlePath, QStringLiteral("/kelvo-test-name.zeg"));
    EXPECT_EQ(subtitleFileName, QStringLiteral("kelvo-test-name.zeg"));
}

TEST_F(TFileneveTest, BackLeavesTheSaveCancelled)
{
    fileNameMode = QStringLiteral("Felirat");
    ModalScript script([&](QDialog *) {
        QTest::keyClicks(e1(), QStringLiteral("new"));
        QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_FALSE(dialog.run());
    EXPECT_TRUE(saveCancelled);
    EXPECT_EQ(boxAnswer, QStringLiteral("nem"));
    EXPECT_EQ(subtitlePath, QString());
    EXPECT_FALSE(model.isEnabled(Ctl::MentM1));
}

}  // namespace
