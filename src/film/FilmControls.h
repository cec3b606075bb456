#pragma once
#include <QRect>
#include <QString>

#include "film/FilmLayout.h"
#include "film/FilmTimes.h"

class EditorModel;
class FilmPlayer;
class QLabel;
class QWidget;
class TFelirat;

// The film's controls in the editor window: the frame with the picture, the
// buttons under it, the counter and the subtitle lines over the picture's
// foot, placed from the film's place table (filmPlaces()).
class FilmControls {
public:
    FilmControls(TFelirat &editor, FilmPlayer *player);

    QWidget *frame() const { return frame_; }
    QRect playerRect() const { return playerRect_; }

    void setCounterText(const QString &text);
    void drawLines(const FilmLines &lines);
    void hideLines();

    // The grid and its two buttons as the window's table placed them.
    void takeTablePlaces();
    // Places the film for the editor's layout, or gives the grid its table
    // place back when the film is not shown.
    void place(bool shown, bool largeLayout, bool largeDisplay, bool behind);
    void putBehind();
    void bringToFront();

private:
    void centreCounter();
    void placeControl(const FilmRect &r);

    TFelirat &editor_;
    EditorModel &model_;
    FilmPlayer *player_;
    QRect playerRect_;
    QRect gridPlace_;
    QRect gridButtonPlaces_[2];
    QLabel *lines_[3] = {};
    QLabel *measure_ = nullptr;
    QLabel *counterLabel_ = nullptr;
    QWidget *counterGroup_ = nullptr;
    QWidget *frame_ = nullptr;
};
