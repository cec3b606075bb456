#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ui/editor/EditorFixture.h"
#include "files/SubtitleFormat.h"
#include "files/convert/TMentesMaskent.h"
#include "support/TestFiles.h"

namespace {

class TMentesMaskentTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        window = std::make_unique<TMentesMaskent>(&model());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        EditorFixture::TearDown();
    }
    void doubleClick(const QString &name)
    {
        QListWidget *list = window->list();
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->scrollToItem(found.first());
        const QPoint at = list->visualItemRect(found.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<TMentesMaskent> window;
    MessageRecorder messages;
};

TEST_F(TMentesMaskentTest, ShowsTheFormatsAndClosesWithEscOrBack)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mentés másként"));
    EXPECT_EQ(window->size(), QSize(554, 278));
    QListWidget *list = window->list();
    ASSERT_EQ(list->count(), 56);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Adobe Encore DVD"));
    EXPECT_EQ(list->item(55)->text(), QStringLiteral("ZeroG"));
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("Label1"))->text()
                == QStringLiteral("Dupla kattintás a kiválasztandó formátumra:"));

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    window->show();
    auto *back = window->findChild<QPushButton *>(QStringLiteral("Button1"));
    EXPECT_EQ(back->text(), QStringLiteral("<<< Vissza"));
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TMentesMaskentTest, FormatWithoutWriterOnlyTells)
{
    fillRows(2);
    doubleClick(QStringLiteral("MicroDVD"));
    EXPECT_EQ(messages.lines(),
              QStringList("Hiányosság|info|Ez az opció még nincs leprogramozva!|"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TMentesMaskentTest, DoubleClickWritesTheFormatAndCloses)
{
    fillRows(2);
    QTemporaryDir dir;
    subtitlePath = dir.filePath(QStringLiteral("out.mpl"));
    subtitleFileName = QStringLiteral("out.mpl");
    doubleClick(QStringLiteral("MPlayer2"));
    EXPECT_EQ(fileBytes(subtitlePath),
              QByteArray("[10][30]Sor 1|második sor\r\n[40][60]Sor 2|második sor\r\n")
                  .replace("á", "\xE1"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TMentesMaskentTest, SubRipIsSavedWithTheSavedMessage)
{
    fillRows(2);
    QTemporaryDir dir;
    subtitlePath = dir.filePath(QStringLiteral("out.srt"));
    subtitleFileName = QStringLiteral("out.srt");
    doubleClick(QStringLiteral("SubRip"));
    EXPECT_TRUE(fileBytes(subtitlePath).startsWith("1\r\n00:00:01,000 --> "));
    EXPECT_EQ(messages.lines(), QStringList("Mentés|info|A file-t elmentettem!|"));
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
