#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes; "<missing>" when it cannot be read, so a missing file
// never equals an empty one.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}
