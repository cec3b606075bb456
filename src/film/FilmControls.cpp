#include "film/FilmControls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTableView>

#include "editor/EditorModel.h"
#include "editor/TFelirat.h"
#include "film/FilmPlayer.h"

namespace {

constexpr int lineHeight = 16;
const Ctl lineLabels[] = {Ctl::st1, Ctl::st2, Ctl::st3};
// The grid's buttons that stand at its right edge.
const Ctl gridButtons[] = {Ctl::Belso, Ctl::Butolso};

}  // namespace

FilmControls::FilmControls(TFelirat &editor, FilmPlayer *player)
    : editor_(editor), model_(editor.model()), player_(player)
{
    for (int i = 0; i < 3; ++i)
        lines_[i] = editor.controlAs<QLabel>(lineLabels[i]);
    measure_ = editor.controlAs<QLabel>(Ctl::stsegit);
    counterLabel_ = editor.controlAs<QLabel>(Ctl::IdoFrame);
    counterGroup_ = editor.controlAs<QWidget>(Ctl::GBAdatok);
    // readable also where it stands over the picture (the large display)
    counterGroup_->setAutoFillBackground(true);
    frame_ = editor.controlAs<QWidget>(Ctl::wmp1);
    // the picture's frame is opaque, so that in front it covers what is behind
    frame_->setAttribute(Qt::WA_StyledBackground);
    frame_->setStyleSheet(
        QStringLiteral("QGroupBox#wmp1 { background: black; border: 1px solid #404040; margin: 0; }"));
    for (QLabel *l : lines_) {
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setStyleSheet(QStringLiteral("color: white; background: black;"));
    }
}

// ---- the counter ------------------------------------------------------------

void FilmControls::setCounterText(const QString &text)
{
    counterLabel_->setText(text);
    centreCounter();
}

void FilmControls::centreCounter()
{
    counterLabel_->adjustSize();
    const int left = qMax(0, (counterGroup_->width() - counterLabel_->width()) / 2);
    counterLabel_->move(left, qMax(0, (counterGroup_->height() - counterLabel_->height()) / 2));
}

// ---- the lines under the picture ----------------------------------------------

void FilmControls::hideLines()
{
    for (Ctl n : lineLabels)
        model_.setVisible(n, false);
}

void FilmControls::drawLines(const FilmLines &lines)
{
    if (lines[0].text.isEmpty() && lines[1].text.isEmpty() && lines[2].text.isEmpty()) {
        hideLines();
        return;
    }
    for (int i = 0; i < 3; ++i) {
        QLabel *label = lines_[i];
        const FilmLine &line = lines[i];
        const Ctl name = lineLabels[i];
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

// ---- placing ------------------------------------------------------------------------

void FilmControls::takeTablePlaces()
{
    gridPlace_ = editor_.grid()->geometry();
    for (int i = 0; i < 2; ++i)
        gridButtonPlaces_[i] = editor_.controlAs<QWidget>(gridButtons[i])->geometry();
}

void FilmControls::place(bool shown, bool largeLayout, bool largeDisplay, bool behind)
{
    QTableView *grid = editor_.grid();
    if (gridPlace_.isEmpty())
        gridPlace_ = grid->geometry();
    if (!gridButtonPlaces_[0].isEmpty())
        for (int i = 0; i < 2; ++i)
            editor_.controlAs<QWidget>(gridButtons[i])->setGeometry(gridButtonPlaces_[i]);
    if (!shown) {
        grid->setGeometry(gridPlace_);
        return;
    }
    // The large display keeps the counter and "Film háttérbe" over the lower
    // part of the picture: under the buttons they would cover the controls
    // below the grid.
    const FilmCase layout = filmCase(largeLayout, largeDisplay, editor_.screenSize());
    for (const FilmRect &r : filmLayout(layout, editor_.size(), gridPlace_))
        placeControl(r);
    playerRect_ = frame_->geometry();
    centreCounter();
    model_.setVisible(Ctl::BFilmhatter, largeDisplay && !behind);
    model_.setVisible(Ctl::Bfilmeloter, largeDisplay && behind);
    if (largeDisplay && behind) {
        frame_->lower();
    } else {
        frame_->raise();
        counterGroup_->raise();
        // over the picture in the large display
        for (Ctl n : {Ctl::BFilmhatter, Ctl::Bfilmeloter})
            editor_.controlAs<QWidget>(n)->raise();
    }
    for (QLabel *l : lines_)
        l->raise();
}

void FilmControls::placeControl(const FilmRect &r)
{
    if (r.entry->control == Ctl::None) {
        player_->videoWidget()->setGeometry(r.rect);
        player_->videoWidget()->show();
        return;
    }
    for (Ctl id : {r.entry->control, r.entry->sharing})
        if (auto *w = editor_.controlAs<QWidget>(id)) {
            w->setGeometry(r.rect);
            if (r.entry->raised)
                w->raise();
        }
}

void FilmControls::putBehind()
{
    frame_->lower();
    model_.setVisible(Ctl::BFilmhatter, false);
    model_.setVisible(Ctl::Bfilmeloter, true);
}

void FilmControls::bringToFront()
{
    frame_->raise();
    counterGroup_->raise();
    for (QLabel *l : lines_)
        l->raise();
    model_.setVisible(Ctl::Bfilmeloter, false);
    model_.setVisible(Ctl::BFilmhatter, true);
}
