#include "film/FilmPreview.h"

#include "editor/EditorLayout.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QTableView>
#include <QTimer>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "app/Windows.h"
#include "document/Decimal.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EditorModel.h"
#include "editor/TFelirat.h"
#include "files/AviHeader.h"
#include "files/FileGlobals.h"
#include "film/FilmPlayer.h"
#include "tools/timing/FpsConversion.h"
#include "tools/timing/TAviKi.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"

namespace {

// The buttons under the picture, in their order; the pairs share a place.
const char *const buttonSlots[][2] = {
    {"SBplay", "SBpause"}, {"SBvissza1mp", nullptr}, {"SBvissza", nullptr},
    {"SBelore", nullptr},  {"SBkezdo", nullptr},     {"SBbefejezes", nullptr},
    {"SBkezdbefejez", nullptr}, {"SBSub", "SBNonSub"},
};
// The buttons that work on rows, shown only with a table that has rows.
const char *const rowButtons[] = {"SBvissza1mp", "SBvissza", "SBelore", "SBkezdo",
                                  "SBbefejezes", "SBkezdbefejez"};
constexpr int lineHeight = 16;
// The grid's buttons that stand at its right edge.
const char *const gridButtons[] = {"Belso", "Butolso"};

}  // namespace

FilmPreview::FilmPreview(TFelirat &editor, FilmPlayer *player)
    : QObject(&editor), editor_(editor), model_(editor.model()), player_(player),
      timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("Timer2"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &FilmPreview::tick);
    for (int i = 0; i < 3; ++i)
        lines_[i] = editor.controlAs<QLabel>(QStringLiteral("st%1").arg(i + 1));
    measure_ = editor.controlAs<QLabel>(QStringLiteral("stsegit"));
    counterLabel_ = editor.controlAs<QLabel>(QStringLiteral("IdoFrame"));
    counterGroup_ = editor.controlAs<QWidget>(QStringLiteral("GBAdatok"));
    // readable also where it stands over the picture (the large display)
    counterGroup_->setAutoFillBackground(true);
    frame_ = editor.controlAs<QWidget>(QStringLiteral("wmp1"));
    // the picture's frame is opaque, so that in front it covers what is behind
    frame_->setAttribute(Qt::WA_StyledBackground);
    frame_->setStyleSheet(
        QStringLiteral("QGroupBox#wmp1 { background: black; border: 1px solid #404040; margin: 0; }"));
    for (QLabel *l : lines_) {
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setStyleSheet(QStringLiteral("color: white; background: black;"));
    }

    for (const char *n : {"wmp1", "stsegit", "SBplay", "SBpause", "SBvissza1mp", "SBvissza",
                          "SBelore", "SBkezdo", "SBbefejezes", "SBkezdbefejez", "SBSub", "SBNonSub",
                          "GBAdatok", "BFilmhatter", "Bfilmeloter"})
        model_.setVisible(QLatin1String(n), false);
    model_.setEnabled(QStringLiteral("SzamlaloKezdo"), false);
    model_.setEnabled(QStringLiteral("SzamlaloBefejezo"), false);
    if (!player_)
        return;
    model_.setChecked(QStringLiteral("FilmEredetiben"), true);
    model_.setChecked(QStringLiteral("FilmNagyban"), false);
    model_.setChecked(QStringLiteral("FilmMutatasa"), false);
    model_.setChecked(QStringLiteral("FeliratMutatasa"), false);
    QWidget *picture = player_->videoWidget();
    picture->setParent(frame_);
    connect(player_, &FilmPlayer::stateChanged, this, &FilmPreview::onStateChanged);

    const SubtitleTable &cds = model_.cds;
    connect(&cds, &SubtitleTable::reset, this, &FilmPreview::tableReset);
    connect(&cds, &SubtitleTable::rowsInserted, this, &FilmPreview::rowsChangedFrom);
    connect(&cds, &SubtitleTable::rowsRemoved, this, &FilmPreview::rowsChangedFrom);
    connect(&cds, &SubtitleTable::rowChanged, this, &FilmPreview::rowChanged);
}

bool FilmPreview::loaded() const
{
    return player_ && !player_->source().isEmpty();
}

