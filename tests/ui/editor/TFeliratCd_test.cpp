#include <QTemporaryDir>

#include "support/TestFiles.h"
#include "ui/editor/EditorFixture.h"

namespace {

class EditorCdSplit : public EditorFixture {
protected:
    void enterCd()
    {
        QTest::mouseClick(w<QRadioButton>("RB12"), Qt::LeftButton);
        QApplication::processEvents();
    }
    QTemporaryDir dir;
};

TEST_F(EditorCdSplit, ChoosingALineAndRunningTheSplit)
{
    fillRows(5);
    subtitlePath = dir.filePath(QStringLiteral("film.srt"));
    subtitleFileName = QStringLiteral("film.srt");
    enterCd();
    EXPECT_TRUE(w<QRadioButton>("RB12cd1")->isChecked());
    EXPECT_FALSE(w<QPushButton>("Bvegrehajt")->isEnabled());
    EXPECT_FALSE(w<QLineEdit>("E4kezdouj")->isEnabled());
    EXPECT_EQ(w<QLineEdit>("E4kezdo")->text(), QString());

    model().cds.setRecNo(3);
    QApplication::processEvents();
    EXPECT_EQ(w<QLineEdit>("E4kezdo")->text(), QStringLiteral("00:00:07,000"));
    EXPECT_EQ(w<QLineEdit>("E4kezdouj")->text(), QStringLiteral("00:00:00,000"));
    EXPECT_TRUE(w<QPushButton>("Bvegrehajt")->isEnabled());

    QLineEdit *typed = w<QLineEdit>("E4kezdouj");
    focus(typed);
    typed->clear();
    QTest::keyClick(typed, Qt::Key_X);  // the time filter refuses letters
    QTest::keyClick(typed, Qt::Key_0);
    EXPECT_EQ(typed->text(), QStringLiteral("0"));
    // Backspace erases a ":" or "," as any other character
    for (const char *before : {"00:", "00:00:01,"}) {
        typed->setText(QString::fromLatin1(before));
        QTest::keyClick(typed, Qt::Key_Backspace);
        EXPECT_EQ(typed->text(), QString::fromLatin1(before).chopped(1));
    }
    typed->setText(QStringLiteral("00:00:01,000"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w<QPushButton>("Bvegrehajt"));
    QTest::mouseClick(w<QPushButton>("Bvegrehajt"), Qt::LeftButton);

    EXPECT_EQ(recorder.lines(),
              QStringList{"Sikeres szétválasztás!|info|Sikeresen megtörtént a szétválasztás! A 2 "
                          "file neve:|film cd1.srt, film cd2.srt"});
    EXPECT_TRUE(fileBytes(dir.filePath(QStringLiteral("film cd2.srt")))
                    .startsWith("1\r\n00:00:01,000 --> 00:00:03,000\r\n"));
    EXPECT_FALSE(w<QPushButton>("Bvegrehajt")->isEnabled());
    EXPECT_FALSE(displayLock);
}

TEST_F(EditorCdSplit, LineWithoutTimesIsRefusedAndAnEmptyTableOffersTheJoin)
{
    fillRows(3);
    model().cds.setRecNo(2);
    model().cds.edit();
    model().cds.setField(Field::Befejezes, QString());
    model().cds.post();
    model().cds.first();
    enterCd();
    model().cds.setRecNo(2);
    QApplication::processEvents();
    EXPECT_EQ(recorder.lines(),
              QStringList{"Információ|info|Ezt a sort nem választhatja ki, mert nincs a sorban "
                          "adat!|"});
    EXPECT_FALSE(w<QPushButton>("Bvegrehajt")->isEnabled());

    QTest::mouseClick(w<QRadioButton>("RB1"), Qt::LeftButton);
    model().cds.empty();
    enterCd();
    EXPECT_FALSE(w<QRadioButton>("RB12cd1")->isEnabled());
    EXPECT_TRUE(w<QRadioButton>("RB12cd2")->isChecked());
}

}  // namespace
