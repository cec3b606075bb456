#pragma once
#include <QString>

class EditorModel;

// The three searches of the editor over Szoveg of the rows. Each walks the
// table with the editor held still, makes the row found current (or puts the
// start row back and says "Nincs (több) ilyen: ") and refreshes the line
// fields once at the end.

// Lowers the letters A to Z only; every other character is kept.
QString lowerAsciiLetters(const QString &text);
// The quick search's comparison form: A to Z lowered, then the Hungarian
// accented capitals replaced by their small letters.
QString foldAccentedCapitals(const QString &text);
// Whether the occurrence at index (0-based) of that length stands alone:
// neither the character before nor the one after is a letter (a-z, A-Z and
// the Hungarian accented letters). The ends of the text count as non-letters.
bool isWholeWord(const QString &text, int index, int length);

enum class SearchOutcome { NotRun, Found, NotFound };

// The editor's quick search for text from the row after the current one;
// ignoreBreaks reads every "|" of the rows as a space.
SearchOutcome quickSearch(EditorModel &model, const QString &text, bool ignoreBreaks);

// Where "Ugrás a szóra" selects the match in the current row's text: index
// (0-based, in the stored text) and length. The occurrence is looked for with
// A to Z lowered and the "|" kept; when that form does not hold it (the row
// matched through folding or a read-as-space break) the folded match is used.
struct TextSelection {
    int start = 0;
    int length = 0;
};
TextSelection quickSearchSelection(const QString &rowText, const QString &text, bool ignoreBreaks);

struct DetailedSearchOptions {
    bool backward = false;     // "Keresés visszafelé"
    bool matchCase = false;    // "Kis- és nagybetű megkülönböztetése"
    bool ignoreBreaks = false; // "Sortörés figyelmen kívül hagyása"
    bool wholeWord = false;    // "Csak teljes szó"
};
// "Keresés" of the detailed search window.
SearchOutcome detailedSearch(EditorModel &model, const QString &text,
                             const DetailedSearchOptions &options);
