#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/Association.h"
#include "editor/EditorControls.h"
#include "document/DocumentGlobals.h"
#include "support/MessageRecorder.h"
#include "ShellFixture.h"

namespace {

class StartWindow : public ShellFixture {
protected:
    void TearDown() override
    {
        edition = Edition::Full;
        ShellFixture::TearDown();
    }
};

TEST_F(StartWindow, CaptionSizeAndButtonsPerEdition)
{
    for (Edition e : {Edition::Full, Edition::VN}) {
        edition = e;
        TFoForm w(QSize(1280, 1024));
        EXPECT_EQ(w.windowTitle(), e == Edition::VN ? QStringLiteral("Kelvo v6.835VN")
                                                    : QStringLiteral("Kelvo v6.835"));
        EXPECT_EQ(w.minimumSize(), QSize(273, 355));
        EXPECT_EQ(w.maximumSize(), QSize(273, 355));
        const std::pair<const char *, QString> captions[] = {
            {"BitBtn3", QStringLiteral("Megnyitás")},
            {"BitBtn2", QStringLiteral("Új felirat készítése")},
            {"BitBtn4", QStringLiteral("Fordítás")},
            {"BitBtn1", QString()},
            {"Button1", QStringLiteral("Verzióinfo")},
            {"Button2", QStringLiteral(".srt kiterjesztés hozzárendelése a Kelvo-hoz")},
        };
        for (const auto &[name, caption] : captions) {
            QPushButton *b = button(&w, name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text(), caption);
            // every caption fits its button
            EXPECT_LE(b->fontMetrics().horizontalAdvance(caption) + b->iconSize().width(),
                      b->width());
            EXPECT_TRUE(w.rect().contains(b->geometry())) << name;
        }
        EXPECT_FALSE(button(&w, "BitBtn1")->icon().isNull());
        EXPECT_TRUE(button(&w, "BitBtn4")->isEnabled());
    }
}

TEST_F(StartWindow, CreationSetsTheModesAndTakesTheCommandLine)
{
    appMode = QStringLiteral("ki");
    createWindows(QSize(1280, 1024), {QStringLiteral("Kelvo"), QStringLiteral("C:\\My"),
                                      QStringLiteral("Subs\\film.srt")});
    EXPECT_EQ(appMode, QStringLiteral("be"));
    EXPECT_EQ(commandLineFile, QStringLiteral("C:\\MySubs\\film.srt"));
    EXPECT_EQ(layoutSetting, QStringLiteral("1024x768"));
}

TEST_F(StartWindow, ScreenDecidesTheLayoutAndTheEditorsLayoutItems)
{
    struct Case {
        QSize screen;
        const char *layout;
    } cases[] = {
        {{800, 600}, "800x600"}, {{800, 480}, ""},          {{800, 768}, ""},
        {{801, 480}, "800x600"}, {{1023, 700}, "800x600"}, {{1024, 768}, "1024x768"},
        {{1024, 600}, "1024x768"}, {{1920, 1080}, "1024x768"},
    };
    MessageRecorder recorder;
    for (const Case &c : cases) {
        createWindows(c.screen);
        EXPECT_EQ(layoutSetting, QString::fromUtf8(c.layout)) << c.screen.width() << "x"
                                                              << c.screen.height();
        start->FormActivate();
        const bool small = layoutSetting == QLatin1String("800x600");
        EXPECT_EQ(felirat->model().isEnabled(Ctl::Felbonts1), !small);
        EXPECT_EQ(felirat->model().isEnabled(Ctl::Felbonts2), small);
        EXPECT_FALSE(start->ended());
    }
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(StartWindow, TooSmallScreenIsRefusedOnActivation)
{
    for (QSize screen : {QSize(799, 600), QSize(640, 480)}) {
        MessageRecorder recorder;
        createWindows(screen);
        EXPECT_EQ(layoutSetting, QStringLiteral("kicsi"));
        QSignalSpy ended(start.get(), &TFoForm::programEnded);
        start->show();
        // showing the window activates it
        ASSERT_TRUE(ended.wait(2000));
        EXPECT_EQ(recorder.lines(),
                  QStringList{QStringLiteral("Probléma!|hiba|A képernyő felbontása túl kicsi!|"
                                             "Minimum felbontás:800x600")});
        EXPECT_TRUE(recorder.messages().first().request.okVisible);
        EXPECT_FALSE(start->isVisible());
        EXPECT_TRUE(shown.isEmpty());  // the editor never opens
    }
}

TEST_F(StartWindow, EscOnAnyButtonEndsTheProgram)
{
    // "Fordítás" is disabled and cannot take the key.
    for (const char *name : {"BitBtn3", "BitBtn2", "BitBtn1", "Button1", "Button2"}) {
        createWindows();
        start->show();
        QSignalSpy ended(start.get(), &TFoForm::programEnded);
        QPushButton *b = button(start.get(), name);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Escape);
        EXPECT_EQ(ended.count(), 1) << name;
        EXPECT_FALSE(start->isVisible());
        EXPECT_TRUE(shown.isEmpty()) << name;
    }
}

TEST_F(StartWindow, CloseButtonEndsTheProgram)
{
    createWindows();
    start->show();
    QSignalSpy ended(start.get(), &TFoForm::programEnded);
    click(start.get(), "BitBtn1");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(start->ended());
}

TEST_F(StartWindow, CommandLineSubtitleOpensTheEditorOnActivation)
{
    struct Case {
        const char *file;
        bool opens;
    } cases[] = {
        {"/tmp/film.srt", true}, {"/tmp/FILM.SRT", true}, {"/tmp/a.Sub", true},
        {"/tmp/notes.txt", false}, {"/tmp/srt", false}, {"", false},
    };
    for (const Case &c : cases) {
        shown.clear();
        createWindows();
        commandLineFile = QString::fromUtf8(c.file);
        bool startVisibleBehind = false;
        actions[QStringLiteral("Felirat")] = [&](QDialog *) {
            startVisibleBehind = start->isVisible();
            return int(QDialog::Rejected);
        };
        start->show();
        start->FormActivate();
        EXPECT_EQ(shown, c.opens ? QStringList{QStringLiteral("Felirat")} : QStringList())
            << c.file;
        if (c.opens) {
            EXPECT_TRUE(startVisibleBehind);
            // taken once: a later activation does not open it again
            shown.clear();
            start->FormActivate();
            EXPECT_TRUE(shown.isEmpty());
        }
    }
}

TEST_F(StartWindow, EditorLeftForGoodEndsTheProgram)
{
    createWindows();
    commandLineFile = QStringLiteral("/tmp/film.srt");
    actions[QStringLiteral("Felirat")] = [](QDialog *) {
        appMode = QStringLiteral("ki");
        return int(QDialog::Rejected);
    };
    start->show();
    start->FormActivate();
    EXPECT_TRUE(start->ended());

    // "ki" seen on any activation closes the window
    createWindows();
    appMode = QStringLiteral("ki");
    start->FormActivate();
    EXPECT_TRUE(start->ended());
}

TEST_F(StartWindow, OpenPreparesTheEditorAndComesBack)
{
    struct Case {
        const char *before, *during;
    } cases[] = {{"be", "be"}, {"be2", "be"}, {"vissza", "be"}, {"felvitt", "felvitt"}};
    for (const Case &c : cases) {
        createWindows();
        start->show();
        appMode = QString::fromUtf8(c.before);
        displayLock = true;
        felirat->model().cds.create();
        felirat->model().cds.append();
        felirat->model().cds.post();
        struct {
            QString appMode, openMode;
            bool startVisible = true, displayLock = true, tableOpen = false;
            int rows = -1;
        } seen;
        actions[QStringLiteral("Felirat")] = [&](QDialog *) {
            seen = {appMode, openMode, start->isVisible(), displayLock,
                    felirat->model().cds.isActive(), felirat->model().cds.recordCount()};
            appMode = QStringLiteral("be2");  // "Vissza a főmenübe"
            return int(QDialog::Rejected);
        };
        click(start.get(), "BitBtn3");
        EXPECT_EQ(seen.appMode, QString::fromUtf8(c.during)) << c.before;
        EXPECT_EQ(seen.openMode, QStringLiteral("megnyitas"));
        EXPECT_FALSE(seen.startVisible);
        EXPECT_FALSE(seen.displayLock);
        EXPECT_TRUE(seen.tableOpen);
        EXPECT_EQ(seen.rows, 0);
        EXPECT_TRUE(start->isVisible());
        EXPECT_FALSE(start->ended());
    }

    // the editor closed for good
    createWindows();
    start->show();
    actions[QStringLiteral("Felirat")] = [](QDialog *) {
        appMode = QStringLiteral("ki");
        return int(QDialog::Rejected);
    };
    click(start.get(), "BitBtn3");
    EXPECT_TRUE(start->ended());
    EXPECT_FALSE(start->isVisible());
}

TEST_F(StartWindow, NewSubtitleBackWithEscOrVisszaReturnsToTheStartWindow)
{
    for (bool useEsc : {true, false}) {
        shown.clear();
        createWindows();
        start->show();
        QString modeInside, openInside;
        bool startHidden = false;
        actions[QStringLiteral("UjFelirat")] = [&](QDialog *d) {
            modeInside = appMode;
            openInside = openMode;
            startHidden = !start->isVisible();
            d->show();
            if (useEsc)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                click(d, "Button3");
            EXPECT_EQ(appMode, QStringLiteral("be2"));
            EXPECT_FALSE(d->isVisible());
            return d->result();
        };
        // twice: the second time works like the first
        for (int round = 0; round < 2; ++round) {
            click(start.get(), "BitBtn2");
            EXPECT_EQ(modeInside, QStringLiteral("be")) << round;
            EXPECT_EQ(openInside, QStringLiteral("uj"));
            EXPECT_TRUE(startHidden);
            EXPECT_EQ(appMode, QStringLiteral("be"));
            EXPECT_TRUE(start->isVisible());
            EXPECT_FALSE(start->ended());
        }
        EXPECT_EQ(shown, QStringList({QStringLiteral("UjFelirat"), QStringLiteral("UjFelirat")}));
    }
}

TEST_F(StartWindow, NewSubtitleOpensTheEditorInTheChosenTimeBase)
{
    struct Case {
        const char *button, *timeBase;
        const char *editorLeavesWith;  // appMode the editor sets on leaving
        bool ends;
    } cases[] = {
        {"Button1", "Time", "ki", true},
        {"Button2", "Frame", "ki", true},
        {"Button1", "Time", "be2", false},   // "Vissza a főmenübe"
        {"Button2", "Frame", "felvitt", true},  // closed by other means
    };
    for (const Case &c : cases) {
        shown.clear();
        createWindows();
        start->show();
        felirat->setTimeBase(QString::fromUtf8(c.timeBase) == QLatin1String("Time")
                                 ? QStringLiteral("Frame")
                                 : QStringLiteral("Time"));
        bool ujHidden = false;
        QString timeBase, mode;
        actions[QStringLiteral("UjFelirat")] = [&](QDialog *d) {
            d->show();
            click(d, c.button);
            return d->result();
        };
        actions[QStringLiteral("Felirat")] = [&](QDialog *) {
            ujHidden = !uj->isVisible();
            timeBase = felirat->model().timeBase();
            mode = openMode;
            appMode = QString::fromUtf8(c.editorLeavesWith);
            if (appMode == QLatin1String("be2"))
                start->show();
            return int(QDialog::Rejected);
        };
        click(start.get(), "BitBtn2");
        EXPECT_EQ(shown, QStringList({QStringLiteral("UjFelirat"), QStringLiteral("Felirat")}));
        EXPECT_TRUE(ujHidden);
        EXPECT_EQ(timeBase, QString::fromUtf8(c.timeBase));
        EXPECT_EQ(mode, QStringLiteral("uj"));
        EXPECT_FALSE(uj->isVisible());
        EXPECT_EQ(start->ended(), c.ends) << c.button << " " << c.editorLeavesWith;
        if (!c.ends) {
            EXPECT_EQ(appMode, QStringLiteral("be"));
            EXPECT_TRUE(start->isVisible());
        }
    }
}

TEST_F(StartWindow, NewSubtitleWindowClosedOtherwiseEndsTheProgram)
{
    createWindows();
    start->show();
    actions[QStringLiteral("UjFelirat")] = [](QDialog *d) {
        d->show();
        d->close();  // its close box
        return d->result();
    };
    click(start.get(), "BitBtn2");
    EXPECT_EQ(appMode, QStringLiteral("ki"));
    EXPECT_TRUE(start->ended());
}

TEST_F(StartWindow, VersionInfoShowsTheHistory)
{
    createWindows();
    start->show();
    bool readOnly = false;
    QString history;
    actions[QStringLiteral("Verzioinfo")] = [&](QDialog *d) {
        auto *memo = d->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
        readOnly = memo && memo->isReadOnly();
        history = memo ? memo->toPlainText() : QString();
        return int(QDialog::Rejected);
    };
    click(start.get(), "Button1");
    EXPECT_EQ(shown, QStringList{QStringLiteral("Verzioinfo")});
    EXPECT_EQ(verzio->windowTitle(), QStringLiteral("Verzióinformáció"));
    EXPECT_TRUE(readOnly);
    EXPECT_TRUE(history.contains(QStringLiteral("6.835")));
    EXPECT_TRUE(start->isVisible());
}

class StartWindowAssociation : public StartWindow {
protected:
    void SetUp() override
    {
        StartWindow::SetUp();
        saved_ = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_CONFIG_HOME")};
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
        createWindows();
        start->show();
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", saved_.first);
        qputenv("XDG_CONFIG_HOME", saved_.second);
        StartWindow::TearDown();
    }
    QString entry() const { return dir.path() + QStringLiteral("/data/applications/hu.kelvo.Kelvo.desktop"); }
    QString list() const { return dir.path() + QStringLiteral("/config/mimeapps.list"); }

