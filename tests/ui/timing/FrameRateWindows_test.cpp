// The frame-rate controls of the editor offscreen: beosztas, "Átváltás"
// with the conversion window and "FPS érték AVI-ból" with the AVI window.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "tools/timing/FpsConversion.h"
#include "tools/timing/TAviKi.h"
#include "tools/timing/TFpsValtas.h"
#include "ui/DirectoryBrowser.h"
#include "ui/editor/EditorFixture.h"
#include "ui/files/DialogTestSupport.h"
#include "support/AviBytes.h"

namespace {

QByteArray tinyAvi(quint32 scale, quint32 rate)
{
    return avibytes::aviHeaders(scale, rate);
}

class FrameRateWindows : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        filmFrameRate.clear();
        fillRows(3);
        loadedTimeBase = QStringLiteral("Time");
    }
    void TearDown() override
    {
        filmFrameRate.clear();
        EditorFixture::TearDown();
    }
    // Chooses an item of a list the way the keyboard does.
    static void choose(QComboBox *box, const QString &text)
    {
        box->setFocus();
        const int target = box->findText(text);
        ASSERT_GE(target, 0) << text.toStdString();
        while (box->currentIndex() != target)
            QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    QString writeAvi(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QStringList fpsItems()
    {
        QStringList out;
        for (int i = 0; i < w<QComboBox>("cbFps")->count(); ++i)
            out.append(w<QComboBox>("cbFps")->itemText(i));
        return out;
    }
    void clickButton(const char *name) { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    QTemporaryDir dir;
};

TEST_F(FrameRateWindows, BeosztasSwitchesTheTableAndTheFields)
{
    w<QComboBox>("cbFps")->setCurrentText(QStringLiteral("25"));
    choose(w<QComboBox>("beosztas"), QStringLiteral("Frame"));
    EXPECT_EQ(model().cds.rowAt(0).kezdes, "25");
    EXPECT_EQ(model().cds.rowAt(0).befejezes, "75");
    EXPECT_EQ(w<QLineEdit>("kezdes")->maxLength(), 6);
    EXPECT_EQ(w<QLineEdit>("Emodositas")->text(), "0");
    EXPECT_TRUE(w<QLineEdit>("kezdes")->text().isEmpty());
    EXPECT_FALSE(w<QWidget>("CB3sor")->isEnabled());
    EXPECT_TRUE(w<QWidget>("Bmentes")->isEnabled());

    choose(w<QComboBox>("beosztas"), QStringLiteral("Time"));
    EXPECT_EQ(model().cds.rowAt(0).kezdes, "00:00:01,000");
    EXPECT_EQ(w<QLineEdit>("kezdes")->maxLength(), 12);
    EXPECT_EQ(w<QLineEdit>("Emodositas")->text(), "00:00:00,000");
    EXPECT_TRUE(w<QWidget>("CB3sor")->isEnabled());
}

TEST_F(FrameRateWindows, ConversionWindowOffersTheOtherRatesAndConverts)
{
    QStringList targets;
    bool emptyOnShow = false;
    ModalScript script([&](QDialog *d) {
        auto *cb1 = d->findChild<QComboBox *>(QStringLiteral("cb1"));
        auto *cb2 = d->findChild<QComboBox *>(QStringLiteral("cb2"));
        emptyOnShow = cb1->currentText().isEmpty() && cb2->count() == 0;
        choose(cb1, QStringLiteral("25"));
        for (int i = 0; i < cb2->count(); ++i)
            targets.append(cb2->itemText(i));
        choose(cb2, QStringLiteral("23,976"));
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("Vegrehajt")), Qt::LeftButton);
    });
    clickButton("Batvaltas");
    EXPECT_EQ(script.shown, 1);
    EXPECT_FALSE(script.leftOpen);
    EXPECT_TRUE(emptyOnShow);
    EXPECT_EQ(targets, (QStringList{"15", "20", "23,976", "24", "29,976", "30"}));
    // 00:00:10,000 at 25 is 00:00:09,590 at 23,976; row 1 starts at one second
    EXPECT_EQ(model().cds.rowAt(0).kezdes, "00:00:00,959");
    EXPECT_EQ(recorder.lines(), QStringList{"FPS módosítás|info|Az átváltás megtörtént!|"});

    // a second showing forgets the choice; "Végrehajt" without one changes
    // nothing and says why
    recorder.clear();
    const QString before = model().cds.rowAt(0).kezdes;
    ModalScript again([&](QDialog *d) {
        emptyOnShow = d->findChild<QComboBox *>(QStringLiteral("cb1"))->currentText().isEmpty();
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("Vegrehajt")), Qt::LeftButton);
    });
    clickButton("Batvaltas");
    EXPECT_TRUE(emptyOnShow);
    EXPECT_TRUE(again.leftOpen);
    EXPECT_EQ(model().cds.rowAt(0).kezdes, before);
    EXPECT_EQ(recorder.lines(),
              QStringList{"FPS módosítás|info|Kérem, válassza ki mindkét FPS értéket!|"});
}

