#include "film/FilmPreview.h"

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
#include "film/FilmLayout.h"
#include "film/FilmPlayer.h"
#include "tools/timing/FpsConversion.h"
#include "tools/timing/TAviKi.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"

namespace {

// The buttons that work on rows, shown only with a table that has rows.
const Ctl rowButtons[] = {Ctl::SBvissza1mp, Ctl::SBvissza, Ctl::SBelore, Ctl::SBkezdo,
                          Ctl::SBbefejezes, Ctl::SBkezdbefejez};

}  // namespace

FilmPreview::FilmPreview(TFelirat &editor, FilmPlayer *player)
    : QObject(&editor), editor_(editor), model_(editor.model()), player_(player),
      timer_(new QTimer(this)), controls_(editor, player)
{
    timer_->setObjectName(QStringLiteral("Timer2"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &FilmPreview::tick);
    for (Ctl n : {Ctl::wmp1, Ctl::stsegit, Ctl::SBplay, Ctl::SBpause, Ctl::SBvissza1mp,
                  Ctl::SBvissza, Ctl::SBelore, Ctl::SBkezdo, Ctl::SBbefejezes, Ctl::SBkezdbefejez,
                  Ctl::SBSub, Ctl::SBNonSub, Ctl::GBAdatok, Ctl::BFilmhatter, Ctl::Bfilmeloter})
        model_.setVisible(n, false);
    model_.setEnabled(Ctl::SzamlaloKezdo, false);
    model_.setEnabled(Ctl::SzamlaloBefejezo, false);
    if (!player_)
        return;
    model_.setChecked(Ctl::FilmEredetiben, true);
    model_.setChecked(Ctl::FilmNagyban, false);
    model_.setChecked(Ctl::FilmMutatasa, false);
    model_.setChecked(Ctl::FeliratMutatasa, false);
    QWidget *picture = player_->videoWidget();
    picture->setParent(controls_.frame());
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
    return model_.isVisible(Ctl::SBSub);
}

bool FilmPreview::trackingActive() const
{
    return model_.isVisible(Ctl::SBSub) || model_.isVisible(Ctl::SBNonSub);
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

void FilmPreview::updateCounter(bool unknownAsNa)
{
    counter_.timeBase = model_.isTimeBase();
    counter_.fps = fps();
    controls_.setCounterText(filmCounterText(counter_, player_->position(), unknownAsNa));
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
    controls_.setCounterText(model_.isTimeBase() ? zeroFilmCounter : QStringLiteral("0 / 0"));
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
        controls_.setCounterText(model_.isTimeBase() ? zeroFilmCounter : QStringLiteral("0 / 0"));
        showFilmButtons(false);
        model_.setVisible(Ctl::SBplay, false);
        model_.setVisible(Ctl::SBpause, false);
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
    model_.setEnabled(Ctl::FilmEredetiben, large);
    model_.setEnabled(Ctl::FilmNagyban, large);
    if (size_ != Size::Normal)
        chooseSize(Size::Normal);
    model_.setChecked(Ctl::FilmEredetiben, true);
    model_.setChecked(Ctl::FilmNagyban, false);
    setFilmMenus(true);
    model_.setChecked(Ctl::FilmMutatasa, true);
    model_.setVisible(Ctl::SBplay, false);
    model_.setVisible(Ctl::SBpause, true);
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
    model_.setVisible(Ctl::SBplay, false);
    model_.setVisible(Ctl::SBpause, false);
    hideLines();
    counter_ = FilmCounter();
    durationKnown_ = false;
    controls_.setCounterText(model_.isTimeBase() ? zeroFilmCounter : QStringLiteral("0"));
}

void FilmPreview::setFilmMenus(bool on)
{
    for (Ctl n : {Ctl::FilmBezaras, Ctl::FilmInformacio, Ctl::Lejatszas1})
        model_.setEnabled(n, on);
    const bool rows = on && (hasRows() || !model_.fileNameField.isEmpty());
    for (Ctl n : {Ctl::FeliratMutatasa, Ctl::FilmFelirat, Ctl::BeallitasKezdo1,
                  Ctl::BeallitasBefejezo1})
        model_.setEnabled(n, rows);
}

// The row buttons and the display toggle, with the display on.
void FilmPreview::showFilmButtons(bool on)
{
    for (Ctl n : rowButtons)
        model_.setVisible(n, on);
    model_.setVisible(Ctl::SBSub, on);
    model_.setVisible(Ctl::SBNonSub, false);
    model_.setChecked(Ctl::FeliratMutatasa, on);
    const bool counterItems = on && playerShown_;
    model_.setEnabled(Ctl::SzamlaloKezdo, counterItems);
    model_.setEnabled(Ctl::SzamlaloBefejezo, counterItems);
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
    model_.setVisible(Ctl::SBplay, false);
    model_.setVisible(Ctl::SBpause, true);
    if (displayOn() && hasRows())
        tracker_.startPlayback(player_->position(), *this);
}

void FilmPreview::pause()
{
    if (!loaded())
        return;
    player_->pause();
    model_.setVisible(Ctl::SBpause, false);
    model_.setVisible(Ctl::SBplay, true);
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
        model_.setVisible(Ctl::SBpause, true);
        model_.setVisible(Ctl::SBplay, false);
        return;
    }
    timer_->stop();
    updateCounter(true);
    model_.setVisible(Ctl::SBplay, true);
    model_.setVisible(Ctl::SBpause, false);
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
    controls_.setCounterText(filmCounterText(counter_, seconds, true));
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
        controls_.setCounterText(zeroFilmCounter);
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
    controls_.drawLines(filmLinesOf(model_.cds.field(Field::Szoveg)));
}

void FilmPreview::hideLines()
{
    controls_.hideLines();
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
    model_.setChecked(Ctl::FilmMutatasa, true);
    model_.setVisible(Ctl::wmp1, true);
    model_.setVisible(Ctl::GBAdatok, true);
    const bool large = editor_.largeLayout();
    model_.setEnabled(Ctl::FilmEredetiben, large && loaded());
    model_.setEnabled(Ctl::FilmNagyban, large && loaded());
    // the player takes the grid's room: past 15 rows the grid scrolls
    model_.setVisible(Ctl::racsVScroll, model_.cds.recordCount() > 15);
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
    model_.setVisible(Ctl::GBAdatok, false);
    model_.setEnabled(Ctl::SzamlaloKezdo, false);
    model_.setEnabled(Ctl::SzamlaloBefejezo, false);
    model_.setChecked(Ctl::FilmMutatasa, false);
    hideLines();
    model_.setChecked(Ctl::FeliratMutatasa, false);
    model_.setVisible(Ctl::SBSub, false);
    model_.setVisible(Ctl::SBNonSub, false);
    for (Ctl n : rowButtons)
        model_.setVisible(n, false);
    model_.setVisible(Ctl::SBplay, false);
    model_.setVisible(Ctl::SBpause, false);
    model_.setVisible(Ctl::BFilmhatter, false);
    model_.setVisible(Ctl::Bfilmeloter, false);
    model_.setVisible(Ctl::wmp1, false);
    place();
}

void FilmPreview::chooseSize(Size size)
{
    if (!player_ || size == size_)
        return;
    if (size == Size::Large && !editor_.largeLayout())
        return;
    size_ = size;
    model_.setChecked(Ctl::FilmEredetiben, size == Size::Normal);
    model_.setChecked(Ctl::FilmNagyban, size == Size::Large);
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
    controls_.putBehind();
}

void FilmPreview::bringToFront()
{
    behind_ = false;
    controls_.bringToFront();
}

void FilmPreview::setDisplay(bool on)
{
    if (!trackingActive())
        return;
    model_.setVisible(Ctl::SBSub, on);
    model_.setVisible(Ctl::SBNonSub, !on);
    model_.setChecked(Ctl::FeliratMutatasa, on);
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
    controls_.takeTablePlaces();
    place();
}

void FilmPreview::place()
{
    if (!player_)
        return;
    const bool large = editor_.largeLayout();
    if (large != lastLarge_) {
        lastLarge_ = large;
        // a new layout leaves the film paused at its place
        if (loaded() && player_->state() == FilmPlayer::Playing)
            pause();
        if (!large && size_ == Size::Large) {
            size_ = Size::Normal;
            model_.setChecked(Ctl::FilmEredetiben, true);
            model_.setChecked(Ctl::FilmNagyban, false);
        }
        model_.setEnabled(Ctl::FilmEredetiben, large && loaded());
        model_.setEnabled(Ctl::FilmNagyban, large && loaded());
    }
    controls_.place(playerShown_, large, large && size_ == Size::Large, behind_);
    if (playerShown_ && displayOn() && tracker_.shown() && hasRows())
        controls_.drawLines(filmLinesOf(model_.cds.field(Field::Szoveg)));
}
