#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTableView>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "film/FilmPlayer.h"
#include "film/FilmPreview.h"

FilmPreview *wireFilmPreview(TFelirat &editor)
{
    FilmPlayer *player = nullptr;
    const FilmPlayerFactory &make = filmPlayerFactory();
    if (edition == Edition::Full && make) {
        player = make(editor.controlAs<QWidget>(Ctl::wmp1));
        if (!player)
            showMessageBox(QStringLiteral("Hiány"), BoxKind::error,
                           QStringLiteral("A program hibával leáll! Valószínűleg nincs"), false,
                           false, true, QStringLiteral("fent a Windows Media Player 9-es verziója!"));
    }
    auto *film = new FilmPreview(editor, player);
    film->setObjectName(QStringLiteral("FilmPreview"));
    EditorModel &m = editor.model();
    if (!player && make) {
        // no player to show a film with
        m.setVisible(Ctl::Bfilm, false);
        m.setVisible(Ctl::Film, false);
        return film;
    }

    editor.controlsPlaced = [film] { film->controlsPlaced(); };
    editor.filmPause = [film] { film->pauseForNewRows(); };
    editor.closing = [film] {
        if (film->loaded())
            film->closeFilm();
    };

    for (Ctl n : {Ctl::Bfilm, Ctl::FilmMegnyitas})
        editor.onClick(n, [film] { film->openDialog(); });
    editor.onClick(Ctl::FilmBezaras, [film] { film->closeFilm(); });
    editor.onClick(Ctl::FilmInformacio, [film] { film->showInfo(); });
    // A checkable item flips its own mark when used; the film's state says
    // what the mark is afterwards.
    const auto markFromModel = [&editor](Ctl name) {
        if (auto *a = editor.controlAs<QAction>(name))
            a->setChecked(editor.model().isChecked(name));
    };
    editor.onClick(Ctl::FilmEredetiben, [film, markFromModel] {
        film->chooseSize(FilmPreview::Size::Normal);
        markFromModel(Ctl::FilmEredetiben);
        markFromModel(Ctl::FilmNagyban);
    });
    editor.onClick(Ctl::FilmNagyban, [film, markFromModel] {
        film->chooseSize(FilmPreview::Size::Large);
        markFromModel(Ctl::FilmEredetiben);
        markFromModel(Ctl::FilmNagyban);
    });
    editor.onClick(Ctl::FilmMutatasa, [film, markFromModel] {
        film->toggleShown();
        markFromModel(Ctl::FilmMutatasa);
    });
    editor.onClick(Ctl::FeliratMutatasa, [film, &editor, markFromModel] {
        auto *item = editor.controlAs<QAction>(Ctl::FeliratMutatasa);
        film->setDisplay(item && item->isChecked());
        markFromModel(Ctl::FeliratMutatasa);
    });
    for (Ctl n : {Ctl::SBplay, Ctl::Lejatszas2})
        editor.onClick(n, [film] { film->play(); });
    for (Ctl n : {Ctl::SBpause, Ctl::Szunet1})
        editor.onClick(n, [film] { film->pause(); });
    editor.onClick(Ctl::Leallitas1, [film] { film->stop(); });
    editor.onClick(Ctl::SBvissza1mp, [film] { film->backOneSecond(); });
    editor.onClick(Ctl::SBvissza, [film] { film->previousRow(); });
    editor.onClick(Ctl::SBelore, [film] { film->nextRow(); });
    for (Ctl n : {Ctl::SBkezdo, Ctl::BeallitasKezdo1, Ctl::SzamlaloKezdo})
        editor.onClick(n, [film] { film->takeStart(); });
    for (Ctl n : {Ctl::SBbefejezes, Ctl::BeallitasBefejezo1, Ctl::SzamlaloBefejezo})
        editor.onClick(n, [film] { film->takeEnd(); });
    editor.onClick(Ctl::SBkezdbefejez, [film] { film->takeEndAndNextStart(); });
    editor.onClick(Ctl::SBSub, [film] { film->setDisplay(false); });
    editor.onClick(Ctl::SBNonSub, [film] { film->setDisplay(true); });
    editor.onClick(Ctl::BFilmhatter, [film] { film->putBehind(); });
    editor.onClick(Ctl::Bfilmeloter, [film] { film->bringToFront(); });

    QObject::connect(editor.grid(), &QTableView::doubleClicked, film,
                     [film] { film->seekToCurrentRow(); });
    if (auto *counter = editor.controlAs<QWidget>(Ctl::GBAdatok)) {
        counter->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(counter, &QWidget::customContextMenuRequested, film,
                         [&editor] { editor.popupAtMouse(Ctl::Szamlalo); });
    }
    return film;
}

void wireFilm(TFelirat &editor)
{
    wireFilmPreview(editor);
}
