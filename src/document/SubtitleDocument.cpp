#include "document/SubtitleDocument.h"

#include <utility>

SubtitleDocument::SubtitleDocument()
{
    table.attachJournal(&journal);
    journal.setValueSwap([this](int key, const QString &text) {
        const auto which = Value(key);
        QString old = std::exchange(slot(which), text);
        if (restored_)
            restored_(which);
        return old;
    });
}

bool SubtitleDocument::setValue(Value which, const QString &text)
{
    QString &current = slot(which);
    if (current == text)
        return false;
    if (journal.recording()) {
        TableChange change{TableChange::Kind::Value};
        change.key = int(which);
        change.text = current;
        journal.record(std::move(change));
    }
    current = text;
    return true;
}
