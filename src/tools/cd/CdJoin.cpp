#include "tools/cd/CdJoin.h"

#include <QFile>
#include <QFileInfo>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"
#include "editor/Leaving.h"
#include "files/FileGlobals.h"
#include "files/LineClasses.h"
#include "files/OpenSubtitle.h"
#include "files/SubtitleReader.h"
#include "files/SubtitleWriter.h"
#include "files/TextDecoding.h"

namespace {

void nameCurrent(const QString &path)
{
    subtitlePath = path;
    subtitleFileName = QFileInfo(path).fileName();
}

}  // namespace

QString cdJoinTimeBase(const QString &first, const QString &second)
{
    if (first.endsWith(u't') && second.endsWith(u't'))
        return TimeBase::time;
    if (first.endsWith(u'b') && second.endsWith(u'b'))
        return TimeBase::frame;
    return QString();
}

bool checkCdJoinPair(const QString &first, const QString &second)
{
    if (!first.isEmpty() && !second.isEmpty() && first.back() == second.back())
        return true;
    showMessageBox(QStringLiteral("Hiba"), BoxKind::error,
                   QStringLiteral("Csak azonos típusú file-t lehet kiválasztani!"), false, false,
                   true);
    return false;
}

bool acceptCdJoinFile(const QString &path, const QString &otherField, bool fillingFirst)
{
    if (path != otherField)
        return true;
    showMessageBox(QStringLiteral("Duplikáció"), BoxKind::info,
                   fillingFirst ? QStringLiteral("Ezt a feliratot már betöltötte a második file-hoz!")
                                : QStringLiteral("Ezt a feliratot már betöltötte az első file-hoz!"),
                   false, false, true);
    return false;
}

SubtitleFileType detectSubtitleFileType(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SubtitleFileType::none;
    return detectSubtitleType(decodeSubtitleBytes(file.readAll()));
}

CdOutcome joinCd(EditorModel &model, const QString &first, const QString &second,
            const QString &start, const QString &resultPath, WriteCheck *check, bool takePartial)
{
    model.setEnabled(Ctl::Bvegre21, false);
    const SubtitleFileType type1 = detectSubtitleFileType(first);
    const SubtitleFileType type2 = detectSubtitleFileType(second);
    if (type1 != type2 || type1 == SubtitleFileType::timesUnicode) {
        showMessageBox(QStringLiteral("Stílushiba!"), BoxKind::error,
                       QStringLiteral("A két file eltérő stílusú/Frame,Time/!"), false, false,
                       true);
        return CdOutcome::Refused;
    }
    // The join replaces the table: unsaved edits are asked about first, as
    // when leaving the editor; "Mégsem" (or a save that did not happen)
    // keeps the table.
    const bool mayReplace = mayLeaveEditor(model, false);
    quietBoxes = false;
    if (!mayReplace) {
        model.setEnabled(Ctl::Bvegre21, true);
        return CdOutcome::Refused;
    }

    model.setTimeBase(type1 == SubtitleFileType::frames ? TimeBase::frame : TimeBase::time);
    SubtitleTable &cds = model.cds;
    if (!cds.isActive())
        cds.create();
    textTarget = Target::main;
    model.cdJoinStart = start;
    bool read = false;
    {
        BulkPass pass(model);
        cds.empty();
        nameCurrent(first);
        // a part read only partly is not joined: the result would lack its end
        read = isReadSuccess(readSubtitleFile(model, false))
               && (takePartial || !model.readStoppedEarly);
        if (read) {
            nameCurrent(second);
            read = isReadSuccess(readSubtitleFile(model, true))
                   && (takePartial || !model.readStoppedEarly);
        }
        cds.first();
        cds.mergeChangeLog();
        pass.finish(0, false);
        displayLock = true;
    }
    bool saved = false;
    if (read) {
        nameCurrent(resultPath);
        model.fileNameField = subtitleFileName;
        saved = saveSubtitle(model, false, true, check);
    } else {
        // The table holds only what could be read; nothing is saved over
        // the result name.
        showMessageBox(QStringLiteral("Hiba"), BoxKind::error,
                       QStringLiteral("Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!"),
                       false, false, true,
                       QStringLiteral("Vagy a file értelmezhetetlen típust tartalmaz!"));
    }

    cds.first();
    model.host()->showProgress(false);
    if (read) {
        model.host()->showCurrentRow();
        applyAfterReadSet(model);
        model.setModified(!saved);
        appMode = AppMode::subtitleRead;
        model.fileNameField = subtitleFileName;
        for (Ctl control : {Ctl::Bbeszuras, Ctl::Belemoge, Ctl::Btorles, Ctl::BTorlesTobb,
                            Ctl::BMMN})
            model.setEnabled(control, true);
    } else {
        applyReadFailedSet(model);
    }
    displayLock = false;
    model.host()->focusGrid();
    if (!read)
        return CdOutcome::Unreadable;
    if (saved)
        return CdOutcome::Done;
    return saveCancelled || saveRefused ? CdOutcome::Refused : CdOutcome::Unwritable;
}
