#pragma once
#include <QString>
#include <functional>

#include "document/ChangeJournal.h"
#include "document/SubtitleTable.h"
#include "files/FileEncoding.h"

// A subtitle and what belongs to its file: the table, how its file was
// decoded, its time base and frame rate, and the second subtitle's file
// when one is loaded into the same rows. Every change of the table and of
// the time base and frame rate passes through the journal, so that one user
// action is one step that can be replayed backwards. The windows' states
// live beside it (EditorModel, the translation workspace).
class SubtitleDocument {
public:
    enum class Value { TimeBase, Fps };

    SubtitleDocument();
    SubtitleDocument(const SubtitleDocument &) = delete;
    SubtitleDocument &operator=(const SubtitleDocument &) = delete;

    SubtitleTable table;
    ChangeJournal journal{table};

    // How the main and the second subtitle were decoded when read.
    FileEncoding encoding = FileEncoding::Cp1250;
    FileEncoding secondEncoding = FileEncoding::Cp1250;
    // The name of the second subtitle's file, as read or last saved.
    QString secondFileName;

    // The time base ("Time" or "Frame") and the frame rate text ("23,976").
    QString value(Value which) const { return which == Value::TimeBase ? timeBase_ : fps_; }
    // Sets a value, recorded in the journal; false when it was already so.
    bool setValue(Value which, const QString &text);
    // Told after undo or redo put a value back.
    void onValueRestored(std::function<void(Value)> notify) { restored_ = std::move(notify); }

private:
    QString &slot(Value which) { return which == Value::TimeBase ? timeBase_ : fps_; }

    QString timeBase_;
    QString fps_;
    std::function<void(Value)> restored_;
};
