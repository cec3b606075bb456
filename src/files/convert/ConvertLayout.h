#pragma once
#include <QStringView>

class EncodedFile;

// How a converted format writes a start or an end time code. Digits are
// cut, never rounded.
enum class TimeRendering {
    Clock,              // HH:MM:SS
    ShortClock,         // H:MM:SS (first hour digit dropped)
    ColonHundredths,    // HH:MM:SS:cc
    DotHundredths,      // HH:MM:SS.cc
    ShortDotHundredths, // H:MM:SS.cc
    DotTenths,          // HH:MM:SS.d
    ShortDotTenths,     // H:MM:SS.d
    PalFrames,          // HH:MM:SS:FF, FF = ms / 40
    PalFramesSemicolon, // HH;MM;SS;FF
    Packed,             // hMMSSmmm
    Full,               // HH:MM:SS,mmm
    Milliseconds,
    Centiseconds,
    Deciseconds,
    MinutesSeconds,     // MM:SS.cc, MM the total minutes
    SecondsHundredths,  // total seconds (two digits at least), space, cc
};

// The rendering of a well-formed time code HH:MM:SS,mmm into out (room
// for 16 characters); returns the characters written.
int renderTime(TimeRendering rendering, QStringView code, char16_t *out);

enum class TagTreatment { Removed, Kept, ClosingRemoved, SsaCodes, SsaCodesNoUnderline };

// A text after the tag treatment.
void treatTags(TagTreatment treatment, QStringView text, QString &out);

// One subtitle line as a format writes it.
struct ConvertLine {
    int number;            // 1-based among the written lines
    QStringView start;     // rendered
    QStringView end;
    QStringView lines[3];  // L1..L3
    int count;             // n, 0..3
    qint64 durationMs;     // |end - start|
    QStringView whole;     // the whole text after the tags, "|" for breaks
};

struct ConvertLayout;

// Writes pieces of a converted file. A template holds literal text with
// "\n" for the format's line end and these codes:
//   %S %E  start, end          %J  the lines joined by the layout's join
//   %L     each line + line end %R  the lines run together
//   %1     L1                  %T  L2 and L3, each + line end
//   %n     running number      %4  running number in four digits
//   %0     running number from 0   %W  the whole text, "|" as space
//   %D     today's date YYYY-MM-DD   %z  a NUL character   %%  a "%"
class ConvertOut {
public:
    ConvertOut(EncodedFile &file, const ConvertLayout &layout) : file_(file), layout_(layout) {}
    void put(QStringView templ, const ConvertLine *line = nullptr);
    void text(QStringView s);
    void number(qint64 n);
    void endLine();
    EncodedFile &file() { return file_; }

private:
    EncodedFile &file_;
    const ConvertLayout &layout_;
};

using ConvertRoutine = void (*)(ConvertOut &out, const ConvertLine &line);

struct ConvertLayout {
    TimeRendering rendering;
    TagTreatment tags;
    QStringView header;
    QStringView entry;       // template of one subtitle line, unless routine is set
    QStringView footer;
    QStringView join = u"";  // for %J
    ConvertRoutine routine = nullptr;
    // Constants of the format are bytes of code page 1250: no UTF-8
    // fallback, a character without a place becomes "?".
    bool byteCoded = false;
    bool lineFeedOnly = false;  // lines end in LF alone
    // A text of this many lines or more has no place in the format and its
    // entry is left out (0: every text has one).
    int droppedFrom = 0;
};
