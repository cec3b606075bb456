#include "editor/EditorControls.h"

#include <QHash>
#include <QString>

namespace {

using K = ControlKind;

constexpr unsigned char R = FromRight, B = FromBottom, TR = ToRight, TB = ToBottom;

// Columns: name, kind, parent, caption, hint, 1024x768 place, 800x600 place,
// and where they differ, the places with two subtitles side by side.
const ControlSpec controls[] = {
    // top row
    {"ido", K::Label, "", "", "", {6, 23, 150, 22}, {4, 22, 122, 20}},
    {"Fszazalek", K::Progress, "", "", "", {162, 25, 150, 18}, {130, 24, 100, 16}},
    {"LFeliratNeve", K::Label, "", "Felirat neve:", "", {326, 23, 80, 22}, {236, 22, 66, 20}},
    {"Efilenev", K::Edit, "", "", "", {406, 23, 412, 22}, {304, 22, 306, 20}},
    {"Btallozas", K::Button, "", "Tallózás", "", {824, 22, 88, 24}, {614, 21, 80, 22}},
    {"Bfilm", K::Button, "", "Film betöltése", "", {916, 22, 98, 24}, {698, 21, 98, 22}},

    // settings
    {"GbBeallitas", K::Group, "", "Beállítások", "", {6, 53, 216, 104}, {4, 46, 190, 94}},
    {"LBeosztas", K::Label, "GbBeallitas", "Beosztás:", "", {10, 22, 64, 20}, {8, 18, 56, 20}},
    {"beosztas", K::Combo, "GbBeallitas", "", "", {76, 20, 130, 22}, {64, 17, 118, 20}},
    {"LFps", K::Label, "GbBeallitas", "FPS:", "", {10, 48, 64, 20}, {8, 42, 56, 20}},
    {"cbFps", K::Combo, "GbBeallitas", "", "", {76, 46, 130, 22}, {64, 41, 118, 20}},
    {"Batvaltas", K::Button, "GbBeallitas", "Átváltás", "", {8, 74, 82, 24}, {6, 66, 78, 22}},
    {"BFPS", K::Button, "GbBeallitas", "FPS érték AVI-ból", "AVI file FPS értékének kinyerése",
     {94, 74, 114, 24}, {86, 66, 98, 22}},

    // activities
    {"GbTevekenyseg", K::Group, "", "Tevékenységek", "", {6, 163, 216, 206}, {4, 144, 190, 182}},
    {"LModositas", K::Label, "GbTevekenyseg", "Módosítás:", "", {10, 20, 120, 18}, {8, 16, 100, 16}},
    {"CbPM", K::Combo, "GbTevekenyseg", "", "", {8, 38, 40, 22}, {6, 32, 36, 20}},
    {"Emodositas", K::Edit, "GbTevekenyseg", "0", "", {52, 38, 116, 22}, {44, 32, 106, 20}, {}, {}, 12},
    {"Bmodok", K::Button, "GbTevekenyseg", "Ok", "Módosítás végrehajtása", {172, 37, 36, 24},
     {152, 31, 32, 22}},
    {"Breszletes", K::Button, "GbTevekenyseg", "Részletes>>>", "", {8, 64, 200, 24}, {6, 56, 178, 22}},
    {"LKereses", K::Label, "GbTevekenyseg", "Keresés:", "", {10, 94, 120, 18}, {8, 82, 100, 16}},
    {"Ekereses", K::Edit, "GbTevekenyseg", "", "", {8, 112, 160, 22}, {6, 98, 144, 20}},
    {"Bkeresok", K::Button, "GbTevekenyseg", "Ok", "Keresés indítása", {172, 111, 36, 24},
     {152, 97, 32, 22}},
    {"CBugras", K::Check, "GbTevekenyseg", "Ugrás a szóra", "", {10, 138, 200, 20}, {8, 120, 178, 18}},
    {"CBsortores", K::Check, "GbTevekenyseg", "Sortörés figyelmen kívül hagyása", "",
     {8, 158, 206, 20}, {8, 138, 178, 18}},
    {"BKreszletes", K::Button, "GbTevekenyseg", "Részletes>>>", "", {8, 178, 200, 24},
     {6, 156, 178, 22}},

    // below the groups
    {"atlatszo", K::Check, "", "Átlátszódás", "", {8, 375, 110, 22}, {6, 330, 96, 20}},
    {"Valto", K::Spin, "", "", "", {136, 375, 64, 22}, {120, 330, 64, 20}},
    {"LUgras", K::Label, "", "Ugrás erre a sorra:", "", {8, 401, 140, 16}, {6, 352, 140, 15}},
    {"Eugras", K::Edit, "", "", "", {8, 419, 124, 22}, {6, 368, 112, 20}, {}, {}, 8},
    {"Bugras", K::Button, "", "Ok", "", {136, 418, 76, 24}, {122, 367, 64, 22}},
    {"Cbki", K::Check, "", "Kilépésnél: nincs kérdés", "", {8, 447, 200, 20}, {6, 392, 184, 18}},
    {"Bvissza", K::Button, "", "Vissza a főmenübe", "", {6, 471, 216, 26}, {4, 414, 190, 24}},
    {"Bki", K::Button, "", "Kilépés", "", {6, 501, 216, 26}, {4, 442, 190, 24}},

    // the narrow column (a row above the grid in the small layout, so that
    // the left column keeps its captions whole beside the 609-pixel grid)
    {"B12", K::Button, "", "1-2", "", {227, 83, 32, 26}, {197, 46, 34, 22}},
    {"B22", K::Button, "", "2-2", "", {227, 113, 32, 26}, {233, 46, 34, 22}},
    {"B21", K::Button, "", "2-1", "", {227, 143, 32, 26}, {269, 46, 34, 22}},
    {"Bvegelso", K::Button, "", "G", "", {227, 173, 32, 26}, {305, 46, 34, 22}},
    {"Bov", K::Button, "", "ÖV", "", {227, 203, 32, 26}, {341, 46, 34, 22}},
    {"Bovm", K::Button, "", "ÖV-", "", {227, 233, 32, 26}, {377, 46, 34, 22}},

    // centre: the grid, and the second subtitle's buttons on its right
    {"Belso", K::Button, "", "Első sor", "", {102, 53, 96, 24, R}, {88, 46, 86, 22, R},
     {148, 53, 96, 24, R}, {132, 46, 86, 22, R}},
    {"racs", K::Grid, "", "", "", {264, 79, 6, 256, TR | TB}, {197, 70, 2, 248, TR | TB},
     {264, 79, 52, 256, TR | TB}, {197, 70, 46, 248, TR | TB}},
    {"Butolso", K::Button, "", "Utolsó sor", "", {102, 253, 96, 24, R | B}, {88, 246, 86, 22, R | B},
     {148, 253, 96, 24, R | B}, {132, 246, 86, 22, R | B}},
    {"Mov", K::Button, "", "MÖV", "", {48, 119, 42, 26, R}, {42, 100, 38, 24, R}},
    {"movm", K::Button, "", "MÖV-", "", {48, 149, 42, 26, R}, {42, 126, 38, 24, R}},
    // the film's subtitle lines, shown under the film
    {"st1", K::Label, "", "", "", {264, 79, 300, 20}, {197, 70, 300, 20}},
    {"st2", K::Label, "", "", "", {264, 99, 300, 20}, {197, 90, 300, 20}},
    {"st3", K::Label, "", "", "", {264, 119, 300, 20}, {197, 110, 300, 20}},
    // the film player and its controls, placed by the film's own layout
    {"wmp1", K::Group, "", "", "", {}, {}},
    {"stsegit", K::Label, "", "", "", {}, {}},
    {"SBplay", K::Button, "", ">", "Film lejátszása", {}, {}},
    {"SBpause", K::Button, "", "||", "Film szünetelése", {}, {}},
    {"SBvissza1mp", K::Button, "", "-1mp", "Vissza 1mp-et", {}, {}},
    {"SBvissza", K::Button, "", "<sor", "Vissza egy sornyit", {}, {}},
    {"SBelore", K::Button, "", "sor>", "Előre egy sornyit", {}, {}},
    {"SBkezdo", K::Button, "", "Kezd", "Beállítás kezdő értékként", {}, {}},
    {"SBbefejezes", K::Button, "", "Bef", "Beállítás befejező értékként", {}, {}},
    {"SBkezdbefejez", K::Button, "", "Bef+K",
     "Beállítás befejező értékként és a köv. sor kezdő értékeként", {}, {}},
    {"SBSub", K::Button, "", "Fel", "Felirat mutatás/eltuntetése a film alatt", {}, {}},
    {"SBNonSub", K::Button, "", "-Fel-", "Felirat mutatás/eltuntetése a film alatt", {}, {}},
    {"GBAdatok", K::Group, "", "", "", {}, {}},
    {"IdoFrame", K::Label, "GBAdatok", "00:00:00,000 / 00:00:00,000", "", {}, {}},
    {"BFilmhatter", K::Button, "", "Film háttérbe", "", {}, {}},
    {"Bfilmeloter", K::Button, "", "Film előtérbe", "", {}, {}},

    // under the grid
    {"RB1", K::Radio, "", "Sor módosítása és felvitele", "", {264, 226, 200, 20, B},
     {197, 222, 186, 20, B}},
    {"RB12", K::Radio, "", "X CD -> X CD", "", {470, 226, 110, 20, B}, {385, 222, 100, 20, B}},
    {"CBracs", K::Check, "", "Rácsba kattintáskor ugrás a szövegbe", "", {594, 226, 260, 20, B},
     {487, 222, 230, 20, B}},

    // row editing group
    {"GB1", K::Group, "", "", "", {6, 202, 6, 196, B | TR}, {197, 200, 4, 196, B | TR}},
    {"LSor", K::Label, "GB1", "Sor:", "", {8, 18, 62, 22}, {6, 14, 60, 20}},
    {"Esorszam", K::Edit, "GB1", "", "", {72, 18, 96, 22}, {66, 14, 104, 20}},
    {"LKezdes", K::Label, "GB1", "Kezdés:", "", {8, 44, 62, 22}, {6, 38, 60, 20}},
    {"kezdes", K::Edit, "GB1", "", "", {72, 44, 96, 22}, {66, 38, 104, 20}, {}, {}, 12},
    {"LBefejezes", K::Label, "GB1", "Befejezés:", "", {176, 44, 66, 22}, {6, 62, 60, 20}},
    {"befejezes", K::Edit, "GB1", "", "", {244, 44, 96, 22}, {66, 62, 104, 20}, {}, {}, 12},
    {"LKulonbseg", K::Label, "GB1", "Különbség:", "", {8, 70, 62, 22}, {6, 86, 60, 20}},
    {"kulonbseg", K::Edit, "GB1", "", "", {72, 70, 96, 22}, {66, 86, 104, 20}, {}, {}, 13},
    {"Bertek", K::Button, "GB1", "Értékek beállítása", "", {176, 69, 164, 24}, {6, 110, 164, 22}},
    {"szoveg", K::Memo, "GB1", "", "", {376, 16, 400, 146}, {178, 14, 236, 104}, {8, 16, 360, 62},
     {6, 14, 200, 104}},
    {"LKarakterszam", K::Label, "GB1", "Karakterszám:", "", {376, 166, 80, 20}, {178, 118, 74, 16},
     {8, 78, 80, 18}, {6, 118, 74, 16}},
    {"sordarab", K::Label, "GB1", "0=0 betű", "", {456, 166, 320, 20}, {252, 118, 162, 16},
     {88, 78, 280, 18}, {80, 118, 126, 16}},
    {"szoveg2", K::Memo, "GB1", "", "", {376, 16, 400, 62}, {212, 14, 200, 104}},
    {"LKarakterszam2", K::Label, "GB1", "Karakterszám:", "", {376, 78, 80, 18}, {212, 118, 74, 16}},
    {"sordarab2", K::Label, "GB1", "0=0 betű", "", {456, 78, 320, 18}, {286, 118, 128, 16}},
    {"Bbeszuras", K::Button, "GB1", "Új sor", "Egy sor beszúrása a file végéhez", {8, 100, 80, 24},
     {6, 138, 80, 22}},
    {"Belemoge", K::Button, "GB1", "Beszúrás", "Egy sor beszúrása az aktuális sor elé/mögé",
     {92, 100, 80, 24}, {90, 138, 80, 22}},
    {"Btorles", K::Button, "GB1", "Törlés", "Egy sor törlése", {176, 100, 80, 24}, {6, 164, 80, 22}},
    {"BTorlesTobb", K::Button, "GB1", "Több törlés", "Több egybefüggő sor törlése",
     {260, 100, 80, 24}, {90, 164, 80, 22}},
    {"cburessor", K::Check, "GB1", "Beszúráskor: üres sor", "", {8, 130, 166, 20},
     {178, 134, 236, 16}},
    {"CBdelete", K::Check, "GB1", "Ne legyen kérdés a törlésnél", "", {176, 130, 190, 20},
     {178, 150, 236, 16}},
    {"BMMN", K::Button, "GB1", "Mentés Más Néven", "", {8, 156, 164, 30}, {178, 168, 130, 24}},
    {"Bmentes", K::Button, "GB1", "Mentés", "", {176, 156, 164, 30}, {312, 168, 102, 24}},
    {"BOsszes", K::Button, "GB1", "Ö", "A feliratokban előforduló általános hibákat javítja",
     {786, 16, 52, 26}, {420, 14, 43, 24}},
    {"Bvonal", K::Button, "GB1", "1*-",
     "Ha az egész sorban egy db \"-\" jel van, akkor azt kitörli a program", {841, 16, 52, 26},
     {465, 14, 43, 24}},
    {"Boh", K::Button, "GB1", "öh",
     "36 karakternél kisebb és két sorból álló sorokat egy sorrá huzza össze/akkor ha nincs "
     "bennük párbeszéd/",
     {896, 16, 52, 26}, {510, 14, 43, 24}},
    {"Blista", K::Button, "GB1", "Lista", "Hibák listázása", {951, 16, 52, 26}, {555, 14, 43, 24}},
    {"L05", K::Button, "GB1", "0.5 mp", "0.5 mp-es sorok listája", {786, 46, 106, 26},
     {420, 42, 89, 24}},
    {"BTobbGomb", K::Button, "GB1", "Eszközök", "", {896, 46, 106, 26}, {511, 42, 85, 24}},
    {"Cbtobb", K::Check, "GB1", "Színezés             betű felett", "", {786, 80, 184, 22},
     {420, 72, 153, 20}},
    // placed over the gap of Cbtobb's caption by the window
    {"SEbetu", K::Spin, "GB1", "", "", {786, 80, 40, 22}, {420, 72, 28, 20}},
    {"Lbetu", K::Label, "GB1", "(0)", "", {972, 80, 36, 22}, {573, 72, 28, 20}},
    {"CB3sor", K::Check, "GB1", "Színezés 2 sor felett", "", {786, 106, 184, 22}, {420, 96, 153, 20}},
    {"Lsor", K::Label, "GB1", "(0)", "", {972, 106, 36, 22}, {573, 96, 28, 20}},
    {"BTobbCheck", K::Button, "GB1", "Beállítások", "", {786, 136, 216, 26}, {420, 124, 177, 24}},

    // CD group, shown instead of the row editing group in CD mode
    {"GB12", K::Group, "", "", "", {6, 202, 6, 196, B | TR}, {197, 200, 4, 196, B | TR}},
    {"RB12cd1", K::Radio, "GB12", "1 CD -> 2 CD", "", {10, 16, 140, 20}, {8, 14, 140, 20}},
    {"Label9", K::Label, "GB12", "1. Válassza ki azt a sort ahol kezdodjön a 2. cd", "",
     {30, 38, 400, 18}, {24, 34, 380, 16}},
    {"Label13", K::Label, "GB12", "2. Adja meg a 2. cd elso sorának kezdoértékét:", "",
     {30, 60, 400, 18}, {24, 52, 380, 16}},
    {"E4kezdo", K::Edit, "GB12", "", "", {30, 82, 100, 22}, {24, 72, 96, 20}, {}, {}, 12},
    {"LNyil", K::Label, "GB12", "---->", "", {136, 82, 40, 22}, {124, 72, 36, 20}},
    {"E4kezdouj", K::Edit, "GB12", "", "", {176, 82, 100, 22}, {160, 72, 96, 20}, {}, {}, 12},
    {"Bvegrehajt", K::Button, "GB12", "Végrehajtás", "", {290, 81, 110, 24}, {264, 71, 100, 22}},
    {"szazalek12", K::Progress, "GB12", "", "", {30, 110, 370, 16}, {24, 98, 340, 14}},
    {"RB12cd2", K::Radio, "GB12", "2 CD -> 1 CD", "", {500, 16, 140, 20}, {8, 120, 140, 20}},
    {"Bfileki", K::Button, "GB12", "File-ok kiválasztása", "", {520, 40, 160, 24}, {24, 142, 150, 22}},
    {"Bvegre21", K::Button, "GB12", "Végrehajtás", "", {520, 70, 160, 24}, {180, 142, 100, 22}},

    // states of the grid
    {"Szoveg2", K::GridState, "racs", "", "", {}, {}},       // the second text's column shown
    {"racsVScroll", K::GridState, "racs", "", "", {}, {}},   // the scroll bar always shown
    {"racsRowSelect", K::GridState, "racs", "", "", {}, {}}, // whole rows selected

    // the open dialog's "Megnyitás", off while a file is read
    {"megnyitas", K::Button, "", "Megnyitás", "", {}, {}, {}, {}, 0, "Kereses"},
};

const MenuSpec menus[] = {
    {"File1", K::Menu, "", "File", ""},
    {"Feliratmegnyitasa1", K::Item, "File1", "Felirat megnyitása", "Ctrl+O"},
    {"Masikfelirat", K::Item, "File1", "Másik felirat beolvasása", "Ctrl+M"},
    {"", K::Item, "File1", "-", ""},
    {"Mentes1", K::Item, "File1", "Felirat mentése", "Ctrl+S"},
    {"Feliratmentsemsknt1", K::Item, "File1", "Felirat konvertálása", "Ctrl+Shift+S"},
    {"MentM1", K::Item, "File1", "Felirat mentése más néven", "Ctrl+Shift+M"},
    {"MentesMF", K::Item, "File1", "Másik felirat mentése", "Ctrl+F"},
    {"", K::Item, "File1", "-", ""},
    {"Visszaafomenube1", K::Item, "File1", "Vissza a Főmenübe", ""},
    {"Kilepes1", K::Item, "File1", "Kilépés", "Esc"},

    {"Kereses", K::Menu, "", "Keresés", ""},
    {"Kereses1", K::Item, "Kereses", "Keresés", "Ctrl+K"},
    {"Reszleteskereses1", K::Item, "Kereses", "Részletes keresés", "Ctrl+R"},
    {"Keresesescsere1", K::Item, "Kereses", "Keresés és csere", "Ctrl+Y"},

    {"Felbontas", K::Menu, "", "Felbontás", ""},
    {"Felbonts1", K::Item, "Felbontas", "800X600", "F1"},
    {"Felbonts2", K::Item, "Felbontas", "1024X768", "F2"},

    {"Film", K::Menu, "", "Film", ""},
    {"FilmMegnyitas", K::Item, "Film", "Megnyitás", ""},
    {"FilmBezaras", K::Item, "Film", "Bezárás", ""},
    {"FilmInformacio", K::Item, "Film", "Információ", ""},
    {"FilmEredetiben", K::Item, "Film", "Film mutatása eredetiben", "", "", true},
    {"FilmNagyban", K::Item, "Film", "Film mutatása nagyban", "", "", true},
    {"FilmMutatasa", K::Item, "Film", "Film mutatása", "", "", true},
    {"FeliratMutatasa", K::Item, "Film", "Felirat mutatása", "", "", true},
    {"Lejatszas1", K::Menu, "Film", "Lejátszás", ""},
    {"Lejatszas2", K::Item, "Lejatszas1", "Lejátszás", ""},
    {"Szunet1", K::Item, "Lejatszas1", "Szünet", ""},
    {"Leallitas1", K::Item, "Lejatszas1", "Leállítás", ""},
    {"FilmFelirat", K::Menu, "Film", "Felirat", ""},
    {"BeallitasKezdo1", K::Item, "FilmFelirat", "Beállítás Kezdő Értékként", ""},
    {"BeallitasBefejezo1", K::Item, "FilmFelirat", "Beállítás Befejező Értékként", ""},

    {"Felirat1", K::Menu, "", "Felirat", ""},
    {"BAtfedes", K::Item, "Felirat1", "Átfedés vizsgálata", "Ctrl+B"},
    {"agressziv", K::Item, "Felirat1", "Agresszív sortörés", "Ctrl+A"},
    {"", K::Item, "Felirat1", "-", ""},
    {"Szinezes38", K::Item, "Felirat1", "Színezés 37 betű felett", "F3"},
    {"Szinezes3", K::Item, "Felirat1", "Színezés 2 sor felett", "F4"},
    {"", K::Item, "Felirat1", "-", ""},
    {"Uresmasikfelirat1", K::Item, "Felirat1", "Üres másik felirat", ""},
    {"Lista1", K::Item, "Felirat1", "Lista", "F5"},
    {"Helyesiras1", K::Item, "Felirat1", "Helyesírás-ellenőrzés", "F7"},
    {"Visszavonas1", K::Item, "Felirat1", "Utolsó módosítás visszavonása", "Ctrl+U"},

    {"Info", K::Menu, "", "Info", ""},
    {"Leiras1", K::Item, "Info", "Leírás", "Ctrl+L"},
    {"Info1", K::Item, "Info", "Info", "Ctrl+I"},

    // the grid's menu
    {"RacsPM", K::Popup, "", "", ""},
    {"dolt", K::Item, "RacsPM", "Dőlt", "", "", true},
    {"dolt2", K::Item, "RacsPM", "Dőlt /2.fajta/", "", "", true},
    {"Vastagitott", K::Item, "RacsPM", "Vastagított", "", "", true},
    {"Alahuzott", K::Item, "RacsPM", "Aláhúzott", "", "", true},
    {"osszesel", K::Item, "RacsPM", "Minden formázás eltávolítása", ""},
    {"", K::Item, "RacsPM", "-", ""},
    {"soreleRacs", K::Item, "RacsPM", "Egy sor beszúrása az aktuális sor elé", ""},
    {"sormogeRacs", K::Item, "RacsPM", "Egy sor beszúrása az aktuális sor mögé", ""},
    {"sor5mogeRacs", K::Item, "RacsPM", "5 sor beszúrása az aktuális sor mögé", ""},
    {"SortorlesRacs", K::Item, "RacsPM", "Sor törlése", ""},
    {"TobbsortorlesRacs", K::Item, "RacsPM", "Több sor törlése", ""},
    {"", K::Item, "RacsPM", "-", ""},
    {"Kivagas", K::Item, "RacsPM", "Kivágás", ""},
    {"Masolas", K::Item, "RacsPM", "Másolás", ""},
    {"Beillesztes", K::Item, "RacsPM", "Beillesztés", ""},

    // the second subtitle's column and text field, and the drop from it
    {"BeTorlesPM", K::Popup, "", "", ""},
    {"doltSz2", K::Item, "BeTorlesPM", "Dőlt", "", "", true},
    {"BeszurPMB", K::Item, "BeTorlesPM", "Sor beszúrása", ""},
    {"TorlesPMB", K::Item, "BeTorlesPM", "Sor törlése", ""},
    {"PMSz2", K::Popup, "", "", ""},
    {"Kivgs1", K::Item, "PMSz2", "Kivágás + 1 sor beszúrása + beillesztés", ""},
    {"Athuzas", K::Popup, "", "", ""},
    {"Beszrsasorel1", K::Item, "Athuzas", "Beszúrás a sor elé", ""},
    {"Beszrsasorutn1", K::Item, "Athuzas", "Beszúrás a sor után", ""},
    {"Mgsem1", K::Item, "Athuzas", "Mégsem", ""},

    // the text field's menu
    {"SzovegPop", K::Popup, "", "", ""},
    {"SzPK1B", K::Item, "SzovegPop", "Kivágás + 1 sor beszúrása + beillesztés", ""},
    {"KivagKovBeEleje", K::Item, "SzovegPop", "Kivágás + beszúrás a következő sor elejére", ""},
    {"SzPK", K::Item, "SzovegPop", "Kivágás", ""},
    {"SzPM", K::Item, "SzovegPop", "Másolás", ""},
    {"SzPB", K::Item, "SzovegPop", "Beillesztés", ""},
    {"kszd", K::Item, "SzovegPop", "A kijelölt szöveg DŐLT legyen", ""},
    {"kszv", K::Item, "SzovegPop", "A kijelölt szöveg VASTAG legyen", ""},
    {"ksza", K::Item, "SzovegPop", "A kijelölt szöveg ALÁHÚZOTT legyen", ""},

    // the row buttons' menus
    {"PopupMenuEM", K::Popup, "", "", ""},
    {"pmsorele", K::Item, "PopupMenuEM", "Egy sor beszúrása az aktuális sor elé", ""},
    {"pmsormoge", K::Item, "PopupMenuEM", "Egy sor beszúrása az aktuális sor mögé", ""},
    {"PMTorlesTobb", K::Popup, "", "", ""},
    {"Tobbsortorlese1", K::Item, "PMTorlesTobb", "Több sor törlése...", ""},

    // the tool menu
    {"PMtobbgomb", K::Popup, "", "", ""},
    {"HangutnzszavaksNevektrlse1", K::Item, "PMtobbgomb", "Hangutánzó szavak és nevek törlése", "",
     "Hangutánzó szavak és nagybetűs nevek törlése ami után \":\" jel van"},
    {"Hangutnzszavaksnevektrlse2", K::Item, "PMtobbgomb",
     "Hangutánzó szavak és nevek törlése - extra", ""},
    {"Sorfelezs3872bet1", K::Item, "PMtobbgomb", "Sorfelezés /38-72 betű/", "",
     "38 és 72 betű között elfelezi a sort(ha 1 soros volt a sor)"},
    {"", K::Item, "PMtobbgomb", "-", ""},
    {"lgomb1", K::Item, "PMtobbgomb", "l betű kicserélése I-re", "",
     "Néha az angol feliratokban l (kis L) betű van az I (nagy i) helyett, ezeket cseréli ki a "
     "program"},
    {"kezgomb1", K::Item, "PMtobbgomb", "Ékezetek eltűntetése", "",
     "Ékezetes betűk átírása ékezet nélkülire"},
    {"sszesbetkisbetlegyen1", K::Item, "PMtobbgomb", "Összes betű kis betű legyen", "",
     "Nagybetűk átírása kisbetűsre"},
    {"ressoroktrlse1", K::Item, "PMtobbgomb", "Üres sorok törlése", ""},
    {"karakterekelttispaceeltntetse1", K::Item, "PMtobbgomb",
     ".?! karakterek előtti space eltűntetése", "",
     "Ha a . vagy ? vagy ! előtt space van, akkor kiveszi a space-t"},
    {"karakterekutntegyenspacet1", K::Item, "PMtobbgomb", ".,?! karakterek után tegyen space-t ",
     "", "Ha a . vagy ? vagy ! vagy , után nincs space, akkor betesz egyet"},

    // the options menu
    {"PMTobbCheck", K::Popup, "", "", ""},
    {"MentAt", K::Item, "PMTobbCheck", "Mentéskor átfedés ellenőrzése", "", "", true},
    {"Beolvas", K::Item, "PMTobbCheck", "Beolvasáskor a hibák ne jelenjenek meg", "", "", true},
    {"Max2", K::Item, "PMTobbCheck", "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése", "",
     "", true},
    {"UresNe", K::Item, "PMTobbCheck", "Üres sort ne mentsen ki", "", "", true},

    // the film counter's menu
    {"Szamlalo", K::Popup, "", "", ""},
    {"SzamlaloKezdo", K::Item, "Szamlalo", "Beállítás Kezdő Értékként", ""},
    {"SzamlaloBefejezo", K::Item, "Szamlalo", "Beállítás Befejező Értékként", ""},
};

template <typename Entry>
QHash<QString, const Entry *> indexByName(std::span<const Entry> entries)
{
    QHash<QString, const Entry *> index;
    for (const Entry &s : entries)
        if (*s.name)
            index.insert(QString::fromLatin1(s.name), &s);
    return index;
}

}  // namespace

QRect Place::in(QSize parent) const
{
    const int left = (anchors & FromRight) ? parent.width() - x : x;
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

const ControlSpec *editorControl(QStringView name)
{
    static const QHash<QString, const ControlSpec *> index = indexByName(editorControls());
    return index.value(name.toString());
}

const MenuSpec *editorMenuEntry(QStringView name)
{
    static const QHash<QString, const MenuSpec *> index = indexByName(editorMenus());
    return index.value(name.toString());
}

bool isEditorControlName(QStringView name)
{
    return editorControl(name) || editorMenuEntry(name);
}

QRect placeOf(const ControlSpec &c, bool large, bool twoSubtitles, QSize parent)
{
    const Place &two = large ? c.largeTwo : c.smallTwo;
    const Place &one = large ? c.large : c.small;
    return (twoSubtitles && two.isSet() ? two : one).in(parent);
}
