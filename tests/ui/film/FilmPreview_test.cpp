// The film in the editor window: loading, the buttons, the lines under the
// picture, the display sizes and the times taken from the film. A scripted
// player stands in for the real one, except in the test that plays a file.
#include <QAction>
#include <QPushButton>

#include "document/Decimal.h"
#include "editor/EditorControls.h"
#include "film/FilmPlayer.h"
#include "files/SubtitleReader.h"
#include "film/FilmPreview.h"
#include "support/AviBytes.h"
#include "tools/timing/TAviKi.h"
#include "ui/DirectoryBrowser.h"
#include "ui/editor/EditorFixture.h"
#include "ui/files/DialogTestSupport.h"
#ifdef KELVO_HAS_VIDEO
#include "video/QtFilmPlayer.h"
#include "support/TestFiles.h"
#endif

namespace {

class ScriptedPlayer : public FilmPlayer {
public:
    explicit ScriptedPlayer(QWidget *parent) : FilmPlayer(parent), picture(new QWidget(parent)) {}

    QWidget *videoWidget() override { return picture; }
    bool open(const QString &path) override
    {
        // as the Multimedia player does: the film open before stops first
        if (stopsOnOpen && !src.isEmpty())
            stop();
        if (path.isEmpty()) {
            src.clear();
            return true;
        }
        if (!playable)
            return false;
        src = path;
        return true;
    }
    QString source() const override { return src; }
    void play() override { setState(Playing); }
    void pause() override { setState(Paused); }
    void stop() override
    {
        pos = 0;
        setState(Stopped);
    }
    State state() const override { return st; }
    double position() const override { return pos; }
    void setPosition(double seconds) override { pos = seconds; }
    qint64 durationMs() const override { return src.isEmpty() ? 0 : duration; }
    QSize imageSize() const override { return {640, 352}; }

    void setState(State s)
    {
        if (st == s)
            return;
        st = s;
        emit stateChanged(s);
    }

    QWidget *picture;
    QString src;
    State st = Stopped;
    double pos = 0;
    qint64 duration = 0;
    bool playable = true;
    bool stopsOnOpen = false;
};

class FilmPreviewTest : public EditorFixture {
protected:
    void SetUp() override
    {
        installFilmPlayerFactory([this](QWidget *parent) -> FilmPlayer * {
            if (!playerMade)
                return nullptr;
            player = new ScriptedPlayer(parent);
            return player;
        });
        // the edition is not one of the globals the fixture resets
        edition = Edition::Full;
        EditorFixture::SetUp();
        film = editor->findChild<FilmPreview *>(QStringLiteral("FilmPreview"));
        ASSERT_NE(player, nullptr);
        ASSERT_FALSE(w<QWidget>("Bfilm")->isHidden());
        QFile f(dir.filePath(QStringLiteral("film.avi")));
        f.open(QIODevice::WriteOnly);
        f.write(avibytes::aviHeaders(1, 25));
        f.close();
        QFile::copy(dir.filePath(QStringLiteral("film.avi")), dir.filePath(QStringLiteral("masik.avi")));
        lastDirectory = dir.path();
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        installFilmPlayerFactory(nullptr);
    }

