#pragma once
#include <QString>
#include <QStringView>

#include "files/ReadSession.h"

// Reads frame-based lines "{start}{end}text". It repairs nothing: a line
// that does not begin with "{" stops the read with its message.
class FrameReader {
public:
    explicit FrameReader(ReadSession &session) : s_(session) {}

    // The CD-join offset: the typed start minus the first line's start frame.
    void prepareOffset(QStringView firstLine);
    void readFrameLine(QStringView line);

private:
    QString shifted(const QString &field) const;

    ReadSession &s_;
    qint64 offset_ = 0;
};
