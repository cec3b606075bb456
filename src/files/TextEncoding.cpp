#include "files/TextEncoding.h"

#include <QStringDecoder>
#include <array>

namespace {

// Byte for each UTF-16 unit of code page 1250; 0 marks "no place" (NUL
// itself is handled apart).
struct Cp1250Table {
    std::array<unsigned char, 0x10000> byteFor{};
    Cp1250Table()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder("windows-1250");
        const QString chars = decoder.decode(all);
        if (chars.size() == 256) {
            for (int i = 1; i < 256; ++i)
                if (chars[i] != QChar::ReplacementCharacter)
                    byteFor[chars[i].unicode()] = static_cast<unsigned char>(i);
        } else {
            // Without the codec at least ASCII stays exact.
            for (int i = 1; i < 128; ++i)
                byteFor[i] = static_cast<unsigned char>(i);
        }
    }
};

const Cp1250Table &cp1250()
{
    static const Cp1250Table table;
    return table;
}

}  // namespace

bool encodeCp1250(const QString &text, QByteArray *out)
{
    const Cp1250Table &t = cp1250();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *p = bytes.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const unsigned char b = t.byteFor[u];
        if (b == 0 && u != 0)
            return false;
        *p++ = char(b);
    }
    *out = std::move(bytes);
    return true;
}

EncodedText encodeSubtitleText(const QString &text, FileEncoding readAs)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    EncodedText result;
    if (readAs == FileEncoding::Utf8) {
        result.bytes = text.toUtf8();
        return result;
    }
    if (readAs == FileEncoding::Utf8Bom) {
        result.bytes = bom + text.toUtf8();
        return result;
    }
    if (encodeCp1250(text, &result.bytes))
        return result;
    result.bytes = bom + text.toUtf8();
    result.fellBackToUtf8 = true;
    return result;
}
