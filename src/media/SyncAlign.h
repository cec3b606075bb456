#pragma once
#include <cstdint>
#include <vector>

// The best placement of a subtitle's rows on the speech of a film (or on the
// rows of a reference subtitle): new time = ratio × old time + the offset of
// the row's piece. Works on masks of 10 ms frames (speechFramesPerSecond).
//
// 1. The rows' spans correlated with the speech (+1 speech, -1 silence) by
//    FFT for ratio 1 and each frame-rate ratio: O(n log n) each.
// 2. With splits, the strongest lags become candidate offsets and a dynamic
//    programme over the rows picks one for each row; changing offset costs a
//    penalty, so only a cut that pays for itself splits (as alass does).
// 3. Each piece's offset is refined against the speech onsets (the median
//    distance from the rows' starts to the onsets beside them), which takes
//    out the bias a span correlation leaves, and with one piece a free ratio
//    is fitted through the same matches.

struct SyncSpan {
    double start = 0;  // seconds
    double end = 0;
};

struct SyncOptions {
    bool splits = true;
    bool ratio = true;
};

struct SyncPiece {
    int firstRow = 0;  // 0-based, inclusive
    int lastRow = 0;
    double offset = 0;  // seconds
};

struct SyncResult {
    enum Status { Found, NoSpeech, NoRows } status = Found;
    double ratio = 1.0;
    bool standardRatio = true;  // 1 or a ratio of two standard frame rates
    std::vector<SyncPiece> pieces;
    double confidence = 0;      // 0..1: how much better than chance the rows meet speech
    double speechShare = 0;     // share of the frames that are speech
    double mapped(int row, double t) const;
};

// Below it a result is said to be uncertain and never applied silently.
inline constexpr double syncConfidenceFloor = 0.35;

SyncResult alignToSpeech(const std::vector<std::uint8_t> &speech, const std::vector<SyncSpan> &rows,
                         const SyncOptions &options);

// The mask of a reference subtitle's rows, to align to in place of speech.
std::vector<std::uint8_t> spanMask(const std::vector<SyncSpan> &rows);
