#pragma once
#include <QString>

class EditorModel;

// Reads the file named by subtitlePath into the model's table (textTarget
// "1") or into Szoveg2 of its rows ("2"), repairing and reporting into the
// correction log. Returns the detected type: "1" frame-based, "2"
// time-based, "3" time-based Unicode, "4" dotted layout, or empty.
// withOffset: the CD-join read of a second part.
QString readSubtitleFile(EditorModel &model, bool withOffset);
