#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "app/TFoForm.h"
#include "app/TInfo.h"
#include "app/TKiszoveg.h"
#include "app/TLeiras.h"
#include "app/TUjFelirat.h"
#include "app/TVerzioinfo.h"
#include "editor/TFelirat.h"
#include "support/GlobalsFixture.h"
#include "app/Startup.h"
#include "app/Windows.h"

namespace {

class Startup : public GlobalsFixture {};

TEST_F(Startup, CreatesTheWindowsHiddenAndRunsUntilTheStartWindowCloses)
{
    Windows seen;
    bool othersHidden = false, startShown = false, boxInstalled = false;
    QString mode;
    QTimer::singleShot(0, [&] {
        seen = windows();
        startShown = seen.foForm && seen.foForm->isVisible();
        othersHidden = true;
        for (QWidget *w : std::initializer_list<QWidget *>{seen.kiszoveg, seen.info, seen.ujFelirat,
                                                           seen.leiras, seen.felirat,
                                                           seen.verzioinfo})
            othersHidden = othersHidden && w && !w->isVisible();
        mode = appMode;
        // the box is the presenter: a message reaches it (and is closed at once)
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<TKiszoveg *>(QApplication::activeModalWidget())) {
                boxInstalled = box == seen.kiszoveg;
                box->reject();
            }
        });
        showMessageBox(QStringLiteral("K"), QStringLiteral("info"), QStringLiteral("x"), false,
                       false, true);
        seen.foForm->BitBtn1Click();
    });
    EXPECT_EQ(runApplication(*qApp), 0);
    ASSERT_NE(seen.foForm, nullptr);
    EXPECT_NE(seen.kiszoveg, nullptr);
    EXPECT_NE(seen.info, nullptr);
    EXPECT_NE(seen.ujFelirat, nullptr);
    EXPECT_NE(seen.leiras, nullptr);
    EXPECT_NE(seen.felirat, nullptr);
    EXPECT_NE(seen.verzioinfo, nullptr);
    EXPECT_TRUE(startShown);
    EXPECT_TRUE(othersHidden);
    EXPECT_TRUE(boxInstalled);
    EXPECT_EQ(mode, QStringLiteral("be"));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(layoutSetting, classifyScreen(screen.width(), screen.height()));
    // afterwards nothing points at the destroyed windows
    EXPECT_EQ(windows().foForm, nullptr);
    EXPECT_EQ(windows().kiszoveg, nullptr);
    QApplication::setQuitOnLastWindowClosed(true);
}

}  // namespace
