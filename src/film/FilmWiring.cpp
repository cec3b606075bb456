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
        player = make(editor.controlAs<QWidget>(QStringLiteral("wmp1")));
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
        m.setVisible(QStringLiteral("Bfilm"), false);
        m.setVisible(QStringLiteral("Film"), false);
        return film;
    }

    editor.controlsPlaced = [film] { film->controlsPlaced(); };
    editor.filmPause = [film] { film->pauseForNewRows(); };
    editor.closing = [film] {
        if (film->loaded())
            film->closeFilm();
    };

    for (const char *n : {"Bfilm", "FilmMegnyitas"})
        editor.onClick(QLatin1String(n), [film] { film->openDialog(); });
    editor.onClick(QStringLiteral("FilmBezaras"), [film] { film->closeFilm(); });
    editor.onClick(QStringLiteral("FilmInformacio"), [film] { film->showInfo(); });
    // A checkable item flips its own mark when used; the film's state says
    // what the mark is afterwards.
    const auto markFromModel = [&editor](const char *name) {
        if (auto *a = editor.controlAs<QAction>(QLatin1String(name)))
            a->setChecked(editor.model().isChecked(QLatin1String(name)));
    };
    editor.onClick(QStringLiteral("FilmEredetiben"), [film, markFromModel] {
        film->chooseSize(FilmPreview::Size::Normal);
        markFromModel("FilmEredetiben");
        markFromModel("FilmNagyban");
    });
    editor.onClick(QStringLiteral("FilmNagyban"), [film, markFromModel] {
        film->chooseSize(FilmPreview::Size::Large);
        markFromModel("FilmEredetiben");
        markFromModel("FilmNagyban");
    });
    editor.onClick(QStringLiteral("FilmMutatasa"), [film, markFromModel] {
        film->toggleShown();
        markFromModel("FilmMutatasa");
    });
    editor.onClick(QStringLiteral("FeliratMutatasa"), [film, &editor, markFromModel] {
        auto *item = editor.controlAs<QAction>(QStringLiteral("FeliratMutatasa"));
        film->setDisplay(item && item->isChecked());
        markFromModel("FeliratMutatasa");
    });
    for (const char *n : {"SBplay", "Lejatszas2"})
        editor.onClick(QLatin1String(n), [film] { film->play(); });
    for (const char *n : {"SBpause", "Szunet1"})
        editor.onClick(QLatin1String(n), [film] { film->pause(); });
    editor.onClick(QStringLiteral("Leallitas1"), [film] { film->stop(); });
    editor.onClick(QStringLiteral("SBvissza1mp"), [film] { film->backOneSecond(); });
    editor.onClick(QStringLiteral("SBvissza"), [film] { film->previousRow(); });
    editor.onClick(QStringLiteral("SBelore"), [film] { film->nextRow(); });
    for (const char *n : {"SBkezdo", "BeallitasKezdo1", "SzamlaloKezdo"})
        editor.onClick(QLatin1String(n), [film] { film->takeStart(); });
    for (const char *n : {"SBbefejezes", "BeallitasBefejezo1", "SzamlaloBefejezo"})
        editor.onClick(QLatin1String(n), [film] { film->takeEnd(); });
    editor.onClick(QStringLiteral("SBkezdbefejez"), [film] { film->takeEndAndNextStart(); });
    editor.onClick(QStringLiteral("SBSub"), [film] { film->setDisplay(false); });
    editor.onClick(QStringLiteral("SBNonSub"), [film] { film->setDisplay(true); });
    editor.onClick(QStringLiteral("BFilmhatter"), [film] { film->putBehind(); });
    editor.onClick(QStringLiteral("Bfilmeloter"), [film] { film->bringToFront(); });

    QObject::connect(editor.grid(), &QTableView::doubleClicked, film,
                     [film] { film->seekToCurrentRow(); });
    if (auto *counter = editor.controlAs<QWidget>(QStringLiteral("GBAdatok"))) {
        counter->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(counter, &QWidget::customContextMenuRequested, film,
                         [&editor] { editor.popupAtMouse(QStringLiteral("Szamlalo")); });
    }
    return film;
}

void wireFilm(TFelirat &editor)
{
    wireFilmPreview(editor);
}
