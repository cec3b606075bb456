#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/TFelirat.h"
#include "files/FileGlobals.h"
#include "files/TKereses.h"
#include "ui/DirectoryBrowser.h"
#include "app/Windows.h"
#include "ui/files/DialogTestSupport.h"

namespace {

class TKeresesTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        makeEntries(dir, {"a.srt", "b.sub", "c.txt", "D.SRT", "films/"});
        lastDirectory = dir.path();
        dialog.setEditorModel(&model);
        windows().kereses = &dialog;
    }
    void TearDown() override
    {
        windows().kereses = nullptr;
        DialogTest::TearDown();
    }
    template <class T>
    T *control(const char *name) { return dialog.findChild<T *>(QString::fromLatin1(name)); }
    QListWidget *files() { return control<QListWidget>("filelistbox"); }
    QLineEdit *e1() { return control<QLineEdit>("e1"); }
    QPushButton *megnyitas() { return control<QPushButton>("megnyitas"); }
    void reactivate()
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &activate);
    }

    EditorModel model;
    TKereses dialog;
};

TEST_F(TKeresesTest, LooksAsDesigned)
{
    dialog.openForEditor(false, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Felirat megnyitása"));
    EXPECT_EQ(dialog.size(), QSize(580, 539));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(e1()->isReadOnly());
    EXPECT_EQ(megnyitas()->text(), QStringLiteral("Megnyitás"));
    EXPECT_FALSE(megnyitas()->isEnabled());
    EXPECT_EQ(control<QPushButton>("Button1")->text(), QStringLiteral("<<< Vissza"));
    EXPECT_EQ(openResult, QStringLiteral("ki"));
    EXPECT_FALSE(editorReady);
}

TEST_F(TKeresesTest, FilterFollowsSecondOpenAndTheEditorsTimeBase)
{
    struct Case {
        bool second;
        const char *base;
        const char *filter;
        QStringList files;
    } cases[] = {
        {false, "Time", "Feliratok (*.srt,*.sub)", {"a.srt", "b.sub", "D.SRT"}},
        {false, "Frame", "Feliratok (*.srt,*.sub)", {"a.srt", "b.sub", "D.SRT"}},
        {true, "Time", "Feliratok (*.srt)", {"a.srt", "D.SRT"}},
        {true, "Frame", "Feliratok (*.sub)", {"b.sub"}},
    };
    for (const Case &c : cases) {
        model.setTimeBase(QString::fromLatin1(c.base));
        dialog.openForEditor(c.second, false);
        auto *filter = control<QComboBox>("FilterComboBox1");
        ASSERT_EQ(filter->count(), 1);
        EXPECT_EQ(filter->currentText(), QString::fromLatin1(c.filter));
        EXPECT_EQ(listed(files()), c.files) << c.base << c.second;
        EXPECT_EQ(textTarget, QString::fromLatin1(c.second ? "2" : "1"));
        dialog.reject();
    }
}

TEST_F(TKeresesTest, PickFillsTheNameUntilTheDialogComesBackIntoView)
{
    subtitlePath = QStringLiteral("/work/current.srt");
    subtitleFileName = QStringLiteral("current.srt");
    dialog.openForEditor(false, false);
    ASSERT_TRUE(clickEntry(files(), QStringLiteral("b.sub")));
    EXPECT_EQ(e1()->text(), QStringLiteral("b.sub"));
    EXPECT_TRUE(megnyitas()->isEnabled());
    EXPECT_EQ(pickedPath, path("b.sub"));
    EXPECT_EQ(pickedDirectory, dir.path());
    EXPECT_EQ(pickedFileName, QStringLiteral("b.sub"));

    // Moving with the keys picks too; taking the focus alone does not.
    QTest::keyClick(files(), Qt::Key_Up);
    EXPECT_EQ(e1()->text(), QStringLiteral("a.srt"));
    reactivate();
    files()->clearFocus();
    files()->setFocus(Qt::TabFocusReason);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(files(), &focusIn);
    EXPECT_EQ(e1()->text(), QString());
    EXPECT_FALSE(megnyitas()->isEnabled());
    EXPECT_TRUE(files()->selectedItems().isEmpty());
    dialog.megnyitasClick();
    QTest::keyClick(files(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(openResult, QStringLiteral("ki"));
    // The dropped pick did not become the current file.
    EXPECT_EQ(subtitlePath, QStringLiteral("/work/current.srt"));
    EXPECT_EQ(subtitleFileName, QStringLiteral("current.srt"));
    EXPECT_EQ(lastDirectory, dir.path());
}

TEST_F(TKeresesTest, DirectoryClickDropsThePickAndDoubleClickEntersIt)
{
    dialog.openForEditor(false, false);
    ASSERT_TRUE(clickEntry(files(), QStringLiteral("a.srt")));
    auto *dirs = control<QListWidget>("DirectoryListBox1");
    ASSERT_TRUE(clickEntry(dirs, QStringLiteral("films")));
    EXPECT_EQ(e1()->text(), QString());
    EXPECT_FALSE(megnyitas()->isEnabled());
    ASSERT_TRUE(clickEntry(dirs, QStringLiteral("films"), true));
    EXPECT_EQ(dialog.browser()->directory(), path("films"));
    EXPECT_TRUE(listed(files()).isEmpty());
}

TEST_F(TKeresesTest, EnterDoubleClickAndButtonOpenForTheEditor)
{
    const std::function<void()> opens[] = {
        [&] { dialog.megnyitasClick(); },
        [&] { QTest::keyClick(files(), Qt::Key_Return); },
        [&] { QTest::keyClick(control<QComboBox>("DriveComboBox1"), Qt::Key_Enter); },
        [&] { clickEntry(files(), QStringLiteral("a.srt"), true); },
    };
    for (const auto &open : opens) {
        subtitlePath.clear();
        displayLock = true;
        dialog.openForEditor(false, false);
        ASSERT_TRUE(clickEntry(files(), QStringLiteral("a.srt")));
        open();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(openResult, QStringLiteral("megnyit"));
        EXPECT_EQ(subtitlePath, path("a.srt"));
        EXPECT_EQ(subtitleFileName, QStringLiteral("a.srt"));
        EXPECT_EQ(lastDirectory, dir.path());
        EXPECT_TRUE(editorReady);
        EXPECT_FALSE(displayLock);
    }
}

TEST_F(TKeresesTest, ModalEntryRunsThroughTheModalHelper)
{
    ModalScript script([&](QDialog *) {
        clickEntry(files(), QStringLiteral("a.srt"));
        dialog.megnyitasClick();
    });
    dialog.openForEditor(false, true);
    EXPECT_EQ(script.shown, 1);
    EXPECT_FALSE(script.leftOpen);
    EXPECT_EQ(openResult, QStringLiteral("megnyit"));
    EXPECT_EQ(subtitlePath, path("a.srt"));
}

TEST_F(TKeresesTest, EscAndBackCloseWithoutOpening)
{
    dialog.openForEditor(false, false);
    QTest::keyClick(files(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(openResult, QStringLiteral("ki"));

    dialog.openForEditor(false, false);
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(openResult, QStringLiteral("vissza"));
    EXPECT_FALSE(secondOpen);
}

TEST_F(TKeresesTest, SecondSubtitleNeverBecomesTheCurrentFile)
{
    // First a main subtitle is opened, then second subtitles are opened or
    // abandoned: the current file stays the main one.
    const std::function<void()> endings[] = {
        [&] {
            clickEntry(files(), QStringLiteral("D.SRT"));
            dialog.megnyitasClick();
        },
        [&] { QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton); },
        [&] {
            clickEntry(files(), QStringLiteral("D.SRT"));
            QTest::keyClick(files(), Qt::Key_Escape);
        },
    };
    for (const auto &end : endings) {
        resetAllGlobals();
        lastDirectory = dir.path();
        dialog.openForEditor(false, false);
        clickEntry(files(), QStringLiteral("a.srt"));
        dialog.megnyitasClick();
        ASSERT_EQ(subtitlePath, path("a.srt"));

        model.setTimeBase(QStringLiteral("Time"));
        dialog.openForEditor(true, false);
        end();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(subtitlePath, path("a.srt"));
        EXPECT_EQ(subtitleFileName, QStringLiteral("a.srt"));
        EXPECT_EQ(lastDirectory, dir.path());
        EXPECT_FALSE(secondOpen);
    }
}

TEST_F(TKeresesTest, TranslationSideRefusesTheFileOfTheOtherSide)
{
    struct Case {
        const char *purpose;
        bool pickedIsSource;  // the picked file is already the source side
        const char *line;
    } cases[] = {
        {"Forditas1", false, "Ezt a feliratot már betöltötte a \"Fordított felirat\"-hoz!"},
        {"Forditas2", true, "Ezt a feliratot már betöltötte az \"Eredeti felirat\"-hoz!"},
        {"Eredeti", false, "Ezt a feliratot már betöltötte a \"Fordított felirat\"-hoz!"},
        {"Forditott", true, "Ezt a feliratot már betöltötte a \"Eredeti felirat\"-hoz!"},
    };
    for (const Case &c : cases) {
        messages.clear();
        const QString picked = path("a.srt");
        dialog.setTranslationPaths(c.pickedIsSource ? picked : path("b.sub"),
                                   c.pickedIsSource ? path("b.sub") : picked);
        bool stayed = false;
        ModalScript script([&](QDialog *) {
            clickEntry(files(), QStringLiteral("a.srt"));
            dialog.megnyitasClick();
            stayed = dialog.isVisible();
        });
        dialog.openForTranslation(QString::fromLatin1(c.purpose));
        EXPECT_TRUE(stayed) << c.purpose;
        EXPECT_EQ(messages.lines(),
                  QStringList{QStringLiteral("Duplikáció|info|") + QString::fromUtf8(c.line)
                              + u'|'})
            << c.purpose;
    }
}

TEST_F(TKeresesTest, AcceptedTranslationPickFillsItsSide)
{
    struct Case {
        const char *purpose;
        bool fillsSource;
    } cases[] = {{"Forditas1", true}, {"Forditas2", false}, {"Eredeti", true}, {"Forditott", false}};
    for (const Case &c : cases) {
        dialog.setTranslationPaths(path("src.srt"), path("dst.srt"));
        QStringList handled;
        dialog.setTranslationHandler(
            [&](const QString &purpose, const QString &file) { handled << purpose << file; });
        ModalScript script([&](QDialog *) {
            clickEntry(files(), QStringLiteral("a.srt"));
            dialog.megnyitasClick();
        });
        dialog.openForTranslation(QString::fromLatin1(c.purpose));
        EXPECT_FALSE(script.leftOpen);
        EXPECT_EQ(handled, (QStringList{QString::fromLatin1(c.purpose), path("a.srt")}));
        EXPECT_EQ(c.fillsSource ? dialog.translationSourcePath()
                                : dialog.translationTranslatedPath(),
                  path("a.srt"));
        EXPECT_EQ(c.fillsSource ? dialog.translationTranslatedPath()
                                : dialog.translationSourcePath(),
                  path(c.fillsSource ? "dst.srt" : "src.srt"));
        EXPECT_EQ(subtitlePath, path("a.srt"));
        EXPECT_TRUE(messages.messages().isEmpty());
    }
}

// The dialog works on the model it is given when it is made: here the
// editor's, whose time base decides the filter.
TEST_F(TKeresesTest, UsesTheEditorModelItIsMadeWith)
{
    EditorModel editorModel;
    TFelirat editor(&editorModel);
    editorModel.setTimeBase(QStringLiteral("Frame"));
    TKereses own(&editorModel);
    lastDirectory = dir.path();
    own.openForEditor(true, false);
    EXPECT_EQ(listed(own.findChild<QListWidget *>(QStringLiteral("filelistbox"))),
              QStringList{QStringLiteral("b.sub")});
    own.reject();
}

}  // namespace
