#pragma once
#include <QString>

#include "tools/search/Search.h"

class EditorModel;

// The search and replace window's work on the editor's table.

// "Keresés": from the row after the current one (the last row itself when
// it is current) down to the last; firstCharOnly counts only an occurrence
// at the first character of the row. Found means "Csere" is enabled.
SearchOutcome replaceWindowSearch(EditorModel &model, const QString &find, bool matchCase,
                                  bool firstCharOnly);

// "Csere": the first occurrence in the current row, case always ignored, is
// replaced. False when there is none (or find is empty).
bool replaceInCurrentRow(EditorModel &model, const QString &find, const QString &with);

// "Összes találat cseréje" over every row, each replacement logged; shows
// the result message. Returns the number of replacements, -1 when find is
// empty and nothing was done.
int replaceAll(EditorModel &model, const QString &find, const QString &with, bool matchCase);

// "Lista": the correction log under the caption of search and replace.
void showReplaceLog(EditorModel &model);
