#pragma once
#include <QString>

class EditorModel;

// What the editor's line fields store into the current row.

// "Értékek beállítása": checks the typed start and end (by time base, with
// the checks' own messages) and, when they pass, stores them, turns the
// modified marker on and "Értékek beállítása" off. False when nothing was
// stored.
bool storeTypedTimes(EditorModel &model, const QString &start, const QString &end);

// The text field's lines in the stored form: carriage returns dropped, each
// line break a "|".
QString storedFormOf(const QString &fieldText);

// Typing in the text field (main or second subtitle): the field's text is
// stored when it differs from the row's and read back; returns the counter
// label of what was stored ("0" for an empty text), or an empty string when
// nothing was stored.
QString storeTypedText(EditorModel &model, const QString &fieldText);
QString storeTypedText2(EditorModel &model, const QString &fieldText);
