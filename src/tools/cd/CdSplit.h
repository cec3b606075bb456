#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "document/SubtitleTable.h"
#include "files/FileEncoding.h"

class EditorModel;

// How a split or a join ended: done, refused with one of its own messages
// (nothing written), a part that could not be read, or a file that could
// not be written.
enum class CdOutcome { Done, Refused, Unreadable, Unwritable };

// Splitting one subtitle into the two files of a two-disc film: the rows
// before the chosen one go to "<name> cd1", the rest, moved so that they
// start at a typed value, to "<name> cd2", both beside the current file.

// The part's name: tag (" cd1", " cd2") put before the last four
// characters of the file name ("film.srt" -> "film cd1.srt").
QString cdPartName(const QString &fileName, const QString &tag);

// The rows of each part: only rows with both a start and an end. row is the
// 1-based first row of the second part; the second part's values move so
// that row's start becomes start (clamped to 0, and to 24 hours in "Time").
std::vector<SubtitleRow> cdFirstPart(const SubtitleTable &table, int row);
std::vector<SubtitleRow> cdSecondPart(const SubtitleTable &table, int row, const QString &start,
                                      bool timeBased);

// The bytes of a part file. Time-based: number, time line, the text's lines,
// an empty line, every line ending in CR LF. Frame-based: "{start}{end}text"
// lines ending in CR LF. A text with a character code page 1250 lacks is
// written as UTF-8 with a byte-order mark.
QByteArray renderCdPart(const std::vector<SubtitleRow> &rows, bool timeBased,
                        FileEncoding encoding);

// "Végrehajtás" of the split with row as the chosen line (1-based) and start
// as typed in E4kezdouj, on the current file (subtitlePath): validates,
// corrects the extension, asks before overwriting, writes both parts
// (both written before either replaces its old file, so both stay old
// when either fails) and shows the outcome.
CdOutcome splitCd(EditorModel &model, int row, const QString &start);

// The chosen line may begin the second part only when it has a start and an
// end; otherwise the editor says so. True when it may.
bool checkCdSplitRow(const SubtitleTable &table, int row);
