#pragma once
#include <QByteArray>
#include <QString>

#include "files/FileEncoding.h"

// Encoding of written subtitle files. Code page 1250 is encoded through a
// table built from the same codec the readers decode with, so every byte a
// reader produced goes back unchanged.

// The text in code page 1250; false (and *out untouched) when a character
// has no place in it.
bool encodeCp1250(const QString &text, QByteArray *out);

struct EncodedText {
    QByteArray bytes;
    // Code page 1250 was asked for but the text did not fit, so it was
    // written as UTF-8 with a byte-order mark instead.
    bool fellBackToUtf8 = false;
};

// A file read as UTF-8 is written as UTF-8 (with a byte-order mark exactly
// when it had one); everything else in code page 1250 where it fits.
EncodedText encodeSubtitleText(const QString &text, FileEncoding readAs);
