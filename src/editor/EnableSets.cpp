#include "editor/EnableSets.h"

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"

namespace {

void setAll(EditorModel &m, const QList<Ctl> &names, bool on)
{
    for (Ctl n : names)
        m.setEnabled(n, on);
}

const QList<Ctl> lineFields = {Ctl::kezdes, Ctl::befejezes, Ctl::kulonbseg};
const QList<Ctl> timeBaseBox = {Ctl::beosztas, Ctl::Batvaltas, Ctl::BFPS};
const QList<Ctl> shiftControls = {Ctl::Emodositas, Ctl::Bmodok, Ctl::Breszletes, Ctl::BKreszletes};
const QList<Ctl> searchControls = {Ctl::Ekereses, Ctl::Bkeresok, Ctl::Kereses1,
                                   Ctl::Reszleteskereses1, Ctl::Keresesescsere1};
const QList<Ctl> appendControls = {Ctl::Bbeszuras, Ctl::cburessor};
const QList<Ctl> rowControls = {Ctl::Btorles, Ctl::Belemoge, Ctl::BTorlesTobb};
const QList<Ctl> saveAsControls = {Ctl::BMMN, Ctl::MentM1};
const QList<Ctl> secondShown = {Ctl::Szoveg2, Ctl::Mov, Ctl::movm};

void hideNavigation(EditorModel &m, bool shown)
{
    m.setVisible(Ctl::Belso, shown);
    m.setVisible(Ctl::Butolso, shown);
}

}  // namespace

const QList<Ctl> &timeBaseOnlyControls()
{
    static const QList<Ctl> names = {Ctl::BAtfedes, Ctl::agressziv, Ctl::Szinezes38,
                                     Ctl::Szinezes3, Ctl::Cbtobb, Ctl::CB3sor, Ctl::SEbetu,
                                     Ctl::BTobbCheck, Ctl::B12, Ctl::B22, Ctl::B21};
    return names;
}

const QList<Ctl> &lineToolControls()
{
    static const QList<Ctl> names = {Ctl::BOsszes, Ctl::Bvonal, Ctl::Boh, Ctl::Blista, Ctl::L05,
                                     Ctl::BTobbGomb, Ctl::Bov, Ctl::Bovm};
    return names;
}

const QList<Ctl> &gridMenuRowItems()
{
    static const QList<Ctl> names = {Ctl::dolt, Ctl::dolt2, Ctl::Vastagitott, Ctl::Alahuzott,
                                     Ctl::osszesel, Ctl::soreleRacs, Ctl::sormogeRacs,
                                     Ctl::sor5mogeRacs, Ctl::SortorlesRacs,
                                     Ctl::TobbsortorlesRacs, Ctl::Kivagas, Ctl::Masolas};
    return names;
}

void applyTimeBaseTools(EditorModel &model, bool on)
{
    setAll(model, timeBaseOnlyControls(), on);
    if (!on) {
        model.setChecked(Ctl::Cbtobb, false);
        model.setChecked(Ctl::CB3sor, false);
    }
}

void applyCreationSet(EditorModel &m)
{
    setAll(m, {Ctl::Masikfelirat, Ctl::MentM1, Ctl::MentesMF, Ctl::Kereses1,
               Ctl::Reszleteskereses1, Ctl::Keresesescsere1, Ctl::FilmBezaras,
               Ctl::FilmInformacio, Ctl::FilmEredetiben, Ctl::FilmNagyban, Ctl::FeliratMutatasa,
               Ctl::Lejatszas1, Ctl::FilmFelirat, Ctl::BeallitasKezdo1, Ctl::BeallitasBefejezo1,
               Ctl::Visszavonas1, Ctl::Ujra1, Ctl::Valto, Ctl::E4kezdo},
           false);
    for (Ctl n : {Ctl::Fszazalek, Ctl::Szoveg2, Ctl::szoveg2, Ctl::sordarab2, Ctl::LKarakterszam2,
                  Ctl::Mov, Ctl::movm, Ctl::GB12, Ctl::Lbetu, Ctl::Lsor,
                  Ctl::st1, Ctl::st2, Ctl::st3, Ctl::szazalek12})
        m.setVisible(n, false);
    if (edition == Edition::VN) {
        m.setVisible(Ctl::Bfilm, false);
        m.setVisible(Ctl::Film, false);
    }
}