    QTemporaryDir dir;
    MessageRecorder recorder;
    const QString questionLine = QStringLiteral(
        "Hozzárendelés|kerdes|Tényleg hozzá szeretné rendelni a|Kelvo progamot az srt kiterjesztéshez?");

private:
    std::pair<QByteArray, QByteArray> saved_;
};

TEST_F(StartWindowAssociation, YesWritesTheAssociation)
{
    recorder.answer(QStringLiteral("Igen"));
    click(start.get(), "Button2");
    EXPECT_EQ(recorder.lines(),
              QStringList({questionLine,
                           QStringLiteral("Kiterjesztés átállítása|info|Sikeresen végrehajtódott "
                                          "az asszociáció!|Kérem indítsa újra a gépet!")}));
    const MessageRequest &q = recorder.messages().first().request;
    EXPECT_TRUE(q.yesVisible && q.noVisible && !q.okVisible);
    EXPECT_TRUE(QFile::exists(entry()));
    EXPECT_TRUE(QFile::exists(list()));
    QFile f(entry());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(QCoreApplication::applicationFilePath().toUtf8() + " %f"));
}

TEST_F(StartWindowAssociation, NoOrCancelWritesNothing)
{
    for (const QString &answer : {QStringLiteral("Nem"), QStringLiteral("Mégsem")}) {
        recorder.clear();
        recorder.answer(answer);
        click(start.get(), "Button2");
        EXPECT_EQ(recorder.lines(), QStringList{questionLine});
        EXPECT_EQ(boxAnswer, QStringLiteral("nem"));
        EXPECT_FALSE(QFile::exists(entry()));
        EXPECT_FALSE(QFile::exists(list()));
    }
}

TEST_F(StartWindowAssociation, AFailedWriteIsReportedNotPraised)
{
    QFile blocker(dir.path() + QStringLiteral("/data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    recorder.answer(QStringLiteral("Igen"));
    click(start.get(), "Button2");
    ASSERT_EQ(recorder.messages().size(), 2);
    const MessageRequest &r = recorder.messages()[1].request;
    EXPECT_EQ(r.title, QStringLiteral("Kiterjesztés átállítása"));
    EXPECT_EQ(r.kind, QStringLiteral("hiba"));
    EXPECT_EQ(r.first, QStringLiteral("Az asszociáció nem sikerült!"));
    EXPECT_TRUE(r.second.startsWith(QStringLiteral("Nem írható: ")));
}

}  // namespace
