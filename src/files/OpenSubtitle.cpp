#include "files/OpenSubtitle.h"

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/GridScrollBar.h"
#include "editor/EnableSets.h"
#include "files/FileGlobals.h"
#include "files/SubtitleReader.h"

namespace {

void showSecondColumn(EditorModel &model, bool on)
{
    model.setVisible(Ctl::Szoveg2, on);
    model.setVisible(Ctl::Mov, on);
    model.setVisible(Ctl::movm, on);
    // whole-row selection is off while two texts stand side by side
    model.setChecked(Ctl::racsRowSelect, !on);
}

}  // namespace

void prepareEditor(EditorModel &model, bool copyName, const QString &dialogName)
{
    editorReady = true;
    if (copyName)
        model.fileNameField = dialogName;
    for (Ctl name : {Ctl::racs, Ctl::Kereses1, Ctl::Reszleteskereses1, Ctl::Keresesescsere1,
                     Ctl::Ekereses, Ctl::Bkeresok, Ctl::Bmodok, Ctl::Breszletes, Ctl::BKreszletes})
        model.setEnabled(name, true);
    model.setEnabled(Ctl::RB1, true);
    model.setChecked(Ctl::RB1, true);
    for (Ctl name : {Ctl::st1, Ctl::st2, Ctl::st3})
        model.setVisible(name, false);
}

bool isReadSuccess(const QString &type)
{
    return type == QLatin1String("1") || type == QLatin1String("2") || type == QLatin1String("3");
}

QString readIntoEditor(EditorModel &model)
{
    if (!editorReady)
        return QString();
    SubtitleTable &cds = model.cds;
    const bool second = textTarget == Target::second;
    model.setEnabled(Ctl::megnyitas, false);
    model.host()->placeForRead();
    if (!cds.isActive())
        cds.create();
    // a second subtitle read into the rows is a change that can be undone;
    // a main subtitle read starts the history afresh
    JournalStepGuard step(second ? &model.journal() : nullptr,
                          QStringLiteral("Másik felirat beolvasása"));
    BulkPass pass(model, {.waitCursor = true});
    if (second) {
        showSecondColumn(model, true);
        cds.first();
    } else {
        showSecondColumn(model, false);
        cds.empty();
    }

    bool unopenable = false;
    const QString type = readSubtitleFile(model, false, &unopenable);

    cds.first();
    cds.mergeChangeLog();
    // The grid catches up before the editor shows the outcome.
    pass.finish(0, false);

    if (isReadSuccess(type)) {
        model.host()->showCurrentRow();
        applyAfterReadSet(model);
        if (second) {
            model.setEnabled(Ctl::MentesMF, true);
            model.secondFileName = subtitleFileName;
        }
        appMode = AppMode::subtitleRead;
        openMode = OpenMode::opening;
        model.host()->focusGrid();
    } else {
        // the failure set empties the line fields
        applyReadFailedSet(model);
        if (second)
            model.setEnabled(Ctl::MentesMF, false);
        // A file that could not be opened has had its own message.
        if (!unopenable)
            showMessageBox(QStringLiteral("Hiba"), BoxKind::error,
                           QStringLiteral("Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!"),
                           false, false, true,
                           QStringLiteral("Vagy a file értelmezhetetlen típust tartalmaz!"));
    }

    if (!second)
        model.journal().reset();
    model.setEnabled(Ctl::megnyitas, true);
    model.host()->showProgress(false);
    showScrollBarAfterRead(model);
    return type;
}

bool openCommandLineFile(EditorModel &model)
{
    const QString path = commandLineFile;
    const QString lower = path.toLower();
    if (path.isEmpty() || !(lower.endsWith(QLatin1String(".srt")) || lower.endsWith(QLatin1String(".sub"))))
        return false;
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    subtitlePath = path;
    subtitleFileName = path.mid(cut + 1);
    lastDirectory = path.left(cut + 1);
    model.cds.create();
    textTarget = Target::main;
    prepareEditor(model, true, subtitleFileName);
    readIntoEditor(model);
    commandLineFile.clear();
    return true;
}
