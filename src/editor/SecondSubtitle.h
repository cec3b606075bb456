#pragma once
#include <QString>

class EditorModel;

// The second subtitle: the Szoveg2 texts of the rows, paired with the rows
// by position; secondRowCount rows from the first carry one.

// "Üres másik felirat": the second column and its controls without reading
// anything; the texts are then typed into szoveg2.
void startEmptySecondSubtitle(EditorModel &model);
// Whether the second column is shown.
bool secondSubtitleShown(const EditorModel &model);

// Shifts the second texts one row down from the current row, which gets an
// empty one ("Sor beszúrása" announces it). A text pushed past the last row
// is kept in a row appended with empty times.
void insertSecondCell(EditorModel &model, bool announce);
// Shifts the second texts one row up onto the current row, whose text is
// dropped; the last carrying row is left empty.
void deleteSecondCell(EditorModel &model);
// "Sor törlése" of the second column: asks first, always. True when deleted.
bool deleteSecondCellAsked(EditorModel &model);
// "Dőlt" of the second column's menu on the current row's second text.
void toggleSecondItalic(EditorModel &model);
// A second text stored in a row beyond the carrying rows makes it one.
void noteSecondText(EditorModel &model);

// "ÖV" (dash false) and "ÖV-" (dash true): the current row joins the
// previous one. False when refused on the first row.
bool mergeIntoPrevious(EditorModel &model, bool dash);
// "MÖV" and "MÖV-": the current second text joins the previous row's.
bool mergeSecondIntoPrevious(EditorModel &model, bool dash);

// The drop of a dragged second text on dropRow (1-based): a new row before
// or after it, both times the drop row's start, the text its Szoveg.
void dropSecondText(EditorModel &model, int dropRow, const QString &text, bool after);

// The drag of a second text into the first subtitle: what the grid's mouse
// movements and releases do.
class SecondTextDrag {
public:
    enum class Column { Other, Text, Second };
    // A movement over the grid; leftOnly: exactly the left button is held.
    // True when the drag cursor should show.
    bool mouseMove(int row, Column column, bool leftOnly, const QString &currentSecondText);
    // A release; true when the drop menu opens.
    bool mouseUp(Column column);

    int dropRow() const { return dropRow_; }
    const QString &draggedText() const { return dragged_; }
    bool dragging() const { return marker_; }

private:
    int dropRow_ = 0;
    Column column_ = Column::Other;
    QString dragged_;
    bool marker_ = false;
    bool ready_ = true;
};
