#pragma once
#include <QString>

#include "files/SubtitleFileType.h"
#include "tools/cd/CdSplit.h"

class WriteCheck;

// Joining the two files of a two-disc film into one: the first read as it
// is, the second appended with its values moved so that its first line
// starts at a typed value, the whole saved under a new name.

// The join's time base from the two chosen paths: "Time" when both end in
// "t", "Frame" when both end in "b", empty otherwise.
QString cdJoinTimeBase(const QString &first, const QString &second);

// "Érvényesítés" of the two chosen files: both must end in the same
// character; otherwise the editor says so. True when they do.
bool checkCdJoinPair(const QString &first, const QString &second);

// A double-click that would put the file of the other field into this one
// is refused with "Duplikáció". fillingFirst: the first field is the one
// being filled. True when the file may be taken.
bool acceptCdJoinFile(const QString &path, const QString &otherField, bool fillingFirst);

// The type of a subtitle file from its first line that tells; none when
// no line does or the file cannot be read.
SubtitleFileType detectSubtitleFileType(const QString &path);

// "Végrehajtás" of the join: checks that both files are of one kind (not
// 16-bit Unicode), reads them into the table with the second part moved to
// start at start, and saves the table as resultPath, which becomes the
// current file. check is the save-time check (nullptr: none). A part that
// cannot be read, or is read only partly, stops the join before anything is
// saved; takePartial joins what a partly read part gave.
CdOutcome joinCd(EditorModel &model, const QString &first, const QString &second,
            const QString &start, const QString &resultPath, WriteCheck *check,
            bool takePartial = false);