    // "Film betöltése", choosing the file in the AVI window.
    bool loadFilm(const QString &name = QStringLiteral("film.avi"))
    {
        bool leftOpen = false;
        ModalScript script([&](QDialog *d) {
            auto *avi = static_cast<TAviKi *>(d);
            dialogCaption = d->windowTitle();
            auto *open = d->findChild<QPushButton *>(QStringLiteral("BopenFilm"));
            openVisible = open->isVisible();
            EXPECT_FALSE(open->isEnabled());
            ASSERT_TRUE(clickEntry(avi->browser()->fileList(), name));
            EXPECT_TRUE(open->isEnabled());
            QTest::mouseClick(open, Qt::LeftButton);
        });
        QTest::mouseClick(w<QPushButton>("Bfilm"), Qt::LeftButton);
        leftOpen = script.leftOpen;
        return !leftOpen;
    }
    bool shown(const char *name) { return !w<QWidget>(name)->isHidden(); }
    QAction *item(const char *name) { return w<QAction>(name); }
    QString counter() { return w<QLabel>("IdoFrame")->text(); }
    void click(const char *name) { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    void tickAt(double seconds)
    {
        player->pos = seconds;
        film->tick();
    }

    bool playerMade = true;
    ScriptedPlayer *player = nullptr;
    FilmPreview *film = nullptr;
    QTemporaryDir dir;
    QString dialogCaption;
    bool openVisible = false;
};

TEST_F(FilmPreviewTest, LoadingShowsTheFilmAndPlaysIt)
{
    fillRows(8);
    EXPECT_FALSE(shown("wmp1"));
    EXPECT_FALSE(item("FilmBezaras")->isEnabled());
    ASSERT_TRUE(loadFilm());
    EXPECT_EQ(dialogCaption, "Film megnyitása");
    EXPECT_TRUE(openVisible);
    EXPECT_EQ(player->src, dir.filePath(QStringLiteral("film.avi")));
    EXPECT_EQ(player->st, FilmPlayer::Playing);
    EXPECT_TRUE(film->tracking()->isActive());
    for (const char *n : {"wmp1", "SBpause", "SBvissza1mp", "SBvissza", "SBelore", "SBkezdo",
                          "SBbefejezes", "SBkezdbefejez", "SBSub", "GBAdatok"})
        EXPECT_TRUE(shown(n)) << n;
    for (const char *n : {"SBplay", "SBNonSub", "BFilmhatter", "Bfilmeloter"})
        EXPECT_FALSE(shown(n)) << n;
    for (const char *n : {"FilmBezaras", "FilmInformacio", "Lejatszas1", "FeliratMutatasa",
                          "FilmFelirat", "FilmEredetiben", "FilmNagyban"})
        EXPECT_TRUE(item(n)->isEnabled()) << n;
    EXPECT_TRUE(item("FilmMutatasa")->isChecked());
    EXPECT_TRUE(item("FeliratMutatasa")->isChecked());
    EXPECT_TRUE(item("FilmEredetiben")->isChecked());
    // the player stands above the grid, which moves below it
    const QRect p = w<QWidget>("wmp1")->geometry();
    EXPECT_EQ(p.size(), QSize(745, 227));
    EXPECT_GT(editor->grid()->geometry().top(), p.bottom());
    EXPECT_TRUE(recorder.lines().isEmpty());

    // the counter reads the position and the length once it is known
    tickAt(0.5);
    EXPECT_EQ(counter(), "00:00:00,000 / 00:00:00,000");
    player->duration = 95500;
    tickAt(61.007);
    EXPECT_EQ(counter(), "00:01:01,007 / 00:01:35,500");
    const QWidget *group = w<QWidget>("GBAdatok");
    const QLabel *label = w<QLabel>("IdoFrame");
    EXPECT_EQ(label->x(), (group->width() - label->width()) / 2);
}

TEST_F(FilmPreviewTest, TheSameFilmTwiceIsRefused)
{
    fillRows(3);
    ASSERT_TRUE(loadFilm());
    EXPECT_FALSE(loadFilm()) << "the window waits for another file";
    EXPECT_EQ(recorder.lines(),
              QStringList{"Film megnyitása|info|Ez a film be van töltve|Válasszon másikat!"});
    recorder.clear();
    ASSERT_TRUE(loadFilm(QStringLiteral("masik.avi")));
    EXPECT_TRUE(recorder.lines().isEmpty());
    EXPECT_EQ(player->src, dir.filePath(QStringLiteral("masik.avi")));
}

TEST_F(FilmPreviewTest, AFilmThatCannotBePlayedIsSaid)
{
    fillRows(3);
    player->playable = false;
    ASSERT_TRUE(loadFilm());
    EXPECT_EQ(recorder.lines(), QStringList{"Információ|info|A filmet nem tudom lejátszani!|"
                                            "Lehet, hogy nincs fent a hozzá való kodek!"});
    for (const char *n : {"SBSub", "SBNonSub", "SBkezdo", "SBpause"})
        EXPECT_FALSE(shown(n)) << n;
    for (const char *n : {"FilmBezaras", "FilmInformacio", "Lejatszas1", "FeliratMutatasa", "FilmFelirat"})
        EXPECT_FALSE(item(n)->isEnabled()) << n;
    EXPECT_FALSE(film->loaded());
}

// A film that fails to open after another leaves no length of the one
// before on the counter.
TEST_F(FilmPreviewTest, AFailedLoadClearsTheCounter)
{
    fillRows(3);
    ASSERT_TRUE(loadFilm());
    player->duration = 10000;
    tickAt(1);
    ASSERT_TRUE(counter().endsWith(QStringLiteral("00:00:10,000"))) << counter().toStdString();
    player->stopsOnOpen = true;
    player->playable = false;
    ASSERT_TRUE(loadFilm(QStringLiteral("masik.avi")));
    EXPECT_FALSE(film->loaded());
    EXPECT_FALSE(counter().contains(QStringLiteral("00:00:10,000"))) << counter().toStdString();
    EXPECT_EQ(counter(), zeroFilmCounter);
}

TEST_F(FilmPreviewTest, WithoutAPlayerTheEditorSaysSoAndWorksOn)
{
    editor.reset();
    playerMade = false;
    editor = std::make_unique<TFelirat>();
    EXPECT_EQ(recorder.lines(), QStringList{"Hiány|hiba|A program hibával leáll! Valószínűleg nincs|"
                                            "fent a Windows Media Player 9-es verziója!"});
    editor->model().setTimeBase(QStringLiteral("Time"));
    fillRows(2);
    EXPECT_FALSE(shown("Bfilm"));
}

TEST_F(FilmPreviewTest, ASubtitleReadWithAFilmLoadedIsShownUnderIt)
{
    model().cds.create();
    model().fileNameField = QStringLiteral("uj.srt");  // a new, empty subtitle
    showEditor();
    ASSERT_TRUE(loadFilm());
    EXPECT_FALSE(shown("SBSub"));
    EXPECT_FALSE(shown("SBkezdo"));
    EXPECT_TRUE(shown("SBpause"));
    textTarget = QStringLiteral("1");
    subtitlePath = QStringLiteral(KELVO_TEST_DATA "/srt/dotted_layout.srt");
    readSubtitleFile(model(), false);
    ASSERT_GT(model().cds.recordCount(), 0);
    EXPECT_EQ(player->st, FilmPlayer::Paused);
    EXPECT_EQ(film->tracker().rowCount(), model().cds.recordCount());
    EXPECT_TRUE(shown("SBSub"));
    EXPECT_TRUE(shown("SBkezdo"));
    EXPECT_TRUE(item("FeliratMutatasa")->isEnabled());
    EXPECT_TRUE(item("FeliratMutatasa")->isChecked());
    EXPECT_TRUE(item("FilmFelirat")->isEnabled());

    // the display switched off comes back on with the next subtitle
    click("SBSub");
    EXPECT_TRUE(shown("SBNonSub"));
    readSubtitleFile(model(), false);
    EXPECT_TRUE(shown("SBSub"));
    EXPECT_FALSE(shown("SBNonSub"));
}

TEST_F(FilmPreviewTest, TheEditionWithoutAFilmHasNoPlayer)
{
    editor.reset();
    player = nullptr;
    edition = Edition::VN;
    editor = std::make_unique<TFelirat>();
    fillRows(2);
    EXPECT_EQ(player, nullptr) << "no player is made";
    EXPECT_FALSE(shown("Bfilm"));
    EXPECT_FALSE(w<QAction>("Film")->isVisible());
    for (const char *n : {"wmp1", "SBplay", "SBSub", "SBNonSub", "GBAdatok"})
        EXPECT_FALSE(shown(n)) << n;
    EXPECT_TRUE(recorder.lines().isEmpty());
    edition = Edition::Full;
}

TEST_F(FilmPreviewTest, TheRowUnderTheFilmFollowsThePosition)
{
    fillRows(6);  // row i from 3i+1 to 3i+3 seconds
    model().cds.setRecNo(3);
    model().cds.edit();
    model().cds.setField(Field::Szoveg, QStringLiteral("<i>Dőlt|sorok</i>"));
    model().cds.post();
    model().cds.first();
    ASSERT_TRUE(loadFilm());
    player->duration = 60000;
    tickAt(4.5);
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "2");
    EXPECT_TRUE(shown("st1"));
    EXPECT_EQ(w<QLabel>("st1")->text(), "Sor 2");
    EXPECT_EQ(w<QLabel>("st2")->text(), "második sor");
    EXPECT_FALSE(shown("st3"));
    EXPECT_FALSE(w<QLabel>("st1")->font().italic());
    // centred under the picture
    const QRect p = film->playerRect();
    const QRect l = w<QLabel>("st1")->geometry();
    EXPECT_LE(qAbs(l.center().x() - p.center().x()), 1);
    EXPECT_GE(l.top(), p.top());
    EXPECT_LE(l.bottom(), p.bottom());
    // moving the editor to the row does not count as a change of the row
    tickAt(4.6);
    EXPECT_TRUE(shown("st1"));
    EXPECT_EQ(model().cds.recNo(), 2);

