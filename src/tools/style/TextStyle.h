#pragma once
#include <QString>

class EditorModel;

// The style tags of a stored text ("<i>" … "</i>", "<b>" … "</b>",
// "<u>" … "</u>"; a lone leading "<i>" is the second kind of italics) and
// the editor's text clipboard, on the current row of the table.

struct TagPair {
    QString open;
    QString close;
};
const TagPair &italicTags();
const TagPair &boldTags();
const TagPair &underlineTags();

// ---- on texts -------------------------------------------------------------

// Which of the grid menu's style marks a text shows. Presence anywhere
// counts; the order of the tags is not looked at.
struct StyleChecks {
    bool italic = false;   // "<i>" and "</i>"
    bool italic2 = false;  // "<i>" without "</i>"
    bool bold = false;
    bool underline = false;
};
StyleChecks styleChecksOf(const QString &text);

// Every open and close tag of the pair removed, unpaired ones too.
QString withoutTags(const QString &text, const TagPair &tags);
// A closing italic tag left at the end without any opening one goes.
QString italicCleanup(const QString &text);
// A selection of a text field in the stored form: line breaks as "|",
// carriage returns and NUL characters dropped.
QString selectionStoredForm(const QString &selected);
// The first occurrence of piece cut from text, with a "|" it leaves at the
// end and an orphan closing italic tag; false (text unchanged) when piece
// is empty or not in text.
bool cutFirstOccurrence(QString *text, const QString &piece);
// The first occurrence of piece enclosed in the pair; false when piece is
// empty or not in text.
bool tagFirstOccurrence(QString *text, const QString &piece, const TagPair &tags);
// The position in the stored text of a caret in a text field's plain text
// (a "\r\n" there is the single "|" of the stored text).
int storedCaret(const QString &fieldText, int caret);

// ---- on the current row ---------------------------------------------------

// Sets the check marks of "Dőlt", "Dőlt /2.fajta/", "Vastagított" and
// "Aláhúzott" from the current row (nothing while the table is empty).
void updateStyleChecks(EditorModel &model);
// "Dőlt", "Vastagított", "Aláhúzott": the whole text wrapped in the pair,
// or every tag of the pair removed when the row already has the style.
void toggleWholeStyle(EditorModel &model, const TagPair &tags);
// "Dőlt /2.fajta/": a leading "<i>" without a closing tag, or every italic
// tag removed when the row has that style.
void toggleItalic2(EditorModel &model);
// Removes every tag of the pair from the current row.
void removeTags(EditorModel &model, const TagPair &tags);
// "Minden formázás eltávolítása".
void removeAllStyles(EditorModel &model);

// The grid menu's "Kivágás", "Másolás", "Beillesztés" on the whole text.
void cutRowText(EditorModel &model);
void copyRowText(EditorModel &model);
void pasteRowText(EditorModel &model);

// The text field's operations; selected is the field's selection as the
// field gives it, caret a position in the stored text.
void copySelection(EditorModel &model, const QString &selected);
void cutSelectionFromRow(EditorModel &model, const QString &selected);
void pasteAtCaret(EditorModel &model, int caret);
void tagSelection(EditorModel &model, const QString &selected, const TagPair &tags);
// "Kivágás + 1 sor beszúrása + beillesztés": the selection moves into a new
// row of its own after the current one.
void cutIntoNewRow(EditorModel &model, const QString &selected);
// "Kivágás + beszúrás a következő sor elejére": the selection goes in front
// of the next row's text (a new row after the last one).
void cutToNextRowStart(EditorModel &model, const QString &selected);

// "Kivágás + 1 sor beszúrása + beillesztés" of szoveg2: the selection of
// the second text moves into a second cell of its own in the next row; the
// second texts below move one row down.
void cutSecondIntoNextCell(EditorModel &model, const QString &selected);

// What a key pressed in the text field does to the modified marker.
struct TextKeyEffect {
    bool modifiesNow = false;     // the subtitle becomes modified at once
    bool typingModifies = false;  // modified when the key produces a character
    bool copiesSelection = false; // the selection also goes to the text clipboard
};
TextKeyEffect textFieldKeyEffect(int key, int modifiers, bool hasSelection);
