#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/ModeGlobals.h"
#include "app/TFoForm.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EnableSets.h"
#include "editor/RowStats.h"
#include "editor/RowText.h"
#include "editor/TFelirat.h"
#include "files/FileGlobals.h"
#include "files/SubtitleReader.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "files/TKereses.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "tools/timing/TAtfedes.h"
#include "app/Windows.h"
#include "editor/TTorlesTobb.h"
#include "editor/SecondSubtitle.h"
#include "files/convert/TMentesMaskent.h"
#include "tools/cd/TCd2cd1.h"
#include "tools/cd/TErtek2cd.h"
#include "tools/search/TKeresesCsere.h"
#include "tools/search/TReszletesK.h"
#include "tools/timing/TAviKi.h"
#include "tools/timing/TFpsValtas.h"
#include "tools/timing/TReszletes.h"
#include "translate/TFordElott.h"
#include "translate/TForditas.h"
#include "film/FilmPreview.h"
#include "film/FilmPlayer.h"
#ifdef KELVO_HAS_VIDEO
#include "video/QtFilmPlayer.h"
#include "support/TestFiles.h"
#endif

// Not a check: renders every window with a realistic scene for the README.
// Run under Xvfb with --gtest_also_run_disabled_tests and KELVO_SHOT_DIR set.
class WindowShots : public GlobalsFixture {
protected:
    QString dir = qEnvironmentVariable("KELVO_SHOT_DIR", QStringLiteral("/tmp"));

    void shoot(QWidget *w, const QString &name)
    {
        w->show();
        for (int k = 0; k < 20; ++k) {
            QApplication::processEvents();
            QTest::qWait(20);
        }
        w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
    }
};

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

// The scene as a read leaves it: texts stored through the editor's routine,
// so the rows carry their flags and the counts are up to date.
void fillScene(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    cds.create();
    model.overThresholdCount = 0;
    model.threeLineCount = 0;
    int i = 0;
    for (const char *t : lines) {
        cds.append();
        cds.setField(Field::Kezdes, secondsToTimeCode(61 + i * 3.25));
        cds.setField(Field::Befejezes, secondsToTimeCode(61 + i * 3.25 + (i == 9 ? 0.4 : 2.5)));
        writeRowText(model, QString::fromUtf8(t), false, false, true);
        ++i;
    }
    model.announceCounts();
}

// The editor laid out for the screen and showing the scene as after a read.
void showSceneIn(TFelirat &editor, QSize screen)
{
    EditorModel &model = editor.model();
    editor.setScreenSize(screen);
    editor.applyLayout();
    model.setTimeBase(QStringLiteral("Time"));
    fillScene(model);
    model.fileNameField = QStringLiteral("Az ejszaka.srt");
    applyAfterReadSet(model);
    displayLock = false;
}

}  // namespace

