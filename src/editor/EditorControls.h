#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>
#include <optional>
#include <span>

// The editor window's controls and menus as one table: the window is built
// and laid out from it, and core routines name controls by their ids, so a
// misspelt name does not compile. A control's name (its objectName) is the
// id's spelling.

// BEGIN GENERATED CONTROL IDS
// Made by a script from the table in EditorControls.cpp; the table's
// static checks fail when the two disagree.
#define KELVO_EDITOR_CONTROL_IDS(X) \
    X(ido) \
    X(Fszazalek) \
    X(LFeliratNeve) \
    X(Efilenev) \
    X(Btallozas) \
    X(Bfilm) \
    X(GbBeallitas) \
    X(LBeosztas) \
    X(beosztas) \
    X(LFps) \
    X(cbFps) \
    X(Batvaltas) \
    X(BFPS) \
    X(GbTevekenyseg) \
    X(LModositas) \
    X(CbPM) \
    X(Emodositas) \
    X(Bmodok) \
    X(Breszletes) \
    X(LKereses) \
    X(Ekereses) \
    X(Bkeresok) \
    X(CBugras) \
    X(CBsortores) \
    X(BKreszletes) \
    X(atlatszo) \
    X(Valto) \
    X(LUgras) \
    X(Eugras) \
    X(Bugras) \
    X(Cbki) \
    X(Bvissza) \
    X(Bki) \
    X(B12) \
    X(B22) \
    X(B21) \
    X(Bvegelso) \
    X(Bov) \
    X(Bovm) \
    X(Belso) \
    X(racs) \
    X(Butolso) \
    X(Mov) \
    X(movm) \
    X(st1) \
    X(st2) \
    X(st3) \
    X(wmp1) \
    X(stsegit) \
    X(SBplay) \
    X(SBpause) \
    X(SBvissza1mp) \
    X(SBvissza) \
    X(SBelore) \
    X(SBkezdo) \
    X(SBbefejezes) \
    X(SBkezdbefejez) \
    X(SBSub) \
    X(SBNonSub) \
    X(GBAdatok) \
    X(IdoFrame) \
    X(BFilmhatter) \
    X(Bfilmeloter) \
    X(RB1) \
    X(RB12) \
    X(CBracs) \
    X(GB1) \
    X(LSor) \
    X(Esorszam) \
    X(LKezdes) \
    X(kezdes) \
    X(LBefejezes) \
    X(befejezes) \
    X(LKulonbseg) \
    X(kulonbseg) \
    X(Bertek) \
    X(szoveg) \
    X(LKarakterszam) \
    X(sordarab) \
    X(szoveg2) \
    X(LKarakterszam2) \
    X(sordarab2) \
    X(Bbeszuras) \
    X(Belemoge) \
    X(Btorles) \
    X(BTorlesTobb) \
    X(cburessor) \
    X(CBdelete) \
    X(BMMN) \
    X(Bmentes) \
    X(BOsszes) \
    X(Bvonal) \
    X(Boh) \
    X(Blista) \
    X(L05) \
    X(BTobbGomb) \
    X(Cbtobb) \
    X(SEbetu) \
    X(Lbetu) \
    X(CB3sor) \
    X(Lsor) \
    X(BTobbCheck) \
    X(GB12) \
    X(RB12cd1) \
    X(Label9) \
    X(Label13) \
    X(E4kezdo) \
    X(LNyil) \
    X(E4kezdouj) \
    X(Bvegrehajt) \
    X(szazalek12) \
    X(RB12cd2) \
    X(Bfileki) \
    X(Bvegre21) \
    X(Szoveg2) \
    X(racsVScroll) \
    X(racsRowSelect) \
    X(megnyitas) \

