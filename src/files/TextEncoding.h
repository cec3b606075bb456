#pragma once
#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include "files/FileEncoding.h"

// Encoding of written subtitle files. Code page 1250 is encoded through a
// table built from the same codec the readers decode with, so every byte a
// reader produced goes back unchanged.

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
    // The number in decimal.
    void appendNumber(int number);
    // The text with every "|" written as lineEnd.
    void appendLines(QStringView text, QLatin1StringView lineEnd);
    // A frame-based entry: "{start}{end}text", the text's breaks kept as "|".
    void appendBraced(QStringView start, QStringView end, QStringView text);
    bool fits() const { return fits_; }
    // Bytes written so far.
    qsizetype size() const { return length_; }
    // Code page 1250 only: a character without a place is written as "?"
    // and counted, and the file keeps fitting.
    void replaceMissing() { replaceMissing_ = true; }
    qsizetype replaced() const { return replaced_; }
    QByteArray take();

private:
    // Where the next `bytes` bytes go.
    char *room(qsizetype bytes)
    {
        if (length_ + bytes > out_.size())
            grow(length_ + bytes);
        return data_ + length_;
    }
    void grow(qsizetype bytes);

    bool cp1250_;
    bool fits_ = true;
    bool replaceMissing_ = false;
    qsizetype replaced_ = 0;
    const unsigned char *byteFor_;  // code page 1250 byte of each UTF-16 unit, 0: none
    QStringEncoder utf8_{QStringEncoder::Utf8};
    QByteArray out_;
    char *data_ = nullptr;  // out_'s bytes, taken once per growth
    qsizetype length_ = 0;
};

// Renders a file with `encoding`; when a character has no place in it, the
// whole file again as UTF-8 with a byte-order mark.
template <typename Render>
QByteArray renderFitting(FileEncoding encoding, qsizetype expectedChars, Render render)
{
    EncodedFile file(encoding, expectedChars);
    render(file);
    if (file.fits())
        return file.take();
    EncodedFile utf8(FileEncoding::Utf8Bom, expectedChars);
    render(utf8);
    return utf8.take();
}
