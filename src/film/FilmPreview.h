#pragma once
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include "film/FilmControls.h"
#include "film/FilmTimes.h"
#include "film/FilmTracker.h"

class EditorModel;
class FilmPlayer;
class QLabel;
class QTimer;
class TAviKi;
class TFelirat;

// The film in the editor window: loading and closing, the player buttons,
// the display sizes and the times taken from the film. The tracker decides
// which row belongs to the position; this class feeds it from the player and
// the table, and its controls (FilmControls) draw the answer.
class FilmPreview : public QObject, public FilmTrackerView {
    Q_OBJECT
public:
    // Without a player (the edition without a film) nothing of the film is
    // shown.
    FilmPreview(TFelirat &editor, FilmPlayer *player);

    enum class Size { Normal, Large };

    FilmPlayer *player() const { return player_; }
    bool loaded() const;
    FilmTracker &tracker() { return tracker_; }
    QTimer *tracking() const { return timer_; }
    bool playerShown() const { return playerShown_; }
    Size size() const { return size_; }
    bool displayOn() const;
    bool trackingActive() const;

    // "Film betöltése" / "Megnyitás": the AVI window in its film mode.
    void openDialog();
    // "Film megnyitása" on a chosen file; true when the window closes.
    bool openFilm(const QString &path, TAviKi *dialog);
    void closeFilm();

    void play();
    void pause();
    void stop();
    void backOneSecond();
    void previousRow();
    void nextRow();
    // The film to the current row's start (a double click on the grid).
    void seekToCurrentRow();

    void takeStart();
    void takeEnd();
    void takeEndAndNextStart();

    void showInfo();
    void toggleShown();
    void showPlayer();
    void hidePlayer();
    void chooseSize(Size size);
    void putBehind();
    void bringToFront();
    void setDisplay(bool on);

    // A subtitle is about to be read (or the time base switched): the film
    // pauses, and the rows that come are shown under it with the display on.
    void pauseForNewRows();

    // One tick of Timer2.
    void tick();

    // FilmTrackerView
    void showRow(int row) override;
    void hideLines() override;

    // Places the player and its controls for the editor's layout.
    void place();
    // After the window placed its controls from its table.
    void controlsPlaced();
    QRect playerRect() const { return controls_.playerRect(); }

private:
    void updateCounter(bool unknownAsNa = false);
    void buildCache();
    void showFilmButtons(bool on);
    void setFilmMenus(bool on);
    void onStateChanged(int state);
    void tableReset();
    void rowsChangedFrom(int index);
    void rowChanged(int index);
    bool hasRows() const;
    bool playing() const;
    QString fps() const;

    TFelirat &editor_;
    EditorModel &model_;
    FilmPlayer *player_;
    QTimer *timer_;
    FilmTracker tracker_;
    FilmCounter counter_;
    bool durationKnown_ = false;
    bool rowsAnnounced_ = false;
    QString filmSizeMb_;
    QString filmFps_;
    bool playerShown_ = false;
    Size size_ = Size::Normal;
    bool behind_ = false;
    bool lastLarge_ = true;
    FilmControls controls_;
};

// The film's glue in the editor window: the player from the installed
// factory ("Hiány" when it cannot be made), the buttons, menus, the grid's
// double click and the table's changes.
FilmPreview *wireFilmPreview(TFelirat &editor);
