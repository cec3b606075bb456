#include "editor/EnableSets.h"

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"

namespace {

void setAll(EditorModel &m, const QStringList &names, bool on)
{
    for (const QString &n : names)
        m.setEnabled(n, on);
}

const QStringList lineFields = {"kezdes", "befejezes", "kulonbseg"};
const QStringList timeBaseBox = {"beosztas", "Batvaltas", "BFPS"};
const QStringList shiftControls = {"Emodositas", "Bmodok", "Breszletes", "BKreszletes"};
const QStringList searchControls = {"Ekereses", "Bkeresok", "Kereses1", "Reszleteskereses1",
                                    "Keresesescsere1"};
const QStringList appendControls = {"Bbeszuras", "cburessor"};
const QStringList rowControls = {"Btorles", "Belemoge", "BTorlesTobb"};
const QStringList saveAsControls = {"BMMN", "MentM1"};
const QStringList secondShown = {"Szoveg2", "Mov", "movm"};

void hideNavigation(EditorModel &m, bool shown)
{
    m.setVisible(QStringLiteral("Belso"), shown);
    m.setVisible(QStringLiteral("Butolso"), shown);
}

}  // namespace

const QStringList &timeBaseOnlyControls()
{
    static const QStringList names = {"BAtfedes", "agressziv", "Szinezes38", "Szinezes3",
                                      "Cbtobb",   "CB3sor",    "SEbetu",     "BTobbCheck",
                                      "B12",      "B22",       "B21"};
    return names;
}

const QStringList &lineToolControls()
{
    static const QStringList names = {"BOsszes", "Bvonal", "Boh", "Blista",
                                      "L05",     "BTobbGomb", "Bov", "Bovm"};
    return names;
}

const QStringList &gridMenuRowItems()
{
    static const QStringList names = {"dolt",        "dolt2",        "Vastagitott",
                                      "Alahuzott",   "osszesel",     "soreleRacs",
                                      "sormogeRacs", "sor5mogeRacs", "SortorlesRacs",
                                      "TobbsortorlesRacs", "Kivagas", "Masolas"};
    return names;
}

void applyTimeBaseTools(EditorModel &model, bool on)
{
    setAll(model, timeBaseOnlyControls(), on);
    if (!on) {
        model.setChecked(QStringLiteral("Cbtobb"), false);
        model.setChecked(QStringLiteral("CB3sor"), false);
    }
}

void applyCreationSet(EditorModel &m)
{
    setAll(m, {"Masikfelirat", "MentM1", "MentesMF", "Kereses1", "Reszleteskereses1",
               "Keresesescsere1", "FilmBezaras", "FilmInformacio", "FilmEredetiben", "FilmNagyban",
               "FeliratMutatasa", "Lejatszas1", "FilmFelirat", "BeallitasKezdo1",
               "BeallitasBefejezo1", "Visszavonas1", "Valto", "E4kezdo"},
           false);
    for (const char *n : {"Fszazalek", "Szoveg2", "szoveg2", "sordarab2", "LKarakterszam2", "Mov",
                          "movm", "GB12", "Lbetu", "Lsor", "Visszavonas1", "st1", "st2", "st3",
                          "szazalek12"})
        m.setVisible(QLatin1String(n), false);
    if (edition == Edition::VN) {
        m.setVisible(QStringLiteral("Bfilm"), false);
        m.setVisible(QStringLiteral("Film"), false);
    }
}

void applyResetSet(EditorModel &m)
{
    setAll(m, lineFields, false);
    m.setEnabled(QStringLiteral("Bertek"), false);
    setAll(m, timeBaseBox, false);
    setAll(m, shiftControls, false);
    setAll(m, searchControls, false);
    m.setEnabled(QStringLiteral("RB1"), false);
    setAll(m, appendControls, false);
    setAll(m, rowControls, false);
    m.setEnabled(QStringLiteral("Esorszam"), false);
    m.setEnabled(QStringLiteral("Bvegelso"), false);
    m.setEnabled(QStringLiteral("Masikfelirat"), false);
    setAll(m, gridMenuRowItems(), false);
    m.setEnabled(QStringLiteral("Beillesztes"), false);
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
    m.setEnabled(QStringLiteral("szoveg"), true);
    setAll(m, timeBaseBox, true);
    setAll(m, shiftControls, true);
    setAll(m, searchControls, true);
    m.setEnabled(QStringLiteral("RB1"), true);
    m.setChecked(QStringLiteral("RB1"), true);
    setAll(m, appendControls, true);
    setAll(m, rowControls, rows);
    if (rows) {
        m.setEnabled(QStringLiteral("Esorszam"), true);
        m.setEnabled(QStringLiteral("Bvegelso"), true);
        m.setEnabled(QStringLiteral("Masikfelirat"), true);
        setAll(m, gridMenuRowItems(), true);
        m.setEnabled(QStringLiteral("BeallitasKezdo1"), true);
        m.setEnabled(QStringLiteral("BeallitasBefejezo1"), true);
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
    for (const QString &n : secondShown)
        m.setVisible(n, second);
    m.setEnabled(QStringLiteral("MentesMF"), second);
}

void applyReadFailedSet(EditorModel &m)
{
    m.setEnabled(QStringLiteral("Batvaltas"), false);
    setAll(m, shiftControls, true);
    setAll(m, searchControls, true);
    m.setEnabled(QStringLiteral("RB1"), false);
    m.setEnabled(QStringLiteral("Esorszam"), false);
    m.setEnabled(QStringLiteral("Bvegelso"), false);
    setAll(m, gridMenuRowItems(), false);
    m.setEnabled(QStringLiteral("Beillesztes"), false);
    m.textClipboard.clear();
    applyTimeBaseTools(m, false);
    m.setEnabled(QStringLiteral("MentesMF"), false);
    m.host()->clearLineFields();
}

void setTwoSubtitleFields(EditorModel &m, bool two)
{
    for (const char *n : {"LSor", "Esorszam", "LKezdes", "kezdes", "LKulonbseg", "kulonbseg",
                          "LBefejezes", "befejezes", "Bertek"})
        m.setVisible(QLatin1String(n), !two);
    for (const char *n : {"szoveg2", "LKarakterszam2", "sordarab2"})
        m.setVisible(QLatin1String(n), two);
}