#define KELVO_EDITOR_MENU_IDS(X) \
    X(File1) \
    X(Feliratmegnyitasa1) \
    X(Masikfelirat) \
    X(Mentes1) \
    X(Feliratmentsemsknt1) \
    X(MentM1) \
    X(MentesMF) \
    X(Visszaafomenube1) \
    X(Kilepes1) \
    X(Kereses) \
    X(Kereses1) \
    X(Reszleteskereses1) \
    X(Keresesescsere1) \
    X(Felbontas) \
    X(Felbonts1) \
    X(Felbonts2) \
    X(Film) \
    X(FilmMegnyitas) \
    X(FilmBezaras) \
    X(FilmInformacio) \
    X(FilmEredetiben) \
    X(FilmNagyban) \
    X(FilmMutatasa) \
    X(FeliratMutatasa) \
    X(Lejatszas1) \
    X(Lejatszas2) \
    X(Szunet1) \
    X(Leallitas1) \
    X(FilmFelirat) \
    X(BeallitasKezdo1) \
    X(BeallitasBefejezo1) \
    X(Felirat1) \
    X(BAtfedes) \
    X(agressziv) \
    X(Szinezes38) \
    X(Szinezes3) \
    X(Uresmasikfelirat1) \
    X(Lista1) \
    X(Helyesiras1) \
    X(Visszavonas1) \
    X(Ujra1) \
    X(Info) \
    X(Leiras1) \
    X(Info1) \
    X(RacsPM) \
    X(dolt) \
    X(dolt2) \
    X(Vastagitott) \
    X(Alahuzott) \
    X(osszesel) \
    X(soreleRacs) \
    X(sormogeRacs) \
    X(sor5mogeRacs) \
    X(SortorlesRacs) \
    X(TobbsortorlesRacs) \
    X(Kivagas) \
    X(Masolas) \
    X(Beillesztes) \
    X(BeTorlesPM) \
    X(doltSz2) \
    X(BeszurPMB) \
    X(TorlesPMB) \
    X(PMSz2) \
    X(Kivgs1) \
    X(Athuzas) \
    X(Beszrsasorel1) \
    X(Beszrsasorutn1) \
    X(Mgsem1) \
    X(SzovegPop) \
    X(SzPK1B) \
    X(KivagKovBeEleje) \
    X(SzPK) \
    X(SzPM) \
    X(SzPB) \
    X(kszd) \
    X(kszv) \
    X(ksza) \
    X(PopupMenuEM) \
    X(pmsorele) \
    X(pmsormoge) \
    X(PMTorlesTobb) \
    X(Tobbsortorlese1) \
    X(PMtobbgomb) \
    X(HangutnzszavaksNevektrlse1) \
    X(Hangutnzszavaksnevektrlse2) \
    X(Sorfelezs3872bet1) \
    X(lgomb1) \
    X(kezgomb1) \
    X(sszesbetkisbetlegyen1) \
    X(ressoroktrlse1) \
    X(karakterekelttispaceeltntetse1) \
    X(karakterekutntegyenspacet1) \
    X(PMTobbCheck) \
    X(MentAt) \
    X(Beolvas) \
    X(Max2) \
    X(UresNe) \
    X(Szamlalo) \
    X(SzamlaloKezdo) \
    X(SzamlaloBefejezo) \

// END GENERATED CONTROL IDS

// A control, a named menu entry or a state of the grid of the editor.
enum class Ctl : unsigned short {
#define KELVO_CONTROL_ID(n) n,
    KELVO_EDITOR_CONTROL_IDS(KELVO_CONTROL_ID)
    KELVO_EDITOR_MENU_IDS(KELVO_CONTROL_ID)
#undef KELVO_CONTROL_ID
    // the window itself as a parent, the menu bar, a separator row
    None
};

inline constexpr int controlIdCount = static_cast<int>(Ctl::None);
inline constexpr int ctlIndex(Ctl id) { return static_cast<int>(id); }

// The control's name: its objectName, as tests and the state file see it.
QString nameOf(Ctl id);
// The id of a name (none for a name the editor does not have).
std::optional<Ctl> controlIdOf(QStringView name);

