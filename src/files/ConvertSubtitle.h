#pragma once
#include <QString>

class EditorModel;
class WriteCheck;

// Refused: the table had rows but none could be written (nothing replaced).
enum class ConvertOutcome { Written, NotProgrammed, Cancelled, Unwritable, UnknownFormat, Refused };

// Writes the editor's table in the listed format of that name. With askName
// the file-name dialog (mode "MentesMaskent") asks for the target first;
// without it the target is subtitlePath as it stands. SubRip goes through
// the editor's own save with saveCheck (nullptr: none); the table itself
// is left unchanged.
ConvertOutcome convertTable(EditorModel &model, const QString &formatName, bool askName,
                            WriteCheck *saveCheck);
// As the editor converts: the save-time overlap check runs when its option
// "Mentéskor átfedés ellenőrzése" is on.
ConvertOutcome convertTable(EditorModel &model, const QString &formatName, bool askName);