    tickAt(6.5);  // the gap after row 2
    EXPECT_FALSE(shown("st1"));
    tickAt(7.0);
    tickAt(7.1);
    EXPECT_EQ(model().cds.recNo(), 3);
    EXPECT_EQ(w<QLabel>("st1")->text(), "Dőlt");
    EXPECT_EQ(w<QLabel>("st2")->text(), "sorok");
    EXPECT_TRUE(w<QLabel>("st1")->font().italic());
    EXPECT_TRUE(w<QLabel>("st2")->font().italic());

    // editing the table moves the cached times along
    model().cds.setRecNo(1);
    model().cds.insert();
    model().cds.setField(Field::Kezdes, QStringLiteral("00:00:00,100"));
    model().cds.setField(Field::Befejezes, QStringLiteral("00:00:00,900"));
    model().cds.setField(Field::Szoveg, QStringLiteral("Új első"));
    model().cds.post();
    tickAt(0.5);
    EXPECT_EQ(model().cds.recNo(), 1);
    EXPECT_EQ(w<QLabel>("st1")->text(), "Új első");
    tickAt(4.5);
    EXPECT_EQ(w<QLabel>("st1")->text(), "Sor 2");
    EXPECT_EQ(model().cds.recNo(), 3);

    // the display toggle
    click("SBSub");
    EXPECT_FALSE(shown("st1"));
    EXPECT_TRUE(shown("SBNonSub"));
    EXPECT_FALSE(shown("SBSub"));
    EXPECT_FALSE(item("FeliratMutatasa")->isChecked());
    tickAt(4.6);
    EXPECT_FALSE(shown("st1"));
    click("SBNonSub");
    EXPECT_TRUE(shown("SBSub"));
    EXPECT_TRUE(item("FeliratMutatasa")->isChecked());
    tickAt(4.7);
    EXPECT_TRUE(shown("st1"));
}

TEST_F(FilmPreviewTest, TimesTakenFromTheFilm)
{
    fillRows(3);
    ASSERT_TRUE(loadFilm());
    player->duration = 60000;
    model().setModified(false);
    player->pos = 12.345;
    click("SBkezdo");  // playing: a tenth earlier
    EXPECT_EQ(model().cds.field(Field::Kezdes), "00:00:12,245");
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), "00:00:12,245");
    EXPECT_TRUE(model().modified());
    click("SBpause");
    EXPECT_EQ(player->st, FilmPlayer::Paused);
    EXPECT_TRUE(shown("SBplay"));
    EXPECT_FALSE(film->tracking()->isActive());
    click("SBkezdo");
    EXPECT_EQ(model().cds.field(Field::Kezdes), "00:00:12,345");
    player->pos = 13.5;
    click("SBbefejezes");
    EXPECT_EQ(model().cds.rowAt(0).befejezes, "00:00:13,500");
    EXPECT_EQ(model().cds.recNo(), 2);
    player->pos = 16.25;
    item("BeallitasKezdo1")->trigger();
    EXPECT_EQ(model().cds.field(Field::Kezdes), "00:00:16,250");
    model().cds.last();
    player->pos = 20.0;
    click("SBkezdbefejez");
    EXPECT_EQ(model().cds.rowAt(2).befejezes, "00:00:20,000");
    ASSERT_EQ(model().cds.recordCount(), 4);
    EXPECT_EQ(model().cds.rowAt(3).kezdes, "00:00:20,000");
    EXPECT_EQ(model().cds.recNo(), 4);

    // Frame base, at the film's 25 frames a second
    model().setTimeBase(QStringLiteral("Frame"));
    player->pos = 10.5;
    click("SBkezdo");
    EXPECT_EQ(model().cds.field(Field::Kezdes), "262");
}