TEST_F(WindowShots, DISABLED_EveryWindow)
{
    MessageRecorder recorder;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    for (Edition e : {Edition::Full, Edition::VN}) {
        edition = e;
        TFoForm start(screen);
        shoot(&start, e == Edition::Full ? QStringLiteral("start-window")
                                         : QStringLiteral("start-window-vn"));
        start.hide();
    }
    edition = Edition::Full;

    TFelirat editor;
    windows().felirat = &editor;
    EditorModel &model = editor.model();
    for (const char *setting : {"1024x768", "800x600"}) {
        layoutSetting = QLatin1String(setting);
        showSceneIn(editor, screen);
        model.cds.setRecNo(6);
        editor.show();
        editor.showCurrentRow();
        editor.controlAs<QCheckBox>(Ctl::Cbtobb)->setChecked(true);
        shoot(&editor, QStringLiteral("editor-%1").arg(QLatin1String(setting)));
        editor.hide();
    }

    QTemporaryDir files;
    for (const char *name : {"Az ejszaka.srt", "Az ejszaka cd1.srt", "Az ejszaka cd2.srt",
                             "Hajnal.sub", "Napfeny.srt"}) {
        QFile f(files.filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
    }
    QDir(files.path()).mkdir(QStringLiteral("Sorozat"));
    lastDirectory = files.path() + u'/';

    TKereses open;
    open.setEditorModel(&model);
    open.openForEditor(false, false);
    shoot(&open, QStringLiteral("open-dialog"));
    open.hide();

    TFileneve name;
    name.setEditorModel(&model);
    fileNameMode = QStringLiteral("Felirat");
    name.setTypeField(QStringLiteral("Time"));
    shoot(&name, QStringLiteral("file-name-dialog"));
    name.findChild<QLineEdit *>(QStringLiteral("e1"))->setText(QStringLiteral("Az ejszaka javitott"));
    shoot(&name, QStringLiteral("file-name-dialog"));
    name.hide();

    THibaki report;
    EditorModel faulty;
    faulty.cds.create();
    textTarget = QStringLiteral("1");
    subtitlePath = QStringLiteral(KELVO_TEST_DATA "/srt/time_discrepancy.srt");
    readSubtitleFile(faulty, false);
    const CorrectionLog &log = faulty.log;
    report.setLog(log);
    shoot(&report, QStringLiteral("report-window"));
    report.hide();

    TAtfedes overlap;
    overlap.setEditorModel(&model);
    shoot(&overlap, QStringLiteral("overlap-window"));
    overlap.hide();

    TMentesMaskent convert(&model);
    shoot(&convert, QStringLiteral("convert-window"));
    convert.hide();
    TReszletes shift(model);
    shoot(&shift, QStringLiteral("detailed-shift-window"));
    shift.hide();
    TTorlesTobb rangeDelete(model);
    shoot(&rangeDelete, QStringLiteral("range-delete-window"));
    rangeDelete.hide();
    TFpsValtas fps(&model);
    shoot(&fps, QStringLiteral("fps-window"));
    fps.hide();
    TAviKi avi;
    shoot(&avi, QStringLiteral("avi-window"));
    avi.hide();
    TReszletesK search(&model);
    shoot(&search, QStringLiteral("detailed-search-window"));
    search.hide();
    TKeresesCsere replace(&model);
    shoot(&replace, QStringLiteral("replace-window"));
    replace.hide();
    TErtek2cd cdValues;
    TCd2cd1 cdFiles(&cdValues);
    shoot(&cdFiles, QStringLiteral("cd-join-files-window"));
    cdFiles.hide();
    shoot(&cdValues, QStringLiteral("cd-join-start-window"));
    cdValues.hide();

    // the editor with a second subtitle beside the first
    layoutSetting = QStringLiteral("1024x768");
    editor.applyLayout();
    fillScene(model);
    applyAfterReadSet(model);
    const char *second[] = {"Where were you all night?", "I just went for a walk.|I couldn't sleep.",
                            "<i>The city never sleeps.</i>", "That's no answer.", "I know.",
                            "Then tell me what happened!|Please.", "Not now.",
                            "- When?|- Tomorrow, I promise."};
    for (int i = 0; i < int(std::size(second)); ++i) {
        model.cds.setRecNo(i + 1);
        writeRowText2(model, QString::fromUtf8(second[i]), true, false, true);
    }
    model.cds.setSecondRowCount(int(std::size(second)));
    startEmptySecondSubtitle(model);
    model.cds.setRecNo(6);
    editor.show();
    editor.showCurrentRow();
    shoot(&editor, QStringLiteral("editor-two-subtitles"));
    editor.hide();
    windows() = Windows{};
}

TEST_F(WindowShots, DISABLED_TranslationWindows)
{
    MessageRecorder recorder;
    const char *english[] = {
        "Where were you all night?", "I just went for a walk.", "I couldn't sleep.",
        "The city never sleeps.",    "That's not an answer.",   "I know.",
        "Then tell me what happened!", "Please.",               "Not now.",
        "When?",                     "Tomorrow, I promise.",    "All right.",
    };
    QByteArray source;
    QByteArray target;
    for (int i = 0; i < 12; ++i) {
        const QByteArray times = secondsToTimeCode(61 + i * 3.25).toLatin1() + " --> "
                                 + secondsToTimeCode(63.5 + i * 3.25).toLatin1();
        const QByteArray number = QByteArray::number(i + 1);
        source += number + "\r\n" + times + "\r\n" + english[i] + "\r\n\r\n";
        const QString hu = QString::fromUtf8(lines[i]).section(u'|', 0, 0);
        target += number + "\r\n" + times + "\r\n" + hu.toUtf8() + "\r\n\r\n";
    }
    QTemporaryDir files;
    const QString sourcePath = files.filePath(QStringLiteral("The night.srt"));
    const QString targetPath = files.filePath(QStringLiteral("Az ejszaka.srt"));
    for (const auto &[path, bytes] : {std::pair{sourcePath, source}, std::pair{targetPath, target}}) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    EditorModel model;
    for (const char *setting : {"1024x768", "800x600"}) {
        layoutSetting = QLatin1String(setting);
        TForditas workspace(&model, QSize(1280, 1024));
        workspace.reset();
        workspace.FormActivate();
        workspace.readSide(TForditas::Source, sourcePath, true);
        workspace.readSide(TForditas::Translation, targetPath);
        workspace.findChild<QCheckBox *>(QStringLiteral("cb1"))->setChecked(true);
        workspace.moveTo(TForditas::Source, 7);
        shoot(&workspace, QStringLiteral("translation-%1").arg(QLatin1String(setting)));
        workspace.hide();
    }
    TFordElott setup;
    setup.findChild<QLineEdit *>(QStringLiteral("Eef"))->setText(sourcePath);
    setup.findChild<QLineEdit *>(QStringLiteral("Eff"))->setText(targetPath);
    shoot(&setup, QStringLiteral("translation-setup"));
    setup.hide();
}
#ifdef KELVO_HAS_VIDEO
// The editor with a film (made by FFmpeg) and the row under it, in both
// display sizes. Needs ffmpeg; run like the test above.
TEST_F(WindowShots, DISABLED_EditorWithFilm)
{
    MessageRecorder recorder;
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("Az ejszaka.avi"));
    const MadeFilm made =
        makeFilm(path, QStringLiteral("testsrc=duration=80:size=640x360:rate=25"), 6);
    if (!made.found)
        GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_TRUE(made.made) << made.error;

    installQtFilmPlayer();
    edition = Edition::Full;
    layoutSetting = QStringLiteral("1024x768");
    TFelirat editor;
    EditorModel &model = editor.model();
    showSceneIn(editor, QGuiApplication::primaryScreen()->size());
    model.cds.first();
    editor.show();
    editor.showCurrentRow();
    auto *film = editor.findChild<FilmPreview *>(QStringLiteral("FilmPreview"));
    ASSERT_TRUE(film && film->player());
    film->showPlayer();
    ASSERT_TRUE(film->openFilm(path, nullptr));
    FilmPlayer *player = film->player();
    QTRY_VERIFY_WITH_TIMEOUT(player->durationMs() > 0, 20000);
    // inside the row "<i>A város sosem alszik.</i>" (67,5 s to 70 s)
    player->setPosition(68.0);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 68.2, 20000);
    film->pause();
    QTest::qWait(300);
    for (int k = 0; k < 3; ++k)
        film->tick();
    film->setDisplay(true);
    shoot(&editor, QStringLiteral("editor-film-normal"));
    film->chooseSize(FilmPreview::Size::Large);
    QTest::qWait(300);
    film->setDisplay(true);
    shoot(&editor, QStringLiteral("editor-film-large"));
    layoutSetting = QStringLiteral("800x600");
    editor.applyLayout();
    QTest::qWait(300);
    film->setDisplay(true);
    shoot(&editor, QStringLiteral("editor-film-800x600"));
    film->closeFilm();
    editor.hide();
    installFilmPlayerFactory(nullptr);
}
#endif
