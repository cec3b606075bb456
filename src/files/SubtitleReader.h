#pragma once
#include <QString>

class EditorModel;

// Reads the file named by subtitlePath into the model's table (textTarget
// "1") or into Szoveg2 of its rows ("2"), repairing and reporting into the
// correction log. Returns the detected type: "1" frame-based, "2"
// time-based, "3" time-based Unicode, "4" dotted layout, or empty.
// withOffset: the CD-join read of a second part. A file that cannot be
// opened or read gets its own message; *unopenable then tells the caller
// not to add the general failure message.
QString readSubtitleFile(EditorModel &model, bool withOffset, bool *unopenable = nullptr);

// Loads a whole file for reading. On failure shows the message naming the
// file (title "Hiba", kind "hiba") and returns false.
bool loadSubtitleBytes(const QString &path, QByteArray *bytes);