TEST_F(FilmPreviewTest, SeekingToRows)
{
    fillRows(5);
    ASSERT_TRUE(loadFilm());
    player->duration = 60000;
    model().cds.setRecNo(3);
    editor->showCurrentRow();
    const QModelIndex cell = editor->grid()->model()->index(2, 1);
    const QPoint at = editor->grid()->visualRect(cell).center();
    QTest::mouseClick(editor->grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(editor->grid()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_DOUBLE_EQ(player->pos, 7.0);
    EXPECT_EQ(w<QLabel>("st1")->text(), "Sor 3");
    click("SBelore");
    EXPECT_EQ(model().cds.recNo(), 4);
    EXPECT_DOUBLE_EQ(player->pos, 10.0);
    click("SBvissza");
    click("SBvissza");
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_DOUBLE_EQ(player->pos, 4.0);
    click("SBvissza1mp");
    EXPECT_DOUBLE_EQ(player->pos, 3.0);
    EXPECT_EQ(counter(), "00:00:03,000 / n.a.");
}

TEST_F(FilmPreviewTest, InformationOnceTheLengthIsKnown)
{
    fillRows(2);
    ASSERT_TRUE(loadFilm());
    item("FilmInformacio")->trigger();
    EXPECT_EQ(recorder.lines(),
              QStringList{"Információ|info|Még nem elérhető ez a lekérdezés!|"});
    player->duration = 10000;
    tickAt(1);
    item("FilmInformacio")->trigger();
    ASSERT_EQ(recorder.plainMessages().size(), 1);
    EXPECT_EQ(recorder.plainMessages().first(),
              QStringLiteral("Név: ") + dir.filePath(QStringLiteral("film.avi"))
                  + "\nFelbontás: 640x352\nMéret: 0 MB\nFPS: 25\nTeljes hossz: "
                    "00:00:10,000\nTeljes Frame: 250\n");
}

// In the large display the counter and "Film háttérbe" stand over the
// lower part of the picture and cover none of the controls under the grid.
TEST_F(FilmPreviewTest, LargeDisplayCoversNoControlBelowTheGrid)
{
    fillRows(20);
    ASSERT_TRUE(loadFilm());
    item("FilmNagyban")->trigger();
    const QRect picture = w<QWidget>("wmp1")->geometry();
    const QObjectList stack = w<QWidget>("wmp1")->parentWidget()->children();
    for (const char *n : {"GBAdatok", "BFilmhatter"}) {
        const QRect g = w<QWidget>(n)->geometry();
        EXPECT_TRUE(picture.contains(g)) << n;
        // drawn over the picture, not hidden under it
        EXPECT_GT(stack.indexOf(w<QWidget>(n)), stack.indexOf(w<QWidget>("wmp1"))) << n;
        for (const char *below : {"RB1", "RB12", "CBracs", "GB1"})
            EXPECT_FALSE(g.intersects(w<QWidget>(below)->geometry())) << n << " / " << below;
    }
    // behind the other controls, "Film előtérbe" takes the same place
    click("BFilmhatter");
    EXPECT_EQ(w<QWidget>("Bfilmeloter")->geometry(), w<QWidget>("BFilmhatter")->geometry());
}

TEST_F(FilmPreviewTest, DisplaySizesAndHiding)
{
    fillRows(20);
    ASSERT_TRUE(loadFilm());
    player->duration = 60000;
    player->pos = 33.3;
    click("SBpause");
    item("FilmNagyban")->trigger();
    EXPECT_TRUE(item("FilmNagyban")->isChecked());
    EXPECT_FALSE(item("FilmEredetiben")->isChecked());
    EXPECT_EQ(w<QWidget>("wmp1")->geometry(), QRect(6, 46, 497, 479));
    EXPECT_EQ(editor->grid()->width(), 491);
    EXPECT_DOUBLE_EQ(player->pos, 33.3) << "the film keeps its place";
    EXPECT_TRUE(shown("BFilmhatter"));
    click("BFilmhatter");
    EXPECT_TRUE(shown("Bfilmeloter"));
    EXPECT_FALSE(shown("BFilmhatter"));
    click("Bfilmeloter");
    EXPECT_TRUE(shown("BFilmhatter"));
    item("FilmEredetiben")->trigger();
    EXPECT_EQ(w<QWidget>("wmp1")->size(), QSize(745, 227));
    EXPECT_FALSE(shown("BFilmhatter"));

    // hidden, the grid takes the player's place
    const QRect withFilm = editor->grid()->geometry();
    item("FilmMutatasa")->trigger();
    EXPECT_FALSE(item("FilmMutatasa")->isChecked());
    EXPECT_FALSE(shown("wmp1"));
    EXPECT_FALSE(shown("SBSub"));
    EXPECT_FALSE(shown("GBAdatok"));
    EXPECT_FALSE(film->tracking()->isActive());
    EXPECT_LT(editor->grid()->geometry().top(), withFilm.top());
    item("FilmMutatasa")->trigger();
    EXPECT_TRUE(shown("wmp1"));
    EXPECT_TRUE(shown("SBSub"));
    EXPECT_EQ(editor->grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn)
        << "20 rows under the player scroll";
    EXPECT_EQ(editor->grid()->geometry(), withFilm);

    // the small layout: the player beside a narrower grid, one size only
    layoutSetting = QStringLiteral("800x600");
    editor->applyLayout();
    EXPECT_EQ(w<QWidget>("wmp1")->size(), QSize(263, 286));
    EXPECT_EQ(editor->grid()->width(), 337);
    // the player and its buttons fit the 800-pixel window
    EXPECT_LE(w<QWidget>("wmp1")->geometry().right(), editor->width() - 1);
    EXPECT_LE(w<QWidget>("SBSub")->geometry().right(), editor->width() - 1);
    EXPECT_FALSE(item("FilmNagyban")->isEnabled());
    EXPECT_DOUBLE_EQ(player->pos, 33.3);
    EXPECT_EQ(player->st, FilmPlayer::Paused);
}

TEST_F(FilmPreviewTest, ClosingTheFilm)
{
    fillRows(2);
    ASSERT_TRUE(loadFilm());
    player->duration = 60000;
    tickAt(2);
    item("FilmBezaras")->trigger();
    EXPECT_FALSE(film->loaded());
    EXPECT_FALSE(film->tracking()->isActive());
    EXPECT_EQ(counter(), "00:00:00,000 / 00:00:00,000");
    for (const char *n : {"FilmBezaras", "FilmInformacio", "Lejatszas1", "FeliratMutatasa", "FilmFelirat"})
        EXPECT_FALSE(item(n)->isEnabled()) << n;
    EXPECT_FALSE(shown("st1"));
    // loading it again is no longer refused
    ASSERT_TRUE(loadFilm());
    EXPECT_TRUE(recorder.lines().isEmpty());
}

// Every film control's rectangle in every layout the film is placed in:
// both layouts, one and two subtitles, the two display sizes, the film
// hidden, on a screen that gives the large display its full and its short
// height. The places are compared with those recorded in
// tests/data/film/places.txt (KELVO_RECORD_FILM_PLACES=FILE writes them).
class FilmPlacesTest : public FilmPreviewTest {
protected:
    QString placesNow(const QString &caseName)
    {
        QStringList lines;
        const auto add = [&](const char *name, QWidget *widget) {
            const QRect r = widget->geometry();
            const QString state =
                widget->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
            const QString n = QLatin1String(name);
            // Labels sized to their text are as wide as the fonts make them:
            // the counter keeps its centre, the subtitle lines stay centred.
            if (n == QLatin1String("IdoFrame"))
                lines << QStringLiteral("%1 %2: centre %3,%4 text x%5 %6")
                             .arg(caseName, n).arg(r.x() + r.width() / 2).arg(r.y())
                             .arg(r.height()).arg(state);
            else if (n.startsWith(QLatin1String("st"))) {
                // the subtitle lines stand centred under the picture
                const QRect p = w<QWidget>("wmp1")->geometry();
                const bool centred = qAbs(2 * r.x() + r.width() - 2 * p.x() - p.width()) <= 2;
                lines << QStringLiteral("%1 %2: %3 %4 text x%5 %6")
                             .arg(caseName, n)
                             .arg(centred ? QStringLiteral("centred") : QString::number(r.x()))
                             .arg(r.y()).arg(r.height()).arg(state);
            }
            else
                lines << QStringLiteral("%1 %2: %3,%4 %5x%6 %7")
                             .arg(caseName, n).arg(r.x()).arg(r.y()).arg(r.width())
                             .arg(r.height()).arg(state);
        };
        if (player)
            add("picture", player->picture);
        for (const char *n : {"racs", "Belso", "Butolso", "wmp1", "SBplay", "SBpause", "SBvissza1mp",
                              "SBvissza", "SBelore", "SBkezdo", "SBbefejezes", "SBkezdbefejez", "SBSub",
                              "SBNonSub", "GBAdatok", "IdoFrame", "BFilmhatter", "Bfilmeloter", "st1",
                              "st2", "st3"})
            add(n, w<QWidget>(n));
        return lines.join(u'\n');
    }

    // Walks every layout, the film shown in each size it has, then hidden.
    QStringList walkLayouts(bool withFilm)
    {
        QStringList all;
        for (const QSize screen : {QSize(1280, 1024), QSize(1280, 800)}) {
            editor->setScreenSize(screen);
            for (const bool two : {false, true}) {
                if (two)
                    editor->showTwoSubtitleLayout();
                else
                    editor->showSingleSubtitleLayout();
                for (const char *layout : {"1024x768", "800x600"}) {
                    layoutSetting = QLatin1String(layout);
                    editor->applyLayout();
                    const QString name = QStringLiteral("%1x%2 %3 %4")
                                             .arg(screen.width()).arg(screen.height())
                                             .arg(two ? QStringLiteral("two") : QStringLiteral("one"),
                                                  QLatin1String(layout));
                    if (!withFilm) {
                        all << placesNow(name);
                        continue;
                    }
                    film->showPlayer();
                    film->chooseSize(FilmPreview::Size::Normal);
                    all << placesNow(name + QStringLiteral(" normal"));
                    if (editor->largeLayout()) {
                        film->chooseSize(FilmPreview::Size::Large);
                        all << placesNow(name + QStringLiteral(" large"));
                        film->putBehind();
                        all << placesNow(name + QStringLiteral(" large-behind"));
                        film->bringToFront();
                        film->chooseSize(FilmPreview::Size::Normal);
                    }
                    film->hidePlayer();
                    all << placesNow(name + QStringLiteral(" hidden"));
                    film->showPlayer();
                }
            }
        }
        return all;
    }

    void compareWithRecord(const QStringList &all, const char *file)
    {
        const QString text = all.join(u'\n') + u'\n';
        const QByteArray record = qgetenv("KELVO_RECORD_FILM_PLACES");
        if (!record.isEmpty()) {
            QFile out(QString::fromLocal8Bit(record) + u'/' + QLatin1String(file));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(text.toUtf8());
            return;
        }
        QFile in(QStringLiteral(KELVO_TEST_DATA "/film/") + QLatin1String(file));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << file;
        const QStringList expected = QString::fromUtf8(in.readAll()).split(u'\n');
        const QStringList actual = text.split(u'\n');
        ASSERT_EQ(actual.size(), expected.size());
        for (qsizetype i = 0; i < actual.size(); ++i)
            EXPECT_EQ(actual[i], expected[i]);
    }
};

TEST_F(FilmPlacesTest, EveryFilmControlKeepsItsPlaceInEveryLayout)
{
    fillRows(20);
    ASSERT_TRUE(loadFilm());
    player->duration = 60000;
    film->setDisplay(true);
    tickAt(2);  // the first row's lines under the picture
    ASSERT_TRUE(shown("st1"));
    compareWithRecord(walkLayouts(true), "places.txt");
}

TEST_F(FilmPlacesTest, TheEditionWithoutAFilmKeepsTheGridsPlaces)
{
    editor.reset();
    player = nullptr;
    edition = Edition::VN;
    editor = std::make_unique<TFelirat>();
    editor->model().setTimeBase(QStringLiteral("Time"));
    fillRows(20);
    compareWithRecord(walkLayouts(false), "places-vn.txt");
    edition = Edition::Full;
}

#ifdef KELVO_HAS_VIDEO
// A real short AVI made by FFmpeg, played by the full edition's player.
class RealFilm : public EditorFixture {
protected:
    void SetUp() override
    {
        installQtFilmPlayer();
        edition = Edition::Full;
        EditorFixture::SetUp();
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        installFilmPlayerFactory(nullptr);
    }
    QTemporaryDir dir;
};

TEST_F(RealFilm, PlaysAndGivesAStartTime)
{
    const QString path = dir.filePath(QStringLiteral("proba.avi"));
    const MadeFilm made = makeFilm(path, QStringLiteral("testsrc=duration=4:size=320x240:rate=25"));
    if (!made.found)
        GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_TRUE(made.made) << made.error;

    fillRows(3);
    auto *film = editor->findChild<FilmPreview *>(QStringLiteral("FilmPreview"));
    ASSERT_NE(film, nullptr);
    ASSERT_NE(film->player(), nullptr);
    ASSERT_TRUE(film->openFilm(path, nullptr));
    EXPECT_TRUE(recorder.lines().isEmpty()) << recorder.lines().join(u'\n').toStdString();
    FilmPlayer *player = film->player();
    QTRY_VERIFY_WITH_TIMEOUT(player->durationMs() > 0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.3, 20000);
    EXPECT_EQ(player->state(), FilmPlayer::Playing);
    QTRY_VERIFY_WITH_TIMEOUT(
        editor->controlAs<QLabel>(Ctl::IdoFrame)->text().endsWith(QStringLiteral("00:00:04,000")),
        5000);
    film->pause();
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), FilmPlayer::Paused, 10000);
    const double at = player->position();
    film->takeStart();
    const QString start = model().cds.field(Field::Kezdes);
    EXPECT_EQ(start, secondsToTimeCode(truncMillis(at) / 1000.0L));
    EXPECT_NE(start, zeroTimeCode);
    EXPECT_EQ(player->imageSize(), QSize(320, 240));
    film->closeFilm();
    EXPECT_FALSE(film->loaded());
}

