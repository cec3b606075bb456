#pragma once
#include <QList>
#include <QString>

class EditorModel;

// "Kilépés": asks the save question when the subtitle is modified and the
// question is not switched off ("Kilépésnél: nincs kérdés"). True when the
// editor may close: no question, "Nem", or "Igen" with the save done. False
// after "Mégsem", and when the save behind "Igen" did not happen (name
// dialog left, file not written), so the subtitle is not lost.
bool mayLeaveEditor(EditorModel &model, bool noQuestion);

// Before another file replaces what the editor holds: the same question,
// always asked while anything is unsaved; the editor stays open, so the
// messages silenced for the exit save speak again afterwards.
bool mayReplaceSubtitle(EditorModel &model);

// A document a window's title names: its file name (empty for a subtitle
// never saved) and whether it has unsaved changes.
struct TitledDocument {
    QString name;
    bool unsaved = false;
};

// The window's caption while everything is saved; otherwise the caption
// followed by the documents, an unsaved one marked as other editors do
// ("Felirat megnyitása – *film.srt"). A document without a name or changes
// is left out; an unsaved one without a name is called "névtelen".
QString titleWithUnsaved(const QString &caption, const QList<TitledDocument> &documents);
