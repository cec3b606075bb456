#pragma once
#include <QString>

class EditorModel;

// "Agresszív sortörés": every row with a line over the threshold or a third
// line is re-wrapped, joined, or split into two or three rows whose display
// time is divided in proportion to their text. "Sorfelezés /38-72 betű/"
// only breaks one-line rows of 38 to 72 characters in two.

// Text routines, each on one string with the threshold t; true when the
// string was changed.
bool punctuationWrap(QString &s, int t);  // one line into two, after punctuation if it can
bool spaceWrap(QString &s, int t);        // a text without "|" into two lines at a space
// A one-line text longer than t into the texts of two rows; false when no
// cut was found (part2 then empty).
bool twoPartSplit(const QString &s, int t, QString &part1, QString &part2);
void joinAll(QString &s);                 // the first two "|" become spaces
bool joinFirstPair(QString &s, int t);    // kept only when the joined line fits
bool joinSecondPair(QString &s, int t);

// Share of a part in the old text: a fraction with two decimals, truncated.
long double textShare(const QString &part, const QString &whole);

struct AggressiveCounts {
    int oneLine = 0;
    int twoLine = 0;
    int threeLine = 0;
    int unsplit = 0;
    int changed() const { return oneLine + twoLine + threeLine; }
};

// The aggressive pass over model.cds at model.threshold(), with its end
// message.
AggressiveCounts runAggressiveBreak(EditorModel &model);

// Line halving over model.cds, with the standard summary; returns the
// change count. Its limits do not follow the threshold.
int runLineHalving(EditorModel &model);