// A film that cannot be opened leaves no error behind: the next film,
// one that played before, opens.
TEST_F(RealFilm, AFilmThatFailedDoesNotStopTheNextOne)
{
    const QString good = dir.filePath(QStringLiteral("jo.avi"));
    const MadeFilm made = makeFilm(good, QStringLiteral("testsrc=duration=2:size=160x120:rate=25"));
    if (!made.found)
        GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_TRUE(made.made) << made.error;
    const QString broken = dir.filePath(QStringLiteral("rossz.avi"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("RIFF\x10\0\0\0AVI LIST") + QByteArray(4000, '\x5a'));
    f.close();

    fillRows(2);
    auto *film = editor->findChild<FilmPreview *>(QStringLiteral("FilmPreview"));
    ASSERT_NE(film, nullptr);
    ASSERT_TRUE(film->openFilm(good, nullptr));
    ASSERT_TRUE(film->loaded());
    film->closeFilm();
    film->openFilm(broken, nullptr);
    EXPECT_FALSE(film->loaded());
    EXPECT_EQ(recorder.lines(), QStringList{"Információ|info|A filmet nem tudom lejátszani!|"
                                            "Lehet, hogy nincs fent a hozzá való kodek!"});
    recorder.clear();
    ASSERT_TRUE(film->openFilm(good, nullptr));
    EXPECT_TRUE(film->loaded());
    EXPECT_TRUE(recorder.lines().isEmpty()) << recorder.lines().join(u'\n').toStdString();
    film->closeFilm();
}
#endif

}  // namespace
