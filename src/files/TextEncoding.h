#pragma once
#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include "files/FileEncoding.h"

// Encoding of written subtitle files. Code page 1250 is encoded through a
// table built from the same codec the readers decode with, so every byte a
// reader produced goes back unchanged.

// The text in code page 1250; false (and *out untouched) when a character
// has no place in it.
bool encodeCp1250(const QString &text, QByteArray *out);

struct EncodedText {
    QByteArray bytes;
    // Code page 1250 was asked for but the text did not fit, so it is UTF-8
    // with a byte-order mark instead.
    bool fellBackToUtf8 = false;
};

// A whole text by the rules of EncodedFile below, falling back to UTF-8
// with a byte-order mark.
EncodedText encodeSubtitleText(const QString &text, FileEncoding readAs);

// A file being written, encoded piece by piece straight into its bytes. A
// file read as UTF-8 is written as UTF-8 (with a byte-order mark exactly
// when it had one); everything else in code page 1250. When a character has
// no place in code page 1250, fits() turns false and the rest is dropped:
// the caller then writes the file again as UTF-8 with a byte-order mark.
class EncodedFile {
public:
    EncodedFile(FileEncoding encoding, qsizetype expectedChars);
    void append(QStringView text);
    void append(QLatin1StringView ascii);
    bool fits() const { return fits_; }
    QByteArray take();

private:
    char *room(qsizetype bytes);

    bool cp1250_;
    bool fits_ = true;
    QStringEncoder utf8_{QStringEncoder::Utf8};
    QByteArray out_;
    qsizetype length_ = 0;
};