// The window's own gauge follows the conversion to its end.
TEST_F(FrameRateWindows, ConversionWindowGaugeMoves)
{
    fillRows(250);
    QList<int> values;
    ModalScript script([&](QDialog *d) {
        auto *gauge = d->findChild<QProgressBar *>(QStringLiteral("FPSszazalek"));
        QObject::connect(gauge, &QProgressBar::valueChanged, [&values](int v) { values << v; });
        choose(d->findChild<QComboBox *>(QStringLiteral("cb1")), QStringLiteral("25"));
        choose(d->findChild<QComboBox *>(QStringLiteral("cb2")), QStringLiteral("24"));
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("Vegrehajt")), Qt::LeftButton);
    });
    clickButton("Batvaltas");
    ASSERT_FALSE(values.isEmpty());
    EXPECT_EQ(values.last(), 100);
    EXPECT_GE(values.size(), 50);
    EXPECT_EQ(recorder.lines(), QStringList{"FPS módosítás|info|Az átváltás megtörtént!|"});
}

TEST_F(FrameRateWindows, AviWindowPutsANewRateIntoTheFpsBoxOnce)
{
    writeAvi(QStringLiteral("ntsc.avi"), tinyAvi(1001, 30000));
    writeAvi(QStringLiteral("notes.txt"), "x");
    lastDirectory = dir.path();
    QString caption;
    QStringList files;
    bool extractVisible = false;
    bool filmVisible = true;
    ModalScript script([&](QDialog *d) {
        auto *avi = static_cast<TAviKi *>(d);
        caption = d->windowTitle();
        files = avi->browser()->fileNames();
        auto *extract = d->findChild<QPushButton *>(QStringLiteral("Bmegnyitas"));
        extractVisible = extract->isVisible();
        filmVisible = d->findChild<QPushButton *>(QStringLiteral("BopenFilm"))->isVisible();
        EXPECT_FALSE(extract->isEnabled());
        ASSERT_TRUE(clickEntry(avi->browser()->fileList(), QStringLiteral("ntsc.avi")));
        EXPECT_EQ(d->findChild<QLineEdit *>(QStringLiteral("Efile"))->text(), "ntsc.avi");
        QTest::mouseClick(extract, Qt::LeftButton);
    });
    clickButton("BFPS");
    EXPECT_EQ(caption, "Fps érték kinyerése Avi file-ból");
    EXPECT_EQ(files, QStringList{"ntsc.avi"});
    EXPECT_TRUE(extractVisible);
    EXPECT_FALSE(filmVisible);
    EXPECT_FALSE(script.leftOpen);
    EXPECT_EQ(w<QComboBox>("cbFps")->currentText(), "29,97");
    EXPECT_EQ(model().fps(), "29,97");
    EXPECT_EQ(filmFrameRate, "29,97");
    clickButton("BFPS");
    EXPECT_EQ(fpsItems(), (QStringList{"15", "20", "23,976", "24", "25", "29,976", "30", "29,97"}));
    EXPECT_TRUE(recorder.lines().isEmpty());
}

TEST_F(FrameRateWindows, AviWindowStaysOpenWhenTheFileGivesNoRate)
{
    writeAvi(QStringLiteral("slow.avi"), tinyAvi(1, 5));
    lastDirectory = dir.path();
    ModalScript script([&](QDialog *d) {
        auto *avi = static_cast<TAviKi *>(d);
        ASSERT_TRUE(clickEntry(avi->browser()->fileList(), QStringLiteral("slow.avi"), true));
        EXPECT_TRUE(d->findChild<QPushButton *>(QStringLiteral("Bmegnyitas"))->isEnabled());
    });
    clickButton("BFPS");
    EXPECT_TRUE(script.leftOpen);
    EXPECT_EQ(recorder.lines(),
              QStringList{"Sikertlen kísérlet!|hiba|Ehhez a file-hoz nem tudok FPS-t rendelni!|"});
    EXPECT_EQ(w<QComboBox>("cbFps")->currentText(), "23,976");
    EXPECT_EQ(fpsItems().size(), 7);
}

}  // namespace