bool FilmPreview::displayOn() const
{
    return model_.isVisible(QStringLiteral("SBSub"));
}

bool FilmPreview::trackingActive() const
{
    return model_.isVisible(QStringLiteral("SBSub")) || model_.isVisible(QStringLiteral("SBNonSub"));
}

bool FilmPreview::hasRows() const
{
    return model_.cds.isActive() && model_.cds.recordCount() > 0;
}

bool FilmPreview::playing() const
{
    return timer_->isActive();
}

QString FilmPreview::fps() const
{
    return filmFps_.isEmpty() ? model_.fps() : filmFps_;
}

// ---- the counter ------------------------------------------------------------

void FilmPreview::setCounterText(const QString &text)
{
    counterLabel_->setText(text);
    centreCounter();
}

void FilmPreview::centreCounter()
{
    counterLabel_->adjustSize();
    const int left = qMax(0, (counterGroup_->width() - counterLabel_->width()) / 2);
    counterLabel_->move(left, qMax(0, (counterGroup_->height() - counterLabel_->height()) / 2));
}

void FilmPreview::updateCounter(bool unknownAsNa)
{
    counter_.timeBase = model_.isTimeBase();
    counter_.fps = fps();
    setCounterText(filmCounterText(counter_, player_->position(), unknownAsNa));
}

// ---- loading and closing ------------------------------------------------------

void FilmPreview::openDialog()
{
    if (!player_)
        return;
    // the program's AVI window; the editor alone (tests) makes its own
    TAviKi *dialog = windows().aviKi;
    if (!dialog)
        dialog = editor_.findChild<TAviKi *>();
    if (!dialog)
        dialog = new TAviKi(&editor_);
    if (!playerShown_)
        showPlayer();
    if (!model_.fileNameField.isEmpty() || hasRows())
        dialog->browser()->setDirectory(lastDirectory);
    dialog->setMode(TAviKi::filmMode);
    dialog->filmOpener = [this, dialog](const QString &path) { return openFilm(path, dialog); };
    showModal(dialog);
}

bool FilmPreview::openFilm(const QString &path, TAviKi *dialog)
{
    if (!player_)
        return true;
    setCounterText(model_.isTimeBase() ? zeroFilmCounter : QStringLiteral("0 / 0"));
    // The film's own frame rate, for every frame conversion of the film.
    AviFileLibrary &avi = aviFileLibrary();
    avi.initialise();
    QString rate;
    if (avi.open(path)) {
        const AviRate r = avi.info();
        if (r.scale > 0 && r.rate > 0)
            rate = formatDecimal(static_cast<long double>(r.rate) / r.scale);
    }
    if (!player_->source().isEmpty()
        && QFileInfo(player_->source()).canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
        if (dialog)
            dialog->clearChoice();
        showMessageBox(QStringLiteral("Film megnyitása"), BoxKind::info,
                       QStringLiteral("Ez a film be van töltve"), false, false, true,
                       QStringLiteral("Válasszon másikat!"));
        return false;
    }
    filmFps_ = rate;
    if (!rate.isEmpty())
        filmFrameRate = rate;

    timer_->stop();
    hideLines();
    player_->open(QString());
    editor_.setWaitCursor(true);
    const qint64 bytes = QFileInfo(path).size();
    filmSizeMb_ = formatDecimal(qint64(bytes / 1024.0L / 1024.0L * 100) / 100.0L);
    const bool ok = player_->open(path);
    editor_.setWaitCursor(false);
    if (!ok) {
        // Closing the film before may have drawn its length again: the
        // counter goes back to nothing, as for a closed film.
        counter_ = FilmCounter();
        durationKnown_ = false;
        setCounterText(model_.isTimeBase() ? zeroFilmCounter : QStringLiteral("0 / 0"));
        showFilmButtons(false);
        model_.setVisible(QStringLiteral("SBplay"), false);
        model_.setVisible(QStringLiteral("SBpause"), false);
        setFilmMenus(false);
        showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                       QStringLiteral("A filmet nem tudom lejátszani!"), false, false, true,
                       QStringLiteral("Lehet, hogy nincs fent a hozzá való kodek!"));
        return true;
    }
    counter_ = FilmCounter();
    durationKnown_ = false;
    showFilmButtons(hasRows());
    if (hasRows())
        buildCache();
    const bool large = editor_.largeLayout();
    model_.setEnabled(QStringLiteral("FilmEredetiben"), large);
    model_.setEnabled(QStringLiteral("FilmNagyban"), large);
    if (size_ != Size::Normal)
        chooseSize(Size::Normal);
    model_.setChecked(QStringLiteral("FilmEredetiben"), true);
    model_.setChecked(QStringLiteral("FilmNagyban"), false);
    setFilmMenus(true);
    model_.setChecked(QStringLiteral("FilmMutatasa"), true);
    model_.setVisible(QStringLiteral("SBplay"), false);
    model_.setVisible(QStringLiteral("SBpause"), true);
    player_->play();
    timer_->start();
    return true;
}

