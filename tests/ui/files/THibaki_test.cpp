#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include "files/THibaki.h"
#include "tools/text/CorrectionLog.h"
#include "ui/files/DialogTestSupport.h"

namespace {

class THibakiTest : public GlobalsFixture {
protected:
    QLabel *label(const char *name) { return report.findChild<QLabel *>(QString::fromLatin1(name)); }
    QStringList shownLines() { return report.lines()->stringList(); }
    THibaki report;
};

TEST_F(THibakiTest, ShowsTheLogUnderItsCaptionAndHeadings)
{
    CorrectionLog log;
    log.caption = QStringLiteral("Hibák észelelése");
    log.add(QString());
    log.add(QStringLiteral("Hiba oka: időeltérés"));
    struct Seen {
        QString title;
        bool headings = false;
        QStringList lines;
        int rows = 0;
    } seen;
    ModalScript script([&](QDialog *) {
        seen.title = report.windowTitle();
        seen.headings = !label("Label1")->isHidden() && !label("Label2")->isHidden();
        seen.lines = shownLines();
        seen.rows = report.list()->model()->rowCount();
        report.findChild<QPushButton *>(QStringLiteral("Bezar"))->click();
    });
    report.showLog(log);
    EXPECT_EQ(script.shown, 1);
    EXPECT_FALSE(script.leftOpen);
    EXPECT_EQ(seen.title, QStringLiteral("Hibák észelelése"));
    EXPECT_TRUE(seen.headings);
    EXPECT_EQ(seen.lines, log.lines());
    EXPECT_EQ(seen.rows, 2);
    EXPECT_EQ(label("Label1")->text(),
              QStringLiteral("A következő hibákat észlelte a program a file beolvasásakor:"));
    EXPECT_EQ(label("Label2")->text(),
              QStringLiteral("(Ez az ablak csak akkor jelenik meg, ha a file teljesen be lett olvasva)"));
    EXPECT_EQ(report.size(), QSize(595, 653));
    EXPECT_FALSE(report.windowFlags() & Qt::WindowCloseButtonHint);

    // A later log replaces the lines, the caption and the headings.
    log.clear();
    log.caption = QStringLiteral("A módosítás végeredménye");
    log.headingsVisible = false;
    log.add(QStringLiteral("Melyik sorban volt: 1"));
    report.setLog(log);
    EXPECT_EQ(report.windowTitle(), QStringLiteral("A módosítás végeredménye"));
    EXPECT_TRUE(label("Label1")->isHidden());
    EXPECT_TRUE(label("Label2")->isHidden());
    EXPECT_EQ(shownLines(), QStringList{QStringLiteral("Melyik sorban volt: 1")});
}

TEST_F(THibakiTest, LongLogIsShownWhole)
{
    CorrectionLog log;
    for (int i = 0; i < 100000; ++i)
        log.add(QStringLiteral("Melyik sorban volt: ") + QString::number(i + 1));
    ModalScript script([&](QDialog *) {
        QListView *list = report.list();
        list->scrollToBottom();
        EXPECT_EQ(list->model()->rowCount(), 100000);
        EXPECT_EQ(list->model()->index(99999, 0).data().toString(),
                  QStringLiteral("Melyik sorban volt: 100000"));
    });
    report.showLog(log);
}

}  // namespace
