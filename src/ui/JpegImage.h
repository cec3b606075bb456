#pragma once
#include <QByteArray>
#include <QImage>

// Decodes a JPEG image held in memory with libjpeg. A damaged or unsupported
// image gives a null QImage; the decoder never ends the program.
QImage decodeJpeg(const QByteArray &data);

// Decodes a JPEG stored in the program's resources (":/name.jpg").
QImage jpegResource(const QString &path);
