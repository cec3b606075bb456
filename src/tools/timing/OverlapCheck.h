#pragma once

#include <QString>
#include <QtGlobal>

class EditorModel;

// Options of the overlap window.
struct OverlapOptions {
    bool repair = false;      // "Vizsgálat+javítás" instead of "Csak vizsgálat"
    bool errorsOnly = false;  // CBhiba "Csak hiba kiírása"
    bool statistics = true;   // CBstat "0,5 másodperc alatti statisztika készítése"
    bool stretch = false;     // CB5 "0,5 mp alatti 0,5 mp legyen"
};

struct OverlapResult {
    int overlaps = 0;
    int smallerStart = 0;
    int halfSecondRepairs = 0;
    int repairedStarts = 0;    // starts moved after the previous end
    int bands[3] = {0, 0, 0};  // <= 0 ms, 1..249 ms, 250..499 ms
    bool listEnabled = false;  // the window's "Lista" is enabled (and focused)
    bool statisticsEnabled = false;  // the window's "Statisztika" is enabled
};

// "Indítás": checks (and repairs) the whole table, writes the log and shows
// the summary. Rows without a start or an end take no part.
OverlapResult runOverlapCheck(EditorModel &model, const OverlapOptions &options);
// "Statisztika": the duration bands of the last run as a plain message.
void showDurationStatistics(const OverlapResult &result);
// "Lista" of the overlap window: the log under its own caption, without the
// report window's headings.
void showOverlapLog(EditorModel &model);
// "0.5 mp": lists the rows that last exactly half a second.
void listHalfSecondLines(EditorModel &model);

// The check the time-based writer runs over the lines it writes, in writing
// order. The caller clears the log before the first line.
class SaveOverlapCheck {
public:
    explicit SaveOverlapCheck(EditorModel &model);
    void line(int recNo, const QString &start, const QString &end);
    // Shows the summary when errors were found.
    void finish();
    int errors() const { return errors_; }

private:
    EditorModel &model_;
    bool first_ = true;
    qint64 previousEnd_ = 0;
    int previousRecNo_ = 0;
    QString previousStart_;
    QString previousEndText_;
    int errors_ = 0;
};
