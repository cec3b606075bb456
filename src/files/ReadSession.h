#pragma once
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <vector>

#include "files/TextDecoding.h"

class EditorModel;
class SubtitleTable;

// What one read shares between its parts: the lines of the decoded file with
// the read position, the progress gauge, the reported and fatal marks.
class ReadSession {
public:
    ReadSession(EditorModel &model, const DecodedText &text, bool second,
                bool withOffset);

    EditorModel &model;
    SubtitleTable &cds;
    const bool second;      // textTarget "2": texts go to Szoveg2 of existing rows
    const bool withOffset;  // the CD-join read of a second part
    bool reported = false;
    bool fatal = false;

    bool atEnd() const { return lines_.atEnd(); }
    size_t lineCount() const { return lines_.count(); }
    // The next line; advances the gauge every hundredth of the file.
    QStringView nextLine();

    // Writes one report: an empty line and the given lines.
    void report(std::initializer_list<QString> lines);
    // The refusal of the frame-based reader and the dotted layout.
    void stopWithMessage();

private:
    LineCursor lines_;
    size_t pos_ = 0;
    size_t step_ = 0;
    size_t untilProgress_ = 0;
};

// "Ebben a sorban fordult elő a hiba: " and n.
QString faultRowLine(int n);
