#include <QComboBox>
#include <QSignalSpy>
#include <QWidget>

#include "ui/DirectoryBrowser.h"
#include "ui/files/DialogTestSupport.h"

namespace {

class DirectoryBrowserTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        makeEntries(dir, {"a.srt", "films/deep/", "films/x.srt"});
        browser.setDrives({{QStringLiteral("/"), {}, {}, {}}, {dir.path(), {}, {}, {}}});
        browser.setFilter(QStringLiteral("Feliratok (*.srt)|*.srt|Minden|*"));
        window.show();
    }
    QWidget window;
    DirectoryBrowser browser{&window};
};

TEST_F(DirectoryBrowserTest, DriveListFollowsTheDirectoryAndChangesIt)
{
    browser.setDirectory(path("films"));
    EXPECT_EQ(browser.driveBox()->currentIndex(), 1);
    EXPECT_EQ(listed(browser.fileList()), QStringList{QStringLiteral("x.srt")});

    QSignalSpy changed(&browser, &DirectoryBrowser::directoryChanged);
    browser.driveBox()->setCurrentIndex(0);
    emit browser.driveBox()->activated(0);
    EXPECT_EQ(browser.directory(), QStringLiteral("/"));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toString(), QStringLiteral("/"));
}

TEST_F(DirectoryBrowserTest, DirectoryListShowsThePathAndLeadsUpAndDown)
{
    browser.setDirectory(path("films"));
    QStringList texts = listed(browser.directoryList());
    for (QString &t : texts)
        t = t.trimmed();
    EXPECT_EQ(texts.first(), QStringLiteral("/"));
    EXPECT_EQ(texts.mid(texts.size() - 2),
              (QStringList{QStringLiteral("films"), QStringLiteral("deep")}));

    // Up to the parent by a double click on its level, down with Enter.
    ASSERT_TRUE(clickEntry(browser.directoryList(), QFileInfo(dir.path()).fileName(), true));
    EXPECT_EQ(browser.directory(), dir.path());
    EXPECT_EQ(listed(browser.fileList()), QStringList{QStringLiteral("a.srt")});
    ASSERT_TRUE(clickEntry(browser.directoryList(), QStringLiteral("films")));
    QTest::keyClick(browser.directoryList(), Qt::Key_Return);
    EXPECT_EQ(browser.directory(), path("films"));

    // A directory that went away opens its nearest parent.
    browser.setDirectory(path("films/gone/away"));
    EXPECT_EQ(browser.directory(), path("films"));
}

TEST_F(DirectoryBrowserTest, FilterAndRefreshKeepTheListCurrent)
{
    browser.setDirectory(dir.path());
    EXPECT_EQ(browser.filterBox()->count(), 2);
    EXPECT_EQ(browser.mask(), QStringLiteral("*.srt"));
    makeEntries(dir, {"b.srt", "c.txt"});
    ASSERT_TRUE(clickEntry(browser.fileList(), QStringLiteral("a.srt")));
    browser.refresh();
    EXPECT_EQ(listed(browser.fileList()), (QStringList{QStringLiteral("a.srt"), QStringLiteral("b.srt")}));
    browser.refresh();
    ASSERT_NE(browser.fileList()->currentItem(), nullptr);
    EXPECT_EQ(browser.fileList()->currentItem()->text(), QStringLiteral("a.srt"));

    browser.filterBox()->setCurrentIndex(1);
    EXPECT_EQ(listed(browser.fileList()),
              (QStringList{QStringLiteral("a.srt"), QStringLiteral("b.srt"), QStringLiteral("c.txt")}));
}

TEST(JoinPath, UsesOneSlash)
{
    EXPECT_EQ(joinPath(QStringLiteral("/"), QStringLiteral("a.srt")), QStringLiteral("/a.srt"));
    EXPECT_EQ(joinPath(QStringLiteral("/home"), QStringLiteral("a.srt")), QStringLiteral("/home/a.srt"));
}

}  // namespace
