#pragma once
#include <array>
#include <QObject>
#include <QString>
#include <QStringList>

#include "app/ModeValues.h"
#include <memory>

#include "document/SubtitleDocument.h"
#include "editor/EditorControls.h"
#include "document/SubtitleTable.h"
#include "editor/EditorControls.h"
#include "files/FileEncoding.h"
#include "tools/text/CorrectionLog.h"

// Options of the editor's options menu, at their defaults on every start.
struct EditorOptions {
    bool mentAt = true;   // "Mentéskor átfedés ellenőrzése"
    bool beolvas = false; // "Beolvasáskor a hibák ne jelenjenek meg"
    bool max2 = false;    // "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése"
    bool uresNe = false;  // "Üres sort ne mentsen ki"
};

// What core routines ask of the editor window beyond its state: the window
// implements it, the batch tool and tests leave the defaults (nothing).
class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual void showCurrentRow() {}
    virtual void clearLineFields() {}          // start, end and text fields emptied
    virtual void showProgress(bool visible) {} // the gauge Fszazalek
    virtual void setProgress(int value) {}
    virtual void showReportWindow() {}         // THibaki, modally
    virtual void runFileNameDialog() {}        // TFileneve, modally
    virtual void pauseFilm() {}
    virtual void setWaitCursor(bool on) {}     // the hourglass while a file is read
    // Before a read: on a screen exactly 1280 wide and at least 768 high the
    // window moves to 10 pixels from the top.
    virtual void placeForRead() {}
    virtual void focusGrid() {}
};

// The editor's document: the subtitle table with everything the core
// routines read and set on the editor. The window mirrors it in its
// controls; the batch tool runs the same routines on it without a window.
// The name of a step no action named (a change by a key or a drop).
QString looseChangeStep();

class EditorModel : public QObject {
    Q_OBJECT
    // the document comes first: the names below refer into it
    std::unique_ptr<SubtitleDocument> document_;

public:
    explicit EditorModel(QObject *parent = nullptr);
    ~EditorModel() override;

    SubtitleDocument &document() { return *document_; }
    const SubtitleDocument &document() const { return *document_; }
    ChangeJournal &journal() { return document_->journal; }
    const ChangeJournal &journal() const { return document_->journal; }

    // The document's table, by the name the routines know it by.
    SubtitleTable &cds;
    EditorOptions options;
    CorrectionLog log;

    // Time base shown by beosztas: "Time" or "Frame".
    QString timeBase() const { return document_->value(SubtitleDocument::Value::TimeBase); }
    void setTimeBase(const QString &base);
    bool isTimeBase() const { return timeBase() == TimeBase::time; }
    // Frame rate text of cbFps, such as "23,976".
    QString fps() const { return document_->value(SubtitleDocument::Value::Fps); }
    void setFps(const QString &fps);

    // Threshold SEbetu (10..99) and the two counts of flagged rows.
    int threshold() const { return threshold_; }
    void setThreshold(int t);
    int overThresholdCount = 0;
    int threeLineCount = 0;
    void announceCounts() { emit countsChanged(); }

    // The file-name field Efilenev.
    QString fileNameField;
    // The name of the second subtitle's file, as read or last saved.
    QString &secondFileName;
    // Set by a read that repaired or reported something.
    bool readErrorsFound = false;
    // Set by a read that stopped before the end of the file ("Csak eddig
    // tudtam betölteni a file-t!"): the table holds only part of it.
    bool readStoppedEarly = false;
    // How the main and the second subtitle were decoded when read.
    FileEncoding &fileEncoding;
    FileEncoding &secondFileEncoding;
    // Start typed in the CD-join window (Edit2 of TErtek2cd), read by a
    // read with the CD offset on.
    QString cdJoinStart;

    // Enabled and visible states of the editor's controls and menu items
    // (editorControls()); controls never set are enabled and visible.
    bool isEnabled(Ctl control) const { return state(enabled_, control, true); }
    void setEnabled(Ctl control, bool on);
    bool isVisible(Ctl control) const { return state(visible_, control, true); }
    void setVisible(Ctl control, bool on);

    // Check marks of check boxes, radio buttons and checkable menu items that
    // core routines set; controls never set keep the window's own state.
    bool hasCheckedState(Ctl control) const
    {
        return control != Ctl::None && checked_[ctlIndex(control)] >= 0;
    }
    bool isChecked(Ctl control) const { return state(checked_, control, false); }
    void setChecked(Ctl control, bool on);

    // The editor's own text clipboard (stored form, "|" for line breaks).
    QString textClipboard;

    // The modified marker: the enabled state of "Mentés" and "Felirat mentése".
    // It stays on while either subtitle, the main or the second, has unsaved
    // changes; each keeps its own state, so saving one never hides the
    // other's edits.
    bool modified() const { return isEnabled(Ctl::Bmentes); }
    // On: a change that may touch both files (the second too while one is
    // loaded). Off: neither has unsaved changes.
    void setModified(bool on);
    enum class Subtitle { main, second };
    // A change that touched one subtitle's file only.
    void markChanged(Subtitle which);
    // One subtitle's file was written (or read afresh).
    void markSaved(Subtitle which);
    bool unsaved(Subtitle which) const
    {
        return which == Subtitle::main ? mainUnsaved_ : secondUnsaved_;
    }

    EditorHost *host() const { return host_; }
    void setHost(EditorHost *host);

signals:
    void timeBaseChanged(const QString &base);
    void fpsChanged(const QString &fps);
    void countsChanged();
    void controlChanged(Ctl control);
    // Either subtitle's unsaved state may have changed.
    void unsavedChanged();
    // The steps that can be undone or redone changed.
    void historyChanged();

private:
    int threshold_ = 37;
    // per control: -1 never set, else the state
    using States = std::array<signed char, controlIdCount>;
    static bool state(const States &states, Ctl control, bool unset)
    {
        const signed char s = control == Ctl::None ? -1 : states[ctlIndex(control)];
        return s < 0 ? unset : s != 0;
    }
    bool setState(States &states, Ctl control, bool on);
    States enabled_;
    States visible_;
    States checked_;
    bool mainUnsaved_ = false;
    bool secondUnsaved_ = false;
    void showMarker();
    EditorHost *host_;
};