void applyResetSet(EditorModel &m)
{
    setAll(m, lineFields, false);
    m.setEnabled(Ctl::Bertek, false);
    setAll(m, timeBaseBox, false);
    setAll(m, shiftControls, false);
    setAll(m, searchControls, false);
    m.setEnabled(Ctl::RB1, false);
    setAll(m, appendControls, false);
    setAll(m, rowControls, false);
    m.setEnabled(Ctl::Esorszam, false);
    m.setEnabled(Ctl::Bvegelso, false);
    m.setEnabled(Ctl::Masikfelirat, false);
    setAll(m, gridMenuRowItems(), false);
    m.setEnabled(Ctl::Beillesztes, false);
    m.textClipboard.clear();
    setAll(m, lineToolControls(), false);
    hideNavigation(m, false);
    m.setModified(false);
    setAll(m, saveAsControls, false);
    applyTimeBaseTools(m, false);
    m.host()->clearLineFields();
}

void applyAfterReadSet(EditorModel &m)
{
    const bool rows = m.cds.recordCount() > 0;
    setAll(m, lineFields, true);
    m.setEnabled(Ctl::szoveg, true);
    setAll(m, timeBaseBox, true);
    setAll(m, shiftControls, true);
    setAll(m, searchControls, true);
    m.setEnabled(Ctl::RB1, true);
    m.setChecked(Ctl::RB1, true);
    setAll(m, appendControls, true);
    setAll(m, rowControls, rows);
    if (rows) {
        m.setEnabled(Ctl::Esorszam, true);
        m.setEnabled(Ctl::Bvegelso, true);
        m.setEnabled(Ctl::Masikfelirat, true);
        setAll(m, gridMenuRowItems(), true);
        m.setEnabled(Ctl::BeallitasKezdo1, true);
        m.setEnabled(Ctl::BeallitasBefejezo1, true);
    }
    setAll(m, lineToolControls(), true);
    hideNavigation(m, true);
    // The marker is on only when the reader repaired something. A second
    // subtitle read leaves the main subtitle's unsaved edits standing.
    if (textTarget == Target::second) {
        m.markSaved(EditorModel::Subtitle::second);
        if (m.readErrorsFound)
            m.markChanged(EditorModel::Subtitle::second);
    } else {
        m.setModified(false);
        if (m.readErrorsFound)
            m.markChanged(EditorModel::Subtitle::main);
    }
    setAll(m, saveAsControls, true);
    if (rows)
        applyTimeBaseTools(m, m.isTimeBase());
    const bool second = textTarget == Target::second;
    for (Ctl n : secondShown)
        m.setVisible(n, second);
    m.setEnabled(Ctl::MentesMF, second);
}

void applyReadFailedSet(EditorModel &m)
{
    m.setEnabled(Ctl::Batvaltas, false);
    setAll(m, shiftControls, true);
    setAll(m, searchControls, true);
    m.setEnabled(Ctl::RB1, false);
    m.setEnabled(Ctl::Esorszam, false);
    m.setEnabled(Ctl::Bvegelso, false);
    setAll(m, gridMenuRowItems(), false);
    m.setEnabled(Ctl::Beillesztes, false);
    m.textClipboard.clear();
    applyTimeBaseTools(m, false);
    m.setEnabled(Ctl::MentesMF, false);
    m.host()->clearLineFields();
}

void setTwoSubtitleFields(EditorModel &m, bool two)
{
    for (Ctl n : {Ctl::LSor, Ctl::Esorszam, Ctl::LKezdes, Ctl::kezdes, Ctl::LKulonbseg,
                  Ctl::kulonbseg, Ctl::LBefejezes, Ctl::befejezes, Ctl::Bertek})
        m.setVisible(n, !two);
    for (Ctl n : {Ctl::szoveg2, Ctl::LKarakterszam2, Ctl::sordarab2})
        m.setVisible(n, two);
}
