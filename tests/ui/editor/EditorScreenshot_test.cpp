#include <QDir>
#include <QScreen>

#include "EditorFixture.h"
#include "editor/RowNavigation.h"

// Not a check: renders both layouts with a realistic table for a look under
// Xvfb. Run with --gtest_also_run_disabled_tests and KELVO_SHOT_DIR set.
class EditorScreenshot : public EditorFixture {};

namespace {

const char *lines[] = {
    "Hol voltál egész éjjel?",        "Csak sétáltam egyet.|Nem tudtam aludni.",
    "<i>A város sosem alszik.</i>",   "Ez nem válasz.",
    "Tudom.",                          "Akkor mondd el, mi történt!|Kérlek.",
    "Nem most.",                       "- Mikor?|- Holnap, ígérem.",
    "Rendben.",                        "Hozok valamit inni.",
    "Kérsz teát?",                     "Igen, köszönöm.",
    "Ez a leghosszabb sor, amit valaha ebbe a feliratba írtam.",
    "Figyelj...",                      "Valaki követett hazáig.|Láttam az autót.|Fekete volt.",
    "Biztos vagy benne?",              "Teljesen.",
    "Hívjuk a rendőrséget.",           "Nem lehet.",
    "Miért nem?",                      "Mert ők küldték.",
    "(ajtócsapódás)",                  "Maradj csendben!",
    "Ki az?",
};

}  // namespace

TEST_F(EditorScreenshot, DISABLED_BothLayouts)
{
    const QString dir = qEnvironmentVariable("KELVO_SHOT_DIR", QStringLiteral("/tmp"));
    for (const char *setting : {"1024x768", "800x600"}) {
        layoutSetting = QLatin1String(setting);
        editor->setScreenSize(QGuiApplication::primaryScreen()->size());
        editor->applyLayout();
        SubtitleTable &cds = model().cds;
        cds.create();
        int i = 0;
        for (const char *t : lines) {
            cds.append();
            cds.setField(Field::Kezdes, secondsToTimeCode(61 + i * 3.25));
            cds.setField(Field::Befejezes, secondsToTimeCode(61 + i * 3.25 + (i == 9 ? 0.4 : 2.5)));
            cds.setField(Field::Szoveg, QString::fromUtf8(t));
            cds.post();
            ++i;
        }
        model().fileNameField = QStringLiteral("C:\\Filmek\\Az ejszaka.srt");
        editor->controlAs<QLineEdit>(QStringLiteral("Efilenev"))->setText(model().fileNameField);
        applyAfterReadSet(model());
        displayLock = false;
        cds.setRecNo(6);
        editor->show();
        editor->showCurrentRow();
        editor->controlAs<QCheckBox>(QStringLiteral("Cbtobb"))->setChecked(true);
        for (int k = 0; k < 20; ++k) {
            QApplication::processEvents();
            QTest::qWait(20);
        }
        const QString file = dir + QStringLiteral("/editor-%1.png").arg(QLatin1String(setting));
        editor->grab().save(file);
        QScreen *screen = QGuiApplication::primaryScreen();
        screen->grabWindow(0).save(dir + QStringLiteral("/screen-%1.png").arg(QLatin1String(setting)));
        editor->hide();
    }
}

