#pragma once
#include <QByteArray>

// The headers of a tiny AVI file with one video stream at rate / scale
// frames a second: enough for the frame-rate reader, not a playable film.
namespace avibytes {

inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

inline QByteArray chunk(const char *tag, const QByteArray &body)
{
    return QByteArray(tag, 4) + le32(body.size()) + body;
}

inline QByteArray aviHeaders(quint32 scale, quint32 rate)
{
    const QByteArray strh = QByteArray("vidsMJPG") + QByteArray(12, '\0') + le32(scale) + le32(rate)
                            + QByteArray(28, '\0');
    const QByteArray strl = chunk("LIST", QByteArray("strl") + chunk("strh", strh));
    const QByteArray hdrl =
        chunk("LIST", QByteArray("hdrl") + chunk("avih", QByteArray(56, '\0')) + strl);
    return QByteArray("RIFF") + le32(hdrl.size() + 4) + QByteArray("AVI ") + hdrl;
}

}  // namespace avibytes