void FilmPreview::closeFilm()
{
    if (!player_)
        return;
    player_->stop();
    player_->open(QString());
    timer_->stop();
    setFilmMenus(false);
    showFilmButtons(false);
    model_.setVisible(QStringLiteral("SBplay"), false);
    model_.setVisible(QStringLiteral("SBpause"), false);
    hideLines();
    counter_ = FilmCounter();
    durationKnown_ = false;
    setCounterText(model_.isTimeBase() ? zeroFilmCounter : QStringLiteral("0"));
}

void FilmPreview::setFilmMenus(bool on)
{
    for (const char *n : {"FilmBezaras", "FilmInformacio", "Lejatszas1"})
        model_.setEnabled(QLatin1String(n), on);
    const bool rows = on && (hasRows() || !model_.fileNameField.isEmpty());
    for (const char *n : {"FeliratMutatasa", "FilmFelirat", "BeallitasKezdo1", "BeallitasBefejezo1"})
        model_.setEnabled(QLatin1String(n), rows);
}

// The row buttons and the display toggle, with the display on.
void FilmPreview::showFilmButtons(bool on)
{
    for (const char *n : rowButtons)
        model_.setVisible(QLatin1String(n), on);
    model_.setVisible(QStringLiteral("SBSub"), on);
    model_.setVisible(QStringLiteral("SBNonSub"), false);
    model_.setChecked(QStringLiteral("FeliratMutatasa"), on);
    const bool counterItems = on && playerShown_;
    model_.setEnabled(QStringLiteral("SzamlaloKezdo"), counterItems);
    model_.setEnabled(QStringLiteral("SzamlaloBefejezo"), counterItems);
}

void FilmPreview::buildCache()
{
    tracker_.setTimeBasis(model_.isTimeBase(), fps());
    tracker_.build(model_.cds);
    hideLines();
}

void FilmPreview::pauseForNewRows()
{
    if (!loaded())
        return;
    pause();
    rowsAnnounced_ = true;
}

// A subtitle read (or a pass over the whole table) while a film is loaded.
void FilmPreview::tableReset()
{
    if (!loaded())
        return;
    buildCache();
    const bool newRows = rowsAnnounced_;
    rowsAnnounced_ = false;
    if (hasRows()) {
        // a subtitle read (or a new time base) shows its rows under the film
        if ((newRows || !trackingActive()) && playerShown_)
            showFilmButtons(true);
        setFilmMenus(true);
    } else {
        showFilmButtons(false);
    }
}

void FilmPreview::rowsChangedFrom(int index)
{
    if (!loaded())
        return;
    if (!trackingActive() && hasRows() && playerShown_) {
        // the first row of an empty table
        showFilmButtons(true);
        setFilmMenus(true);
        buildCache();
        return;
    }
    tracker_.refreshFrom(model_.cds, index);
    if (!hasRows())
        showFilmButtons(false);
}

void FilmPreview::rowChanged(int index)
{
    if (loaded() && trackingActive())
        tracker_.refreshRow(model_.cds, index);
}

// ---- the player's buttons --------------------------------------------------------

