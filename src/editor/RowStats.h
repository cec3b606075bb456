#pragma once
#include <QString>
#include <QStringView>
#include <array>

class EditorModel;

// Lengths of the first five lines of a text (lines joined by "|"). Every
// character between separators counts, style tags included.
struct LineLengths {
    // five lines are measured; the last three stay 0, so the lengths fill
    // one machine word
    std::array<quint8, 8> l{};
    int lineCount = 0;  // all lines of the text, measured or not
    bool anyLongerThan(int threshold) const;
    bool hasThirdLine() const { return l[2] > 0 || l[3] > 0 || l[4] > 0; }
};

// Measures without allocating: safe to call while drawing.
LineLengths measureLines(QStringView text);

// "37 betű" for one line, "12+20=32 betű" for several, "0=0 betű" when empty.
QString lineCountLabel(QStringView text);

// Brings sor3 and betu38 of the current row (in edit or insert state) and the
// two counts up to date from its Szoveg. The first form also announces the
// counts so the labels refresh; the second is the quiet one of the reader,
// search and replace and the time-base switch.
void setRowFlags(EditorModel &model);
void setRowFlagsQuiet(EditorModel &model);
