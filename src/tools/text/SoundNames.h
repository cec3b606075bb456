#pragma once
#include <QString>
#include <QStringList>

class EditorModel;

// "Hangutánzó szavak és nevek törlése" and its "- extra" form: one
// re-examining pass that deletes descriptions of sounds in parentheses and
// square brackets, speaker names in capitals before a colon (leaving a
// dialogue dash where speech follows) and credit or watermark lines.
// Colons that cannot safely be taken for a name are listed as critical rows.

// Lines whose presence anywhere in a text deletes the row: a transcript
// credit (both spellings) and a web-site watermark.
const QStringList &creditLines();

// Where the failure message asks the user to send the subtitle.
inline const QString faultContactAddress = QStringLiteral("hibabejelentes@kelvo.hu");

struct SoundNamesResult {
    int changes = 0;
    int critical = 0;
    bool dashHint = false;
};

// Runs the pass over model.cds (with its end message); `extra` adds the
// removal of short mixed-case labels before a colon.
SoundNamesResult runSoundNames(EditorModel &model, bool extra);