enum class ControlKind {
    Label, Button, Check, Radio, Edit, Memo, Combo, Spin, Group, Progress, Grid,
    // a state of the grid that is not a widget of its own (a column shown,
    // the scroll bar, whole-row selection)
    GridState,
    // menus: the main menu's menus and submenus, items, pop-up menus
    Menu, Item, Popup,
};

// Where a control sits in its parent. Offsets count from the left and top
// edges unless an anchor says the right or the bottom edge; a stretched
// size runs to that many pixels before the parent's far edge.
enum Anchor : unsigned char {
    FromRight = 1,   // x is the distance of the left side from the right edge
    FromBottom = 2,  // y is the distance of the top from the bottom edge
    ToRight = 4,     // w is the margin left on the right
    ToBottom = 8,    // h is the margin left at the bottom
    CentreX = 16,    // x is the distance from where the control stands centred
};

struct Place {
    int x = 0, y = 0, w = 0, h = 0;
    unsigned char anchors = 0;
    bool isSet() const { return w != 0 || h != 0; }
    QRect in(QSize parent) const;
};

struct ControlSpec {
    Ctl id;
    ControlKind kind;
    Ctl parent;           // a group, or None for the window itself
    const char *caption;  // UTF-8
    const char *hint;     // tool tip, UTF-8
    Place large;          // the 1024x768 layout with one subtitle
    Place small;          // the 800x600 layout with one subtitle
    Place largeTwo = {};  // with two subtitles side by side, when it differs
    Place smallTwo = {};
    int maxLength = 0;    // edits: the longest text typed
    // The window that shows the control and mirrors its state.
    const char *window = "Felirat";
};

struct MenuSpec {
    Ctl id;                // None for a separator row
    ControlKind kind;      // Menu (in the menu bar or a submenu), Popup, Item
    Ctl parent;            // the menu or pop-up the entry belongs to; None = menu bar
    const char *caption;   // UTF-8; "-" is a separator row
    const char *shortcut;  // portable text ("Ctrl+Shift+M"), or ""
    const char *hint = "";
    bool checkable = false;
};

std::span<const ControlSpec> editorControls();
std::span<const MenuSpec> editorMenus();

// The entry of a control or menu entry (nullptr when the id is of the other
// kind).
const ControlSpec *editorControl(Ctl id);
const MenuSpec *editorMenuEntry(Ctl id);

// The rectangle of a control in a parent of that size, by layout.
QRect placeOf(const ControlSpec &control, bool large, bool twoSubtitles, QSize parent);

// What a place of the film's layout counts from.
enum class FilmRef : unsigned char {
    None,         // the control keeps the place the control table gives it
    Window,       // the editor window
    TableGrid,    // the grid's place in the control table (the grid without a film)
    GridRows,     // the window's width at the height of the table's grid
    GridColumns,  // the window's height under the width of the table's grid
    Grid,         // the grid as the film's layout placed it
    Frame,        // the film's frame as the film's layout placed it
};

struct FilmPlace {
    FilmRef from = FilmRef::None;
    Place place = {};
};

// Where the film's layout puts one control beside the film, in each case:
// the 1024x768 layout with the film in its normal size, the same with the
// large display, the 800x600 layout. Entries refer only to the grid and the
// frame placed above them.
struct FilmPlaceSpec {
    Ctl control;       // None: the player's picture, inside the frame
    Ctl sharing;       // a control that takes the same place, or None
    FilmPlace normal;  // large layout, normal size
    FilmPlace large;   // large layout, large display
    FilmPlace small;   // small layout
    // the large display on a 1280x800 screen, where it differs
    FilmPlace largeShort = {};
    int minHeight = 0;
    bool raised = false;  // drawn over the picture
};

std::span<const FilmPlaceSpec> filmPlaces();

// The height of the menu bar, which the table's top offsets allow for.
inline constexpr int menuBarHeight = 19;
