#include "editor/EditorControls.h"

#include <QHash>
#include <QString>
#include <array>

namespace {

using K = ControlKind;

constexpr unsigned char R = FromRight, B = FromBottom, TR = ToRight, TB = ToBottom;

// Columns: name, kind, parent, caption, hint, 1024x768 place, 800x600 place,
// and where they differ, the places with two subtitles side by side.
constexpr ControlSpec controls[] = {
    // top row
    {Ctl::ido, K::Label, Ctl::None, "", "", {6, 23, 150, 22}, {4, 22, 122, 20}},
    {Ctl::Fszazalek, K::Progress, Ctl::None, "", "", {162, 25, 150, 18}, {130, 24, 100, 16}},
    {Ctl::LFeliratNeve, K::Label, Ctl::None, "Felirat neve:", "", {326, 23, 80, 22}, {236, 22, 66, 20}},
    {Ctl::Efilenev, K::Edit, Ctl::None, "", "", {406, 23, 412, 22}, {304, 22, 306, 20}},
    {Ctl::Btallozas, K::Button, Ctl::None, "Tallózás", "", {824, 22, 88, 24}, {614, 21, 80, 22}},
    {Ctl::Bfilm, K::Button, Ctl::None, "Film betöltése", "", {916, 22, 98, 24}, {698, 21, 98, 22}},

    // settings
    {Ctl::GbBeallitas, K::Group, Ctl::None, "Beállítások", "", {6, 53, 216, 104}, {4, 46, 190, 94}},
    {Ctl::LBeosztas, K::Label, Ctl::GbBeallitas, "Beosztás:", "", {10, 22, 64, 20}, {8, 18, 56, 20}},
    {Ctl::beosztas, K::Combo, Ctl::GbBeallitas, "", "", {76, 20, 130, 22}, {64, 17, 118, 20}},
    {Ctl::LFps, K::Label, Ctl::GbBeallitas, "FPS:", "", {10, 48, 64, 20}, {8, 42, 56, 20}},
    {Ctl::cbFps, K::Combo, Ctl::GbBeallitas, "", "", {76, 46, 130, 22}, {64, 41, 118, 20}},
    {Ctl::Batvaltas, K::Button, Ctl::GbBeallitas, "Átváltás", "", {8, 74, 82, 24}, {6, 66, 78, 22}},
    {Ctl::BFPS, K::Button, Ctl::GbBeallitas, "FPS érték AVI-ból", "AVI file FPS értékének kinyerése",
     {94, 74, 114, 24}, {86, 66, 98, 22}},

    // activities
    {Ctl::GbTevekenyseg, K::Group, Ctl::None, "Tevékenységek", "", {6, 163, 216, 206}, {4, 144, 190, 182}},
    {Ctl::LModositas, K::Label, Ctl::GbTevekenyseg, "Módosítás:", "", {10, 20, 120, 18}, {8, 16, 100, 16}},
    {Ctl::CbPM, K::Combo, Ctl::GbTevekenyseg, "", "", {8, 38, 40, 22}, {6, 32, 36, 20}},
    {Ctl::Emodositas, K::Edit, Ctl::GbTevekenyseg, "0", "", {52, 38, 116, 22}, {44, 32, 106, 20}, {}, {}, 12},
    {Ctl::Bmodok, K::Button, Ctl::GbTevekenyseg, "Ok", "Módosítás végrehajtása", {172, 37, 36, 24},
     {152, 31, 32, 22}},
    {Ctl::Breszletes, K::Button, Ctl::GbTevekenyseg, "Részletes>>>", "", {8, 64, 200, 24}, {6, 56, 178, 22}},
    {Ctl::LKereses, K::Label, Ctl::GbTevekenyseg, "Keresés:", "", {10, 94, 120, 18}, {8, 82, 100, 16}},
    {Ctl::Ekereses, K::Edit, Ctl::GbTevekenyseg, "", "", {8, 112, 160, 22}, {6, 98, 144, 20}},
    {Ctl::Bkeresok, K::Button, Ctl::GbTevekenyseg, "Ok", "Keresés indítása", {172, 111, 36, 24},
     {152, 97, 32, 22}},
    {Ctl::CBugras, K::Check, Ctl::GbTevekenyseg, "Ugrás a szóra", "", {10, 138, 200, 20}, {8, 120, 178, 18}},
    {Ctl::CBsortores, K::Check, Ctl::GbTevekenyseg, "Sortörés figyelmen kívül hagyása", "",
     {8, 158, 206, 20}, {8, 138, 178, 18}},
    {Ctl::BKreszletes, K::Button, Ctl::GbTevekenyseg, "Részletes>>>", "", {8, 178, 200, 24},
     {6, 156, 178, 22}},

    // below the groups
    {Ctl::atlatszo, K::Check, Ctl::None, "Átlátszódás", "", {8, 375, 110, 22}, {6, 330, 96, 20}},
    {Ctl::Valto, K::Spin, Ctl::None, "", "", {136, 375, 64, 22}, {120, 330, 64, 20}},
    {Ctl::LUgras, K::Label, Ctl::None, "Ugrás erre a sorra:", "", {8, 401, 140, 16}, {6, 352, 140, 15}},
    {Ctl::Eugras, K::Edit, Ctl::None, "", "", {8, 419, 124, 22}, {6, 368, 112, 20}, {}, {}, 8},
    {Ctl::Bugras, K::Button, Ctl::None, "Ok", "", {136, 418, 76, 24}, {122, 367, 64, 22}},
    {Ctl::Cbki, K::Check, Ctl::None, "Kilépésnél: nincs kérdés", "", {8, 447, 200, 20}, {6, 392, 184, 18}},
    {Ctl::Bvissza, K::Button, Ctl::None, "Vissza a főmenübe", "", {6, 471, 216, 26}, {4, 414, 190, 24}},
    {Ctl::Bki, K::Button, Ctl::None, "Kilépés", "", {6, 501, 216, 26}, {4, 442, 190, 24}},

    // the narrow column (a row above the grid in the small layout, so that
    // the left column keeps its captions whole beside the 609-pixel grid)
    {Ctl::B12, K::Button, Ctl::None, "1-2", "", {227, 83, 32, 26}, {197, 46, 34, 22}},
    {Ctl::B22, K::Button, Ctl::None, "2-2", "", {227, 113, 32, 26}, {233, 46, 34, 22}},
    {Ctl::B21, K::Button, Ctl::None, "2-1", "", {227, 143, 32, 26}, {269, 46, 34, 22}},
    {Ctl::Bvegelso, K::Button, Ctl::None, "G", "", {227, 173, 32, 26}, {305, 46, 34, 22}},
    {Ctl::Bov, K::Button, Ctl::None, "ÖV", "", {227, 203, 32, 26}, {341, 46, 34, 22}},
    {Ctl::Bovm, K::Button, Ctl::None, "ÖV-", "", {227, 233, 32, 26}, {377, 46, 34, 22}},

    // centre: the grid, and the second subtitle's buttons on its right
    {Ctl::Belso, K::Button, Ctl::None, "Első sor", "", {102, 53, 96, 24, R}, {88, 46, 86, 22, R},
     {148, 53, 96, 24, R}, {132, 46, 86, 22, R}},
    {Ctl::racs, K::Grid, Ctl::None, "", "", {264, 79, 6, 256, TR | TB}, {197, 70, 2, 248, TR | TB},
     {264, 79, 52, 256, TR | TB}, {197, 70, 46, 248, TR | TB}},
    {Ctl::Butolso, K::Button, Ctl::None, "Utolsó sor", "", {102, 253, 96, 24, R | B}, {88, 246, 86, 22, R | B},
     {148, 253, 96, 24, R | B}, {132, 246, 86, 22, R | B}},
    {Ctl::Mov, K::Button, Ctl::None, "MÖV", "", {48, 119, 42, 26, R}, {42, 100, 38, 24, R}},
    {Ctl::movm, K::Button, Ctl::None, "MÖV-", "", {48, 149, 42, 26, R}, {42, 126, 38, 24, R}},
    // the film's subtitle lines, shown under the film
    {Ctl::st1, K::Label, Ctl::None, "", "", {264, 79, 300, 20}, {197, 70, 300, 20}},
    {Ctl::st2, K::Label, Ctl::None, "", "", {264, 99, 300, 20}, {197, 90, 300, 20}},
    {Ctl::st3, K::Label, Ctl::None, "", "", {264, 119, 300, 20}, {197, 110, 300, 20}},
    // the film player and its controls, placed by the film's own layout
    {Ctl::wmp1, K::Group, Ctl::None, "", "", {}, {}},
    {Ctl::stsegit, K::Label, Ctl::None, "", "", {}, {}},
    {Ctl::SBplay, K::Button, Ctl::None, ">", "Film lejátszása", {}, {}},
    {Ctl::SBpause, K::Button, Ctl::None, "||", "Film szünetelése", {}, {}},
    {Ctl::SBvissza1mp, K::Button, Ctl::None, "-1mp", "Vissza 1mp-et", {}, {}},
    {Ctl::SBvissza, K::Button, Ctl::None, "<sor", "Vissza egy sornyit", {}, {}},
    {Ctl::SBelore, K::Button, Ctl::None, "sor>", "Előre egy sornyit", {}, {}},
    {Ctl::SBkezdo, K::Button, Ctl::None, "Kezd", "Beállítás kezdő értékként", {}, {}},
    {Ctl::SBbefejezes, K::Button, Ctl::None, "Bef", "Beállítás befejező értékként", {}, {}},
    {Ctl::SBkezdbefejez, K::Button, Ctl::None, "Bef+K",
     "Beállítás befejező értékként és a köv. sor kezdő értékeként", {}, {}},
    {Ctl::SBSub, K::Button, Ctl::None, "Fel", "Felirat mutatás/eltuntetése a film alatt", {}, {}},
    {Ctl::SBNonSub, K::Button, Ctl::None, "-Fel-", "Felirat mutatás/eltuntetése a film alatt", {}, {}},
    {Ctl::GBAdatok, K::Group, Ctl::None, "", "", {}, {}},
    {Ctl::IdoFrame, K::Label, Ctl::GBAdatok, "00:00:00,000 / 00:00:00,000", "", {}, {}},
    {Ctl::BFilmhatter, K::Button, Ctl::None, "Film háttérbe", "", {}, {}},
    {Ctl::Bfilmeloter, K::Button, Ctl::None, "Film előtérbe", "", {}, {}},

    // under the grid
    {Ctl::RB1, K::Radio, Ctl::None, "Sor módosítása és felvitele", "", {264, 226, 200, 20, B},
     {197, 222, 186, 20, B}},
    {Ctl::RB12, K::Radio, Ctl::None, "X CD -> X CD", "", {470, 226, 110, 20, B}, {385, 222, 100, 20, B}},
    {Ctl::CBracs, K::Check, Ctl::None, "Rácsba kattintáskor ugrás a szövegbe", "", {594, 226, 260, 20, B},
     {487, 222, 230, 20, B}},

    // row editing group
    {Ctl::GB1, K::Group, Ctl::None, "", "", {6, 202, 6, 196, B | TR}, {197, 200, 4, 196, B | TR}},
    {Ctl::LSor, K::Label, Ctl::GB1, "Sor:", "", {8, 18, 62, 22}, {6, 14, 60, 20}},
    {Ctl::Esorszam, K::Edit, Ctl::GB1, "", "", {72, 18, 96, 22}, {66, 14, 104, 20}},
    {Ctl::LKezdes, K::Label, Ctl::GB1, "Kezdés:", "", {8, 44, 62, 22}, {6, 38, 60, 20}},
    {Ctl::kezdes, K::Edit, Ctl::GB1, "", "", {72, 44, 96, 22}, {66, 38, 104, 20}, {}, {}, 12},
    {Ctl::LBefejezes, K::Label, Ctl::GB1, "Befejezés:", "", {176, 44, 66, 22}, {6, 62, 60, 20}},
    {Ctl::befejezes, K::Edit, Ctl::GB1, "", "", {244, 44, 96, 22}, {66, 62, 104, 20}, {}, {}, 12},
    {Ctl::LKulonbseg, K::Label, Ctl::GB1, "Különbség:", "", {8, 70, 62, 22}, {6, 86, 60, 20}},
    {Ctl::kulonbseg, K::Edit, Ctl::GB1, "", "", {72, 70, 96, 22}, {66, 86, 104, 20}, {}, {}, 13},
    {Ctl::Bertek, K::Button, Ctl::GB1, "Értékek beállítása", "", {176, 69, 164, 24}, {6, 110, 164, 22}},
    {Ctl::szoveg, K::Memo, Ctl::GB1, "", "", {376, 16, 400, 146}, {178, 14, 236, 104}, {8, 16, 360, 62},
     {6, 14, 200, 104}},
    {Ctl::LKarakterszam, K::Label, Ctl::GB1, "Karakterszám:", "", {376, 166, 80, 20}, {178, 118, 74, 16},
     {8, 78, 80, 18}, {6, 118, 74, 16}},
    {Ctl::sordarab, K::Label, Ctl::GB1, "0=0 betű", "", {456, 166, 320, 20}, {252, 118, 162, 16},
     {88, 78, 280, 18}, {80, 118, 126, 16}},
    {Ctl::szoveg2, K::Memo, Ctl::GB1, "", "", {376, 16, 400, 62}, {212, 14, 200, 104}},
    {Ctl::LKarakterszam2, K::Label, Ctl::GB1, "Karakterszám:", "", {376, 78, 80, 18}, {212, 118, 74, 16}},
    {Ctl::sordarab2, K::Label, Ctl::GB1, "0=0 betű", "", {456, 78, 320, 18}, {286, 118, 128, 16}},
    {Ctl::Bbeszuras, K::Button, Ctl::GB1, "Új sor", "Egy sor beszúrása a file végéhez", {8, 100, 80, 24},
     {6, 138, 80, 22}},
    {Ctl::Belemoge, K::Button, Ctl::GB1, "Beszúrás", "Egy sor beszúrása az aktuális sor elé/mögé",
     {92, 100, 80, 24}, {90, 138, 80, 22}},
    {Ctl::Btorles, K::Button, Ctl::GB1, "Törlés", "Egy sor törlése", {176, 100, 80, 24}, {6, 164, 80, 22}},
    {Ctl::BTorlesTobb, K::Button, Ctl::GB1, "Több törlés", "Több egybefüggő sor törlése",
     {260, 100, 80, 24}, {90, 164, 80, 22}},
    {Ctl::cburessor, K::Check, Ctl::GB1, "Beszúráskor: üres sor", "", {8, 130, 166, 20},
     {178, 134, 236, 16}},
    {Ctl::CBdelete, K::Check, Ctl::GB1, "Ne legyen kérdés a törlésnél", "", {176, 130, 190, 20},
     {178, 150, 236, 16}},
    {Ctl::BMMN, K::Button, Ctl::GB1, "Mentés Más Néven", "", {8, 156, 164, 30}, {178, 168, 130, 24}},
    {Ctl::Bmentes, K::Button, Ctl::GB1, "Mentés", "", {176, 156, 164, 30}, {312, 168, 102, 24}},
    {Ctl::BOsszes, K::Button, Ctl::GB1, "Ö", "A feliratokban előforduló általános hibákat javítja",
     {786, 16, 52, 26}, {420, 14, 43, 24}},
    {Ctl::Bvonal, K::Button, Ctl::GB1, "1*-",
     "Ha az egész sorban egy db \"-\" jel van, akkor azt kitörli a program", {841, 16, 52, 26},
     {465, 14, 43, 24}},
    {Ctl::Boh, K::Button, Ctl::GB1, "öh",
     "36 karakternél kisebb és két sorból álló sorokat egy sorrá huzza össze/akkor ha nincs "
     "bennük párbeszéd/",
     {896, 16, 52, 26}, {510, 14, 43, 24}},
    {Ctl::Blista, K::Button, Ctl::GB1, "Lista", "Hibák listázása", {951, 16, 52, 26}, {555, 14, 43, 24}},
    {Ctl::L05, K::Button, Ctl::GB1, "0.5 mp", "0.5 mp-es sorok listája", {786, 46, 106, 26},
     {420, 42, 89, 24}},
    {Ctl::BTobbGomb, K::Button, Ctl::GB1, "Eszközök", "", {896, 46, 106, 26}, {511, 42, 85, 24}},
    {Ctl::Cbtobb, K::Check, Ctl::GB1, "Színezés             betű felett", "", {786, 80, 184, 22},
     {420, 72, 153, 20}},
    // placed over the gap of Cbtobb's caption by the window
    {Ctl::SEbetu, K::Spin, Ctl::GB1, "", "", {786, 80, 40, 22}, {420, 72, 28, 20}},
    {Ctl::Lbetu, K::Label, Ctl::GB1, "(0)", "", {972, 80, 36, 22}, {573, 72, 28, 20}},
    {Ctl::CB3sor, K::Check, Ctl::GB1, "Színezés 2 sor felett", "", {786, 106, 184, 22}, {420, 96, 153, 20}},
    {Ctl::Lsor, K::Label, Ctl::GB1, "(0)", "", {972, 106, 36, 22}, {573, 96, 28, 20}},
    {Ctl::BTobbCheck, K::Button, Ctl::GB1, "Beállítások", "", {786, 136, 216, 26}, {420, 124, 177, 24}},

    // CD group, shown instead of the row editing group in CD mode
    {Ctl::GB12, K::Group, Ctl::None, "", "", {6, 202, 6, 196, B | TR}, {197, 200, 4, 196, B | TR}},
    {Ctl::RB12cd1, K::Radio, Ctl::GB12, "1 CD -> 2 CD", "", {10, 16, 140, 20}, {8, 14, 140, 20}},
    {Ctl::Label9, K::Label, Ctl::GB12, "1. Válassza ki azt a sort ahol kezdodjön a 2. cd", "",
     {30, 38, 400, 18}, {24, 34, 380, 16}},
    {Ctl::Label13, K::Label, Ctl::GB12, "2. Adja meg a 2. cd elso sorának kezdoértékét:", "",
     {30, 60, 400, 18}, {24, 52, 380, 16}},
    {Ctl::E4kezdo, K::Edit, Ctl::GB12, "", "", {30, 82, 100, 22}, {24, 72, 96, 20}, {}, {}, 12},
    {Ctl::LNyil, K::Label, Ctl::GB12, "---->", "", {136, 82, 40, 22}, {124, 72, 36, 20}},
    {Ctl::E4kezdouj, K::Edit, Ctl::GB12, "", "", {176, 82, 100, 22}, {160, 72, 96, 20}, {}, {}, 12},
    {Ctl::Bvegrehajt, K::Button, Ctl::GB12, "Végrehajtás", "", {290, 81, 110, 24}, {264, 71, 100, 22}},
    {Ctl::szazalek12, K::Progress, Ctl::GB12, "", "", {30, 110, 370, 16}, {24, 98, 340, 14}},
    {Ctl::RB12cd2, K::Radio, Ctl::GB12, "2 CD -> 1 CD", "", {500, 16, 140, 20}, {8, 120, 140, 20}},
    {Ctl::Bfileki, K::Button, Ctl::GB12, "File-ok kiválasztása", "", {520, 40, 160, 24}, {24, 142, 150, 22}},
    {Ctl::Bvegre21, K::Button, Ctl::GB12, "Végrehajtás", "", {520, 70, 160, 24}, {180, 142, 100, 22}},

    // states of the grid
    {Ctl::Szoveg2, K::GridState, Ctl::racs, "", "", {}, {}},       // the second text's column shown
    {Ctl::racsVScroll, K::GridState, Ctl::racs, "", "", {}, {}},   // the scroll bar always shown
    {Ctl::racsRowSelect, K::GridState, Ctl::racs, "", "", {}, {}}, // whole rows selected

    // the open dialog's "Megnyitás", off while a file is read
    {Ctl::megnyitas, K::Button, Ctl::None, "Megnyitás", "", {}, {}, {}, {}, 0, "Kereses"},
};

constexpr MenuSpec menus[] = {
    {Ctl::File1, K::Menu, Ctl::None, "File", ""},
    {Ctl::Feliratmegnyitasa1, K::Item, Ctl::File1, "Felirat megnyitása", "Ctrl+O"},
    {Ctl::Masikfelirat, K::Item, Ctl::File1, "Másik felirat beolvasása", "Ctrl+M"},
    {Ctl::None, K::Item, Ctl::File1, "-", ""},
    {Ctl::Mentes1, K::Item, Ctl::File1, "Felirat mentése", "Ctrl+S"},
    {Ctl::Feliratmentsemsknt1, K::Item, Ctl::File1, "Felirat konvertálása", "Ctrl+Shift+S"},
    {Ctl::MentM1, K::Item, Ctl::File1, "Felirat mentése más néven", "Ctrl+Shift+M"},
    {Ctl::MentesMF, K::Item, Ctl::File1, "Másik felirat mentése", "Ctrl+F"},
    {Ctl::None, K::Item, Ctl::File1, "-", ""},
    {Ctl::Visszaafomenube1, K::Item, Ctl::File1, "Vissza a Főmenübe", ""},
    {Ctl::Kilepes1, K::Item, Ctl::File1, "Kilépés", "Esc"},

    {Ctl::Kereses, K::Menu, Ctl::None, "Keresés", ""},
    {Ctl::Kereses1, K::Item, Ctl::Kereses, "Keresés", "Ctrl+K"},
    {Ctl::Reszleteskereses1, K::Item, Ctl::Kereses, "Részletes keresés", "Ctrl+R"},
    {Ctl::Keresesescsere1, K::Item, Ctl::Kereses, "Keresés és csere", "Ctrl+Y"},

    {Ctl::Felbontas, K::Menu, Ctl::None, "Felbontás", ""},
    {Ctl::Felbonts1, K::Item, Ctl::Felbontas, "800X600", "F1"},
    {Ctl::Felbonts2, K::Item, Ctl::Felbontas, "1024X768", "F2"},

    {Ctl::Film, K::Menu, Ctl::None, "Film", ""},
    {Ctl::FilmMegnyitas, K::Item, Ctl::Film, "Megnyitás", ""},
    {Ctl::FilmBezaras, K::Item, Ctl::Film, "Bezárás", ""},
    {Ctl::FilmInformacio, K::Item, Ctl::Film, "Információ", ""},
    {Ctl::FilmEredetiben, K::Item, Ctl::Film, "Film mutatása eredetiben", "", "", true},
    {Ctl::FilmNagyban, K::Item, Ctl::Film, "Film mutatása nagyban", "", "", true},
    {Ctl::FilmMutatasa, K::Item, Ctl::Film, "Film mutatása", "", "", true},
    {Ctl::FeliratMutatasa, K::Item, Ctl::Film, "Felirat mutatása", "", "", true},
    {Ctl::Lejatszas1, K::Menu, Ctl::Film, "Lejátszás", ""},
    {Ctl::Lejatszas2, K::Item, Ctl::Lejatszas1, "Lejátszás", ""},
    {Ctl::Szunet1, K::Item, Ctl::Lejatszas1, "Szünet", ""},
    {Ctl::Leallitas1, K::Item, Ctl::Lejatszas1, "Leállítás", ""},
    {Ctl::FilmFelirat, K::Menu, Ctl::Film, "Felirat", ""},
    {Ctl::BeallitasKezdo1, K::Item, Ctl::FilmFelirat, "Beállítás Kezdő Értékként", ""},
    {Ctl::BeallitasBefejezo1, K::Item, Ctl::FilmFelirat, "Beállítás Befejező Értékként", ""},

    {Ctl::Felirat1, K::Menu, Ctl::None, "Felirat", ""},
    {Ctl::BAtfedes, K::Item, Ctl::Felirat1, "Átfedés vizsgálata", "Ctrl+B"},
    {Ctl::agressziv, K::Item, Ctl::Felirat1, "Agresszív sortörés", "Ctrl+A"},
    {Ctl::None, K::Item, Ctl::Felirat1, "-", ""},
    {Ctl::Szinezes38, K::Item, Ctl::Felirat1, "Színezés 37 betű felett", "F3"},
    {Ctl::Szinezes3, K::Item, Ctl::Felirat1, "Színezés 2 sor felett", "F4"},
    {Ctl::None, K::Item, Ctl::Felirat1, "-", ""},
    {Ctl::Uresmasikfelirat1, K::Item, Ctl::Felirat1, "Üres másik felirat", ""},
    {Ctl::Lista1, K::Item, Ctl::Felirat1, "Lista", "F5"},
    {Ctl::Helyesiras1, K::Item, Ctl::Felirat1, "Helyesírás-ellenőrzés", "F7"},
    {Ctl::Visszavonas1, K::Item, Ctl::Felirat1, "Utolsó módosítás visszavonása", "Ctrl+U"},
    {Ctl::Ujra1, K::Item, Ctl::Felirat1, "Mégis", "Ctrl+Shift+Z"},

    {Ctl::Info, K::Menu, Ctl::None, "Info", ""},
    {Ctl::Leiras1, K::Item, Ctl::Info, "Leírás", "Ctrl+L"},
    {Ctl::Info1, K::Item, Ctl::Info, "Info", "Ctrl+I"},

    // the grid's menu
    {Ctl::RacsPM, K::Popup, Ctl::None, "", ""},
    {Ctl::dolt, K::Item, Ctl::RacsPM, "Dőlt", "", "", true},
    {Ctl::dolt2, K::Item, Ctl::RacsPM, "Dőlt /2.fajta/", "", "", true},
    {Ctl::Vastagitott, K::Item, Ctl::RacsPM, "Vastagított", "", "", true},
    {Ctl::Alahuzott, K::Item, Ctl::RacsPM, "Aláhúzott", "", "", true},
    {Ctl::osszesel, K::Item, Ctl::RacsPM, "Minden formázás eltávolítása", ""},
    {Ctl::None, K::Item, Ctl::RacsPM, "-", ""},
    {Ctl::soreleRacs, K::Item, Ctl::RacsPM, "Egy sor beszúrása az aktuális sor elé", ""},
    {Ctl::sormogeRacs, K::Item, Ctl::RacsPM, "Egy sor beszúrása az aktuális sor mögé", ""},
    {Ctl::sor5mogeRacs, K::Item, Ctl::RacsPM, "5 sor beszúrása az aktuális sor mögé", ""},
    {Ctl::SortorlesRacs, K::Item, Ctl::RacsPM, "Sor törlése", ""},
    {Ctl::TobbsortorlesRacs, K::Item, Ctl::RacsPM, "Több sor törlése", ""},
    {Ctl::None, K::Item, Ctl::RacsPM, "-", ""},
    {Ctl::Kivagas, K::Item, Ctl::RacsPM, "Kivágás", ""},
    {Ctl::Masolas, K::Item, Ctl::RacsPM, "Másolás", ""},
    {Ctl::Beillesztes, K::Item, Ctl::RacsPM, "Beillesztés", ""},

    // the second subtitle's column and text field, and the drop from it
    {Ctl::BeTorlesPM, K::Popup, Ctl::None, "", ""},
    {Ctl::doltSz2, K::Item, Ctl::BeTorlesPM, "Dőlt", "", "", true},
    {Ctl::BeszurPMB, K::Item, Ctl::BeTorlesPM, "Sor beszúrása", ""},
    {Ctl::TorlesPMB, K::Item, Ctl::BeTorlesPM, "Sor törlése", ""},
    {Ctl::PMSz2, K::Popup, Ctl::None, "", ""},
    {Ctl::Kivgs1, K::Item, Ctl::PMSz2, "Kivágás + 1 sor beszúrása + beillesztés", ""},
    {Ctl::Athuzas, K::Popup, Ctl::None, "", ""},
    {Ctl::Beszrsasorel1, K::Item, Ctl::Athuzas, "Beszúrás a sor elé", ""},
    {Ctl::Beszrsasorutn1, K::Item, Ctl::Athuzas, "Beszúrás a sor után", ""},
    {Ctl::Mgsem1, K::Item, Ctl::Athuzas, "Mégsem", ""},

    // the text field's menu
    {Ctl::SzovegPop, K::Popup, Ctl::None, "", ""},
    {Ctl::SzPK1B, K::Item, Ctl::SzovegPop, "Kivágás + 1 sor beszúrása + beillesztés", ""},
    {Ctl::KivagKovBeEleje, K::Item, Ctl::SzovegPop, "Kivágás + beszúrás a következő sor elejére", ""},
    {Ctl::SzPK, K::Item, Ctl::SzovegPop, "Kivágás", ""},
    {Ctl::SzPM, K::Item, Ctl::SzovegPop, "Másolás", ""},
    {Ctl::SzPB, K::Item, Ctl::SzovegPop, "Beillesztés", ""},
    {Ctl::kszd, K::Item, Ctl::SzovegPop, "A kijelölt szöveg DŐLT legyen", ""},
    {Ctl::kszv, K::Item, Ctl::SzovegPop, "A kijelölt szöveg VASTAG legyen", ""},
    {Ctl::ksza, K::Item, Ctl::SzovegPop, "A kijelölt szöveg ALÁHÚZOTT legyen", ""},

    // the row buttons' menus
    {Ctl::PopupMenuEM, K::Popup, Ctl::None, "", ""},
    {Ctl::pmsorele, K::Item, Ctl::PopupMenuEM, "Egy sor beszúrása az aktuális sor elé", ""},
    {Ctl::pmsormoge, K::Item, Ctl::PopupMenuEM, "Egy sor beszúrása az aktuális sor mögé", ""},
    {Ctl::PMTorlesTobb, K::Popup, Ctl::None, "", ""},
    {Ctl::Tobbsortorlese1, K::Item, Ctl::PMTorlesTobb, "Több sor törlése...", ""},

    // the tool menu
    {Ctl::PMtobbgomb, K::Popup, Ctl::None, "", ""},
    {Ctl::HangutnzszavaksNevektrlse1, K::Item, Ctl::PMtobbgomb, "Hangutánzó szavak és nevek törlése", "",
     "Hangutánzó szavak és nagybetűs nevek törlése ami után \":\" jel van"},
    {Ctl::Hangutnzszavaksnevektrlse2, K::Item, Ctl::PMtobbgomb,
     "Hangutánzó szavak és nevek törlése - extra", ""},
    {Ctl::Sorfelezs3872bet1, K::Item, Ctl::PMtobbgomb, "Sorfelezés /38-72 betű/", "",
     "38 és 72 betű között elfelezi a sort(ha 1 soros volt a sor)"},
    {Ctl::None, K::Item, Ctl::PMtobbgomb, "-", ""},
    {Ctl::lgomb1, K::Item, Ctl::PMtobbgomb, "l betű kicserélése I-re", "",
     "Néha az angol feliratokban l (kis L) betű van az I (nagy i) helyett, ezeket cseréli ki a "
     "program"},
    {Ctl::kezgomb1, K::Item, Ctl::PMtobbgomb, "Ékezetek eltűntetése", "",
     "Ékezetes betűk átírása ékezet nélkülire"},
    {Ctl::sszesbetkisbetlegyen1, K::Item, Ctl::PMtobbgomb, "Összes betű kis betű legyen", "",
     "Nagybetűk átírása kisbetűsre"},
    {Ctl::ressoroktrlse1, K::Item, Ctl::PMtobbgomb, "Üres sorok törlése", ""},
    {Ctl::karakterekelttispaceeltntetse1, K::Item, Ctl::PMtobbgomb,
     ".?! karakterek előtti space eltűntetése", "",
     "Ha a . vagy ? vagy ! előtt space van, akkor kiveszi a space-t"},
    {Ctl::karakterekutntegyenspacet1, K::Item, Ctl::PMtobbgomb, ".,?! karakterek után tegyen space-t ",
     "", "Ha a . vagy ? vagy ! vagy , után nincs space, akkor betesz egyet"},

    // the options menu
    {Ctl::PMTobbCheck, K::Popup, Ctl::None, "", ""},
    {Ctl::MentAt, K::Item, Ctl::PMTobbCheck, "Mentéskor átfedés ellenőrzése", "", "", true},
    {Ctl::Beolvas, K::Item, Ctl::PMTobbCheck, "Beolvasáskor a hibák ne jelenjenek meg", "", "", true},
    {Ctl::Max2, K::Item, Ctl::PMTobbCheck, "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése", "",
     "", true},
    {Ctl::UresNe, K::Item, Ctl::PMTobbCheck, "Üres sort ne mentsen ki", "", "", true},

    // the film counter's menu
    {Ctl::Szamlalo, K::Popup, Ctl::None, "", ""},
    {Ctl::SzamlaloKezdo, K::Item, Ctl::Szamlalo, "Beállítás Kezdő Értékként", ""},
    {Ctl::SzamlaloBefejezo, K::Item, Ctl::Szamlalo, "Beállítás Befejező Értékként", ""},
};

using F = FilmRef;
constexpr unsigned char CX = CentreX;

// The film's places, in the order they are computed. Under the picture a
// row of eight buttons (the pairs share a place), then the counter and
// "Film háttérbe"; the large display keeps those two over the picture's
// lower part.
constexpr FilmPlaceSpec filmPlaceTable[] = {
    // control, sharing; large layout normal, large display, small layout
    {Ctl::racs, Ctl::None, {F::TableGrid, {0, 255, 0, 0, TR | TB}},
     {F::GridRows, {497, 0, 491, 0, R | TB}}, {F::TableGrid, {0, 0, 337, 0, TB}}, {}, 40},
    {Ctl::wmp1, Ctl::None, {F::TableGrid, {0, 0, 745, 227, CX}}, {F::Window, {6, 46, 497, 479}},
     {F::GridColumns, {339, 46, 263, 286}}, {F::Window, {6, 46, 497, 456}}},
    // the picture leaves room for three lines of subtitle under it
    {Ctl::None, Ctl::None, {F::Frame, {2, 2, 2, 52, TR | TB}}, {F::Frame, {2, 2, 2, 52, TR | TB}},
     {F::Frame, {2, 2, 2, 52, TR | TB}}},
    // the grid's first- and last-row buttons stay at its right edge
    {Ctl::Belso, Ctl::None, {}, {}, {F::Grid, {86, -24, 86, 22, R}}},
    {Ctl::Butolso, Ctl::None, {}, {}, {F::Grid, {86, -2, 86, 22, R | B}}},
    {Ctl::SBplay, Ctl::SBpause, {F::Frame, {0, -2, 56, 24, B}}, {F::Frame, {0, -2, 60, 24, B}},
     {F::Frame, {0, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBvissza1mp, Ctl::None, {F::Frame, {58, -2, 56, 24, B}}, {F::Frame, {62, -2, 60, 24, B}},
     {F::Frame, {32, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBvissza, Ctl::None, {F::Frame, {116, -2, 56, 24, B}}, {F::Frame, {124, -2, 60, 24, B}},
     {F::Frame, {64, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBelore, Ctl::None, {F::Frame, {174, -2, 56, 24, B}}, {F::Frame, {186, -2, 60, 24, B}},
     {F::Frame, {96, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBkezdo, Ctl::None, {F::Frame, {232, -2, 56, 24, B}}, {F::Frame, {248, -2, 60, 24, B}},
     {F::Frame, {128, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBbefejezes, Ctl::None, {F::Frame, {290, -2, 56, 24, B}}, {F::Frame, {310, -2, 60, 24, B}},
     {F::Frame, {160, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBkezdbefejez, Ctl::None, {F::Frame, {348, -2, 56, 24, B}},
     {F::Frame, {372, -2, 60, 24, B}}, {F::Frame, {192, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::SBSub, Ctl::SBNonSub, {F::Frame, {406, -2, 56, 24, B}}, {F::Frame, {434, -2, 60, 24, B}},
     {F::Frame, {224, -2, 30, 22, B}}, {}, 0, true},
    {Ctl::GBAdatok, Ctl::None, {F::Frame, {464, -2, 0, 24, B | TR}}, {F::Frame, {2, 78, 300, 24, B}},
     {F::Frame, {0, -26, 0, 22, B | TR}}},
    {Ctl::BFilmhatter, Ctl::Bfilmeloter, {F::Frame, {304, -28, 120, 24, B}},
     {F::Frame, {306, 78, 120, 24, B}}, {F::Frame, {304, -26, 120, 22, B}}, {}, 0, true},
};

constexpr const char *names[] = {
#define KELVO_CONTROL_NAME(n) #n,
    KELVO_EDITOR_CONTROL_IDS(KELVO_CONTROL_NAME) KELVO_EDITOR_MENU_IDS(KELVO_CONTROL_NAME)
#undef KELVO_CONTROL_NAME
};
static_assert(std::size(names) == controlIdCount);

// The table and the ids agree: the controls come in the ids' order, then the
// named menu entries, so an id indexes its entry.
constexpr bool controlsInIdOrder()
{
    int i = 0;
    for (const ControlSpec &c : controls)
        if (ctlIndex(c.id) != i++)
            return false;
    return true;
}
static_assert(controlsInIdOrder(), "the control table and KELVO_EDITOR_CONTROL_IDS disagree");

constexpr int controlCount = static_cast<int>(std::size(controls));

constexpr bool menusInIdOrder()
{
    int next = controlCount;
    for (const MenuSpec &m : menus)
        if (m.id != Ctl::None && ctlIndex(m.id) != next++)
            return false;
    return next == controlIdCount;
}
static_assert(menusInIdOrder(), "the menu table and KELVO_EDITOR_MENU_IDS disagree");

// Where each named menu entry stands in the menu table.
const std::array<const MenuSpec *, controlIdCount> &menuIndex()
{
    static const auto index = [] {
        std::array<const MenuSpec *, controlIdCount> a{};
        for (const MenuSpec &m : menus)
            if (m.id != Ctl::None)
                a[ctlIndex(m.id)] = &m;
        return a;
    }();
    return index;
}

}  // namespace

QRect Place::in(QSize parent) const
{
    const int left = (anchors & FromRight)  ? parent.width() - x
                     : (anchors & CentreX) ? (parent.width() - w) / 2 + x
                                           : x;
    const int top = (anchors & FromBottom) ? parent.height() - y : y;
    const int width = (anchors & ToRight) ? parent.width() - left - w : w;
    const int height = (anchors & ToBottom) ? parent.height() - top - h : h;
    return {left, top, width, height};
}

std::span<const ControlSpec> editorControls()
{
    return controls;
}

std::span<const MenuSpec> editorMenus()
{
    return menus;
}

std::span<const FilmPlaceSpec> filmPlaces()
{
    return filmPlaceTable;
}

QString nameOf(Ctl id)
{
    return id == Ctl::None ? QString() : QString::fromLatin1(names[ctlIndex(id)]);
}

std::optional<Ctl> controlIdOf(QStringView name)
{
    static const QHash<QString, Ctl> index = [] {
        QHash<QString, Ctl> h;
        for (int i = 0; i < controlIdCount; ++i)
            h.insert(QString::fromLatin1(names[i]), static_cast<Ctl>(i));
        return h;
    }();
    const auto it = index.constFind(name.toString());
    if (it == index.constEnd())
        return std::nullopt;
    return *it;
}

const ControlSpec *editorControl(Ctl id)
{
    return ctlIndex(id) < controlCount ? &controls[ctlIndex(id)] : nullptr;
}

const MenuSpec *editorMenuEntry(Ctl id)
{
    return id == Ctl::None ? nullptr : menuIndex()[ctlIndex(id)];
}

QRect placeOf(const ControlSpec &c, bool large, bool twoSubtitles, QSize parent)
{
    const Place &two = large ? c.largeTwo : c.smallTwo;
    const Place &one = large ? c.large : c.small;
    return (twoSubtitles && two.isSet() ? two : one).in(parent);
}