void FilmPreview::play()
{
    if (!loaded())
        return;
    player_->play();
    timer_->start();
    model_.setVisible(QStringLiteral("SBplay"), false);
    model_.setVisible(QStringLiteral("SBpause"), true);
    if (displayOn() && hasRows())
        tracker_.startPlayback(player_->position(), *this);
}

void FilmPreview::pause()
{
    if (!loaded())
        return;
    player_->pause();
    model_.setVisible(QStringLiteral("SBpause"), false);
    model_.setVisible(QStringLiteral("SBplay"), true);
    timer_->stop();
    updateCounter(true);
}

void FilmPreview::stop()
{
    if (loaded())
        player_->stop();
}

void FilmPreview::onStateChanged(int state)
{
    if (!loaded())
        return;
    if (state == FilmPlayer::Playing) {
        timer_->start();
        model_.setVisible(QStringLiteral("SBpause"), true);
        model_.setVisible(QStringLiteral("SBplay"), false);
        return;
    }
    timer_->stop();
    updateCounter(true);
    model_.setVisible(QStringLiteral("SBplay"), true);
    model_.setVisible(QStringLiteral("SBpause"), false);
    if (!model_.isTimeBase() || truncMillis(player_->position()) == 0)
        hideLines();
}

void FilmPreview::backOneSecond()
{
    if (!loaded())
        return;
    player_->setPosition(qMax(0.0, player_->position() - 1));
    if (player_->durationMs() > 0)
        updateCounter(true);
}

void FilmPreview::previousRow()
{
    if (!loaded() || !hasRows())
        return;
    model_.cds.prior();
    editor_.showCurrentRow();
    seekToCurrentRow();
}

void FilmPreview::nextRow()
{
    if (!loaded() || !hasRows())
        return;
    model_.cds.next();
    if (model_.cds.eof())
        model_.cds.last();
    editor_.showCurrentRow();
    seekToCurrentRow();
}

void FilmPreview::seekToCurrentRow()
{
    if (!loaded() || !hasRows())
        return;
    const QString start = model_.cds.field(Field::Kezdes);
    double seconds = 0;
    if (model_.isTimeBase()) {
        if (hasTimeCodeShape(start))
            seconds = double(timeCodeToSeconds(start));
    } else {
        const long double rate = fpsValue(fps());
        bool ok = false;
        const qint64 frame = start.trimmed().toLongLong(&ok);
        if (ok && rate > 0)
            seconds = double(frame / rate);
    }
    player_->setPosition(seconds);
    counter_.timeBase = model_.isTimeBase();
    counter_.fps = fps();
    setCounterText(filmCounterText(counter_, seconds, true));
    if (trackingActive()) {
        displayLock = true;
        tracker_.trackRow(model_.cds.recNo(), displayOn(), *this);
        displayLock = false;
    }
}

// ---- times from the film -------------------------------------------------------

void FilmPreview::takeStart()
{
    if (!loaded() || !hasRows())
        return;
    const QString value =
        filmStartValue(player_->position(), playing(), model_.isTimeBase(), fps());
    if (takeFilmStart(model_, value))
        editor_.showCurrentRow();
}

void FilmPreview::takeEnd()
{
    if (!loaded() || !hasRows())
        return;
    const QString value = filmEndValue(player_->position(), model_.isTimeBase(), fps());
    if (model_.isTimeBase())
        hideLines();
    if (takeFilmEnd(model_, value)) {
        if (model_.cds.eof())
            model_.cds.last();
        editor_.showCurrentRow();
    }
}

void FilmPreview::takeEndAndNextStart()
{
    if (!loaded() || !hasRows())
        return;
    const QString value = filmEndValue(player_->position(), model_.isTimeBase(), fps());
    if (takeFilmEndAndNextStart(model_, value))
        editor_.showCurrentRow();
}

// ---- information ------------------------------------------------------------------

