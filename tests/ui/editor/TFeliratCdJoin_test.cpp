#include <QTemporaryDir>
#include <functional>
#include <map>

#include "app/ModeValues.h"
#include "app/Windows.h"
#include "files/TFileneve.h"
#include "support/TestFiles.h"
#include "tools/cd/TCd2cd1.h"
#include "tools/cd/TErtek2cd.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"
#include "ui/editor/EditorFixture.h"

namespace {

// The join driven through its windows: each modal window runs the script
// given for it and is taken down with the result it was left with.
class EditorCdJoin : public EditorFixture {
protected:
    using Script = std::function<void()>;

    void SetUp() override
    {
        EditorFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        lastDirectory = dir.path();
        windows().felirat = editor.get();
        windows().fileneve = &fileneve;
        windows().cd2cd1 = &files;
        windows().ertek2cd = &values;
        fileneve.setEditorModel(&model());
        previous = installModalDriver([this](QDialog *window) {
            shown.append(window->windowTitle());
            window->show();
            auto script = scripts.find(window);
            if (script != scripts.end())
                script->second();
            const int result = window->result();
            window->hide();
            return result;
        });
        fillRows(2);
    }
    void TearDown() override
    {
        installModalDriver(previous);
        windows() = Windows{};
        EditorFixture::TearDown();
    }

    QString put(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        putFile(path, bytes);
        return path;
    }

