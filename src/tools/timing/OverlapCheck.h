#pragma once

#include <QString>
#include <QtGlobal>

#include "files/WriterEngine.h"

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
// "0.5 mp": lists the rows that last exactly half a second.
void listHalfSecondLines(EditorModel &model);

// The check a save runs over the time-based entries it writes, in writing
// order: a start before the previously written end is an error, logged as
// such. It starts by clearing the log and shows its summary at the end.
class SaveOverlapCheck : public WriteCheck {
public:
    explicit SaveOverlapCheck(EditorModel &model);
    void start() override;
    void entry(int recNo, const TimeText &start, const TimeText &end) override;
    // Shows the summary when errors were found.
    void finish() override;

private:
    EditorModel &model_;
    bool first_ = true;
    qint64 previousEnd_ = 0;
    int previousRecNo_ = 0;
    // the table's own times, joined only for an entry of the log
    const TimeText *previousStart_ = nullptr;
    const TimeText *previousEndText_ = nullptr;
    int errors_ = 0;
};