void FilmPreview::showInfo()
{
    if (!loaded())
        return;
    if (counter_.durationText.isEmpty()) {
        showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                       QStringLiteral("Még nem elérhető ez a lekérdezés!"), false, false, true);
        return;
    }
    const QSize image = player_->imageSize();
    showPlainMessage(QStringLiteral("Név: ") + player_->source() + u'\n'
                     + QStringLiteral("Felbontás: ") + QString::number(image.width()) + u'x'
                     + QString::number(image.height()) + u'\n' + QStringLiteral("Méret: ")
                     + filmSizeMb_ + QStringLiteral(" MB\n") + QStringLiteral("FPS: ") + fps()
                     + u'\n' + QStringLiteral("Teljes hossz: ") + counter_.durationText + u'\n'
                     + QStringLiteral("Teljes Frame: ") + counter_.totalFrames + u'\n');
}

// ---- the tracker's tick --------------------------------------------------------------

void FilmPreview::tick()
{
    if (!loaded())
        return;
    const qint64 duration = player_->durationMs();
    if (duration <= 0) {
        setCounterText(zeroFilmCounter);
        return;
    }
    if (!durationKnown_) {
        counter_.durationText = filmDurationText(duration);
        counter_.totalFrames = filmTotalFrames(duration, fps());
        durationKnown_ = true;
    }
    updateCounter();
    if (!displayOn())
        return;
    displayLock = true;
    tracker_.tick(player_->position(), *this);
    displayLock = false;
}

void FilmPreview::showRow(int row)
{
    if (!hasRows() || row < 1 || row > model_.cds.recordCount())
        return;
    if (model_.cds.recNo() != row) {
        // the caller's lock holds on: the grid follows without a second refresh
        const bool lock = displayLock;
        model_.cds.setRecNo(row);
        editor_.showCurrentRow();
        displayLock = lock;
    }
    drawLines(filmLinesOf(model_.cds.field(Field::Szoveg)));
}

void FilmPreview::hideLines()
{
    for (const char *n : {"st1", "st2", "st3"})
        model_.setVisible(QLatin1String(n), false);
}

void FilmPreview::drawLines(const FilmLines &lines)
{
    if (lines[0].text.isEmpty() && lines[1].text.isEmpty() && lines[2].text.isEmpty()) {
        hideLines();
        return;
    }
    for (int i = 0; i < 3; ++i) {
        QLabel *label = lines_[i];
        const FilmLine &line = lines[i];
        const QString name = QStringLiteral("st%1").arg(i + 1);
        if (line.text.isEmpty()) {
            model_.setVisible(name, false);
            continue;
        }
        QFont f = editor_.font();
        f.setPixelSize(13);
        f.setBold(true);
        f.setItalic(line.italic);
        label->setFont(f);
        measure_->setFont(f);
        measure_->setText(line.text);
        label->setText(line.text);
        // a slanted last letter needs a little more room
        const int width = QFontMetrics(f).horizontalAdvance(line.text) + 8 + (line.italic ? 4 : 0);
        const int left = qMax(0, playerRect_.left() + (playerRect_.width() - width) / 2);
        const int top = playerRect_.bottom() - 2 - 3 * lineHeight + i * lineHeight;
        label->setGeometry(left, top, qMin(width, editor_.width() - left), lineHeight);
        model_.setVisible(name, true);
        label->raise();
    }
}

// ---- the display -------------------------------------------------------------------

void FilmPreview::toggleShown()
{
    if (playerShown_)
        hidePlayer();
    else
        showPlayer();
}

void FilmPreview::showPlayer()
{
    if (!player_)
        return;
    playerShown_ = true;
    model_.setChecked(QStringLiteral("FilmMutatasa"), true);
    model_.setVisible(QStringLiteral("wmp1"), true);
    model_.setVisible(QStringLiteral("GBAdatok"), true);
    const bool large = editor_.largeLayout();
    model_.setEnabled(QStringLiteral("FilmEredetiben"), large && loaded());
    model_.setEnabled(QStringLiteral("FilmNagyban"), large && loaded());
    // the player takes the grid's room: past 15 rows the grid scrolls
    model_.setVisible(QStringLiteral("racsVScroll"), model_.cds.recordCount() > 15);
    if (hasRows() && loaded()) {
        showFilmButtons(true);
        if (!timer_->isActive() && player_->state() == FilmPlayer::Playing)
            timer_->start();
    }
    place();
}