    template <typename T>
    T *in(QWidget &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    // A double-click on a file of the join's file list, as the user does it.
    void doubleClickFile(const QString &name)
    {
        auto *list = in<QListWidget>(files, "FileListBox1");
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QRect rect = list->visualItemRect(items.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void click(QWidget &window, const char *name)
    {
        QTest::mouseClick(in<QPushButton>(window, name), Qt::LeftButton);
    }
    // "File-ok kiválasztása" of the join, entering the CD group first.
    void openChoice()
    {
        if (!w<QRadioButton>("RB12")->isChecked())
            QTest::mouseClick(w<QRadioButton>("RB12"), Qt::LeftButton);
        if (!w<QRadioButton>("RB12cd2")->isChecked())
            QTest::mouseClick(w<QRadioButton>("RB12cd2"), Qt::LeftButton);
        QApplication::processEvents();
        scripts[&files] = [this] {
            files.browser()->setDirectory(dir.path());
            filesScript();
        };
        QTest::mouseClick(w<QPushButton>("Bfileki"), Qt::LeftButton);
    }

    QTemporaryDir dir;
    TFileneve fileneve;
    TErtek2cd values;
    TCd2cd1 files;
    ModalDriver previous;
    std::map<QDialog *, Script> scripts;
    Script filesScript;
    QStringList shown;
};

TEST_F(EditorCdJoin, ChoosingBothPartsAStartAndANameThenJoining)
{
    put("film cd1.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n"
                        "2\r\n00:50:00,000 --> 00:50:02,000\r\ntwo\r\n\r\n");
    put("film cd2.srt", "1\r\n00:00:03,000 --> 00:00:04,000\r\nthree\r\n\r\n"
                        "2\r\n00:00:10,500 --> 00:00:11,000\r\nfour\r\n\r\n");
    filesScript = [this] {
        EXPECT_FALSE(in<QPushButton>(files, "Bervenyesites")->isEnabled());
        doubleClickFile(QStringLiteral("film cd1.srt"));
        doubleClickFile(QStringLiteral("film cd2.srt"));
        EXPECT_EQ(in<QLineEdit>(files, "Eelsofile")->text(), dir.filePath("film cd1.srt"));
        EXPECT_EQ(in<QLineEdit>(files, "Emasodikfile")->text(), dir.filePath("film cd2.srt"));
        click(files, "Bervenyesites");
    };
    scripts[&values] = [this] {
        EXPECT_EQ(openMode, OpenMode::cdJoined);
        auto *start = in<QLineEdit>(values, "Edit2");
        EXPECT_EQ(start->text(), QStringLiteral("00:00:00,000"));
        EXPECT_FALSE(in<QPushButton>(values, "Bervenyesit")->isEnabled());
        start->clear();
        // letters are not taken by a time field; Backspace after ":" or "," is
        QTest::keyClicks(start, QStringLiteral("0x1:"));
        QTest::keyClick(start, Qt::Key_Backspace);
        EXPECT_EQ(start->text(), QStringLiteral("01"));
        QTest::keyClicks(start, QStringLiteral(":00:0a1,"));
        QTest::keyClick(start, Qt::Key_Backspace);
        QTest::keyClicks(start, QStringLiteral(",000"));
        EXPECT_EQ(start->text(), QStringLiteral("01:00:01,000"));
        click(values, "Tallozas");
        EXPECT_EQ(in<QLineEdit>(values, "E2cdfilenev")->text(), dir.filePath("joined.srt"));
        click(values, "Bervenyesit");
    };
    scripts[&fileneve] = [this] {
        EXPECT_EQ(fileNameMode, FileNameMode::cdJoin);
        QTest::keyClicks(in<QLineEdit>(fileneve, "e1"), QStringLiteral("joined"));
        click(fileneve, "Bok");
    };
    openChoice();
    EXPECT_EQ(shown, (QStringList{"File-ok kiválasztása", "Kezdő érték és a File nevének megadása",
                                  fileneve.windowTitle()}));
    EXPECT_EQ(openMode, OpenMode::cdJoin);
    ASSERT_TRUE(w<QPushButton>("Bvegre21")->isEnabled());
    QApplication::processEvents();
    EXPECT_EQ(editor->focusWidget(), w<QPushButton>("Bvegre21"));

    QTest::mouseClick(w<QPushButton>("Bvegre21"), Qt::LeftButton);
    EXPECT_EQ(recorder.lines(), QStringList{"Mentés|info|A file-t elmentettem!|"});
    EXPECT_EQ(model().cds.recordCount(), 4);
    const QByteArray joined = fileBytes(dir.filePath("joined.srt"));
    EXPECT_TRUE(joined.contains("2\r\n00:50:00,000 --> 00:50:02,000\r\ntwo\r\n"
                                "\r\n3\r\n01:00:01,000 --> 01:00:02,000\r\nthree\r\n"
                                "\r\n4\r\n01:00:08,500 --> 01:00:09,000\r\nfour"))
        << joined.constData();
    EXPECT_EQ(subtitlePath, dir.filePath("joined.srt"));
    EXPECT_FALSE(w<QPushButton>("Bvegre21")->isEnabled());
    EXPECT_TRUE(w<QPushButton>("Btorles")->isEnabled());
}

// Choices the file window refuses, and going back from either window.
TEST_F(EditorCdJoin, RefusedChoicesAndGoingBack)
{
    put("a.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n");
    put("b.sub", "{1}{2}b\r\n");

    filesScript = [this] {
        doubleClickFile(QStringLiteral("a.srt"));
        doubleClickFile(QStringLiteral("a.srt"));
        EXPECT_EQ(in<QLineEdit>(files, "Emasodikfile")->text(), QString());
        EXPECT_FALSE(in<QPushButton>(files, "Bervenyesites")->isEnabled());
        click(files, "Button1");
    };
    openChoice();
    EXPECT_EQ(recorder.lines(),
              QStringList{"Duplikáció|info|Ezt a feliratot már betöltötte az első file-hoz!|"});
    EXPECT_EQ(openMode, OpenMode::cdJoin);
    EXPECT_FALSE(w<QPushButton>("Bvegre21")->isEnabled());
    recorder.clear();

    // an .srt with a .sub: the values window is never shown
    filesScript = [this] {
        doubleClickFile(QStringLiteral("a.srt"));
        in<QComboBox>(files, "FilterComboBox1")->setCurrentIndex(1);
        doubleClickFile(QStringLiteral("b.sub"));
        click(files, "Bervenyesites");
        EXPECT_TRUE(files.isVisible());
        click(files, "Button1");
    };
    shown.clear();
    openChoice();
    EXPECT_EQ(recorder.lines(),
              QStringList{"Hiba|hiba|Csak azonos típusú file-t lehet kiválasztani!|"});
    EXPECT_EQ(shown, QStringList{"File-ok kiválasztása"});
    recorder.clear();

    // back from the values window: the file window starts over
    put("c.sub", "{1}{2}c\r\n");
    filesScript = [this] {
        in<QComboBox>(files, "FilterComboBox1")->setCurrentIndex(1);
        doubleClickFile(QStringLiteral("b.sub"));
        doubleClickFile(QStringLiteral("c.sub"));
        click(files, "Bervenyesites");
        EXPECT_EQ(in<QLineEdit>(files, "Eelsofile")->text(), QString());
        EXPECT_FALSE(in<QPushButton>(files, "Bervenyesites")->isEnabled());
        click(files, "Button1");
    };
    scripts[&values] = [this] {
        EXPECT_EQ(values.timeBase(), TimeBase::frame);
        EXPECT_EQ(in<QLineEdit>(values, "Edit2")->text(), QStringLiteral("0"));
        QTest::keyClicks(in<QLineEdit>(values, "Edit2"), QStringLiteral("1:5"));
        EXPECT_EQ(in<QLineEdit>(values, "Edit2")->text(), QStringLiteral("015"));
        click(values, "Button1");
    };
    openChoice();
    EXPECT_EQ(recorder.lines(), QStringList{});
    EXPECT_FALSE(w<QPushButton>("Bvegre21")->isEnabled());
}

// An unusable start value keeps the values window open.
// The file window opens at the folder the other file windows use.
TEST_F(EditorCdJoin, TheFileWindowOpensAtTheLastDirectory)
{
    put("film cd1.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n");
    QStringList listedFiles;
    if (!w<QRadioButton>("RB12")->isChecked())
        QTest::mouseClick(w<QRadioButton>("RB12"), Qt::LeftButton);
    if (!w<QRadioButton>("RB12cd2")->isChecked())
        QTest::mouseClick(w<QRadioButton>("RB12cd2"), Qt::LeftButton);
    scripts[&files] = [this, &listedFiles] {
        auto *list = in<QListWidget>(files, "FileListBox1");
        for (int i = 0; i < list->count(); ++i)
            listedFiles << list->item(i)->text();
        click(files, "Button1");
    };
    QTest::mouseClick(w<QPushButton>("Bfileki"), Qt::LeftButton);
    EXPECT_EQ(listedFiles, QStringList{"film cd1.srt"});
}

TEST_F(EditorCdJoin, AnInvalidStartValueIsNotAccepted)
{
    put("a.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n");
    put("b.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nb\r\n\r\n");
    bool stayedOpen = false;
    filesScript = [this] {
        doubleClickFile(QStringLiteral("a.srt"));
        doubleClickFile(QStringLiteral("b.srt"));
        click(files, "Bervenyesites");
    };
    scripts[&values] = [this, &stayedOpen] {
        auto *start = in<QLineEdit>(values, "Edit2");
        start->setText(QStringLiteral("00:99:00,000"));
        click(values, "Tallozas");
        click(values, "Bervenyesit");
        stayedOpen = values.isVisible();
        click(values, "Button1");
    };
    scripts[&fileneve] = [this] {
        QTest::keyClicks(in<QLineEdit>(fileneve, "e1"), QStringLiteral("out"));
        click(fileneve, "Bok");
    };
    openChoice();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(recorder.lines(),
              QStringList{"Hiba!|hiba|Túl nagy időt ütött be!|A perc időintervalluma: 0-59!"});
    EXPECT_FALSE(w<QPushButton>("Bvegre21")->isEnabled());
}

}  // namespace
