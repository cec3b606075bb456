#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QWidget>

#include "app/ModeGlobals.h"
#include "editor/TFelirat.h"
#include "support/GlobalsFixture.h"

class GeometryDump : public GlobalsFixture {};

TEST_F(GeometryDump, DISABLED_Editor)
{
    QFile out(qEnvironmentVariable("KELVO_GEO", "/tmp/geo.txt"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    QTextStream s(&out);
    for (const char *setting : {"1024x768", "800x600"}) {
        for (QSize screen : {QSize(1280, 1024), QSize(1280, 800), QSize(1920, 1080)}) {
            for (bool two : {false, true}) {
                layoutSetting = QLatin1String(setting);
                TFelirat e;
                e.setScreenSize(screen);
                e.applyLayout();
                e.model().setVisible("Mov", two);
                e.model().setVisible("movm", two);
                if (two)
                    e.showTwoSubtitleLayout();
                else
                    e.showSingleSubtitleLayout();
                e.show();
                QApplication::processEvents();
                s << "== " << setting << " " << screen.width() << "x" << screen.height() << " two=" << two
                  << " size=" << e.width() << "x" << e.height() << "\n";
                QList<QWidget *> all = e.findChildren<QWidget *>();
                std::sort(all.begin(), all.end(), [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
                for (QWidget *w : all) {
                    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                        continue;
                    const QRect g = w->geometry();
                    s << w->objectName() << " " << (w->parentWidget() ? w->parentWidget()->objectName() : "") << " "
                      << g.x() << "," << g.y() << "," << g.width() << "," << g.height() << " "
                      << (w->isVisibleTo(&e) ? "v" : "h") << (w->isEnabled() ? "e" : "d") << "\n";
                }
            }
        }
    }
}