void FilmPreview::hidePlayer()
{
    playerShown_ = false;
    timer_->stop();
    model_.setVisible(QStringLiteral("GBAdatok"), false);
    model_.setEnabled(QStringLiteral("SzamlaloKezdo"), false);
    model_.setEnabled(QStringLiteral("SzamlaloBefejezo"), false);
    model_.setChecked(QStringLiteral("FilmMutatasa"), false);
    hideLines();
    model_.setChecked(QStringLiteral("FeliratMutatasa"), false);
    model_.setVisible(QStringLiteral("SBSub"), false);
    model_.setVisible(QStringLiteral("SBNonSub"), false);
    for (const char *n : rowButtons)
        model_.setVisible(QLatin1String(n), false);
    model_.setVisible(QStringLiteral("SBplay"), false);
    model_.setVisible(QStringLiteral("SBpause"), false);
    model_.setVisible(QStringLiteral("BFilmhatter"), false);
    model_.setVisible(QStringLiteral("Bfilmeloter"), false);
    model_.setVisible(QStringLiteral("wmp1"), false);
    place();
}

void FilmPreview::chooseSize(Size size)
{
    if (!player_ || size == size_)
        return;
    if (size == Size::Large && !editor_.largeLayout())
        return;
    size_ = size;
    model_.setChecked(QStringLiteral("FilmEredetiben"), size == Size::Normal);
    model_.setChecked(QStringLiteral("FilmNagyban"), size == Size::Large);
    behind_ = false;
    if (loaded()) {
        // the film waits at its place while the window is laid out anew
        const double at = player_->position();
        player_->pause();
        timer_->stop();
        place();
        player_->setPosition(at);
        timer_->start();
    } else {
        place();
    }
    if (loaded() && displayOn() && hasRows() && tracker_.shown())
        showRow(model_.cds.recNo());
}

void FilmPreview::putBehind()
{
    behind_ = true;
    frame_->lower();
    model_.setVisible(QStringLiteral("BFilmhatter"), false);
    model_.setVisible(QStringLiteral("Bfilmeloter"), true);
}

void FilmPreview::bringToFront()
{
    behind_ = false;
    frame_->raise();
    counterGroup_->raise();
    for (QLabel *l : lines_)
        l->raise();
    model_.setVisible(QStringLiteral("Bfilmeloter"), false);
    model_.setVisible(QStringLiteral("BFilmhatter"), true);
}

void FilmPreview::setDisplay(bool on)
{
    if (!trackingActive())
        return;
    model_.setVisible(QStringLiteral("SBSub"), on);
    model_.setVisible(QStringLiteral("SBNonSub"), !on);
    model_.setChecked(QStringLiteral("FeliratMutatasa"), on);
    if (!on) {
        hideLines();
        return;
    }
    if (loaded() && hasRows()) {
        displayLock = true;
        tracker_.trackRow(tracker_.trackedRow(), false, *this);
        tracker_.startPlayback(player_->position(), *this);
        displayLock = false;
    }
}

// ---- placing ------------------------------------------------------------------------

void FilmPreview::controlsPlaced()
{
    // the grid and its two buttons as the window's table placed them
    gridPlace_ = editor_.grid()->geometry();
    for (int i = 0; i < 2; ++i)
        gridButtonPlaces_[i] = editor_.controlAs<QWidget>(QLatin1String(gridButtons[i]))->geometry();
    place();
}

void FilmPreview::place()
{
    if (!player_)
        return;
    QTableView *grid = editor_.grid();
    const bool large = editor_.largeLayout();
    if (large != lastLarge_) {
        lastLarge_ = large;
        // a new layout leaves the film paused at its place
        if (loaded() && player_->state() == FilmPlayer::Playing)
            pause();
        if (!large && size_ == Size::Large) {
            size_ = Size::Normal;
            model_.setChecked(QStringLiteral("FilmEredetiben"), true);
            model_.setChecked(QStringLiteral("FilmNagyban"), false);
        }
        model_.setEnabled(QStringLiteral("FilmEredetiben"), large && loaded());
        model_.setEnabled(QStringLiteral("FilmNagyban"), large && loaded());
    }
    if (gridPlace_.isEmpty())
        gridPlace_ = grid->geometry();
    QWidget *firstRow = editor_.controlAs<QWidget>(QLatin1String(gridButtons[0]));
    QWidget *lastRow = editor_.controlAs<QWidget>(QLatin1String(gridButtons[1]));
    if (!gridButtonPlaces_[0].isEmpty()) {
        firstRow->setGeometry(gridButtonPlaces_[0]);
        lastRow->setGeometry(gridButtonPlaces_[1]);
    }
    if (!playerShown_) {
        grid->setGeometry(gridPlace_);
        return;
    }
    const QRect g = gridPlace_;
    const int h = large ? 24 : 22;
    QRect p;
    if (large && size_ == Size::Normal) {
        p = QRect(g.x() + (g.width() - 745) / 2, g.y(), 745, 227);
        const int top = p.bottom() + 3 + h + 2;
        grid->setGeometry(g.x(), top, g.width(), qMax(40, g.bottom() - top + 1));
    } else if (large) {
        const QSize screen = editor_.screenSize();
        const int height = screen == QSize(1280, 800) ? 456 : 479;
        p = QRect(6, 46, 497, height);
        grid->setGeometry(editor_.width() - 6 - 491, g.y(), 491, g.height());
    } else {
        // the grid narrows so that the player fits the window's right edge
        const int gridWidth = smallLayoutGridWidth(true);
        grid->setGeometry(g.x(), g.y(), gridWidth, g.height());
        p = QRect(g.x() + gridWidth + 2, 46, 263, 286);
        // the grid's first- and last-row buttons stay at its right edge
        firstRow->move(g.x() + gridWidth - firstRow->width(), g.y() - firstRow->height() - 2);
        lastRow->move(g.x() + gridWidth - lastRow->width(), g.y() + g.height() + 2);
    }
    playerRect_ = p;
    frame_->setGeometry(p);
    player_->videoWidget()->setGeometry(2, 2, p.width() - 4, p.height() - 4 - 3 * lineHeight - 2);
    player_->videoWidget()->show();

    const bool oneRow = large && size_ == Size::Normal;
    const int row = p.bottom() + 3;
    const int slot = oneRow ? 58 : p.width() / 8;
    for (int i = 0; i < 8; ++i)
        for (const char *n : buttonSlots[i])
            if (n)
                if (auto *b = editor_.controlAs<QWidget>(QLatin1String(n))) {
                    b->setGeometry(p.x() + i * slot, row, slot - 2, h);
                    b->raise();
                }
    const bool largeDisplay = large && size_ == Size::Large;
    // The large display keeps the counter and "Film háttérbe" over the
    // lower part of the picture: under the buttons they would cover the
    // controls below the grid.
    const int pictureBottom = p.y() + 2 + player_->videoWidget()->height();
    const int secondRow = largeDisplay ? pictureBottom - h - 2 : row + h + 2;
    const int left = largeDisplay ? p.x() + 2 : p.x();
    QRect counter;
    if (oneRow)
        counter = QRect(p.x() + 8 * slot, row, p.right() - (p.x() + 8 * slot) + 1, h);
    else
        counter = QRect(left, secondRow, large ? 300 : p.width(), h);
    counterGroup_->setGeometry(counter);
    centreCounter();
    const QRect behindButton(left + 304, secondRow, 120, h);
    for (const char *n : {"BFilmhatter", "Bfilmeloter"}) {
        QWidget *b = editor_.controlAs<QWidget>(QLatin1String(n));
        b->setGeometry(behindButton);
        b->raise();
    }
    model_.setVisible(QStringLiteral("BFilmhatter"), largeDisplay && !behind_);
    model_.setVisible(QStringLiteral("Bfilmeloter"), largeDisplay && behind_);
    if (largeDisplay && behind_) {
        frame_->lower();
    } else {
        frame_->raise();
        counterGroup_->raise();
        // over the picture in the large display
        for (const char *n : {"BFilmhatter", "Bfilmeloter"})
            editor_.controlAs<QWidget>(QLatin1String(n))->raise();
    }
    for (QLabel *l : lines_)
        l->raise();
    if (displayOn() && tracker_.shown() && hasRows())
        drawLines(filmLinesOf(model_.cds.field(Field::Szoveg)));
}
