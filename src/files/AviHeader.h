#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The frame rate of an AVI file, from its headers only: the first video
// stream's scale and rate, or, without one, the main header's microseconds
// per frame (scale = that, rate = 1 000 000). Zero values mean the file
// gives no rate.
struct AviRate {
    quint32 scale = 0;
    quint32 rate = 0;
};

// Parses the RIFF headers at the start of an AVI file. Reads no further
// than the header list; a truncated, oversized or malformed structure is a
// failure (false), never a read outside the bytes.
bool parseAviHeaders(const QByteArray &bytes, AviRate *rate);

// The AVI file library the frame-rate window uses: initialise, open a file
// for reading by its name, report its scale and rate.
class AviFileLibrary {
public:
    virtual ~AviFileLibrary() = default;
    virtual void initialise() {}
    virtual bool open(const QString &path) = 0;
    // The rate of the file last opened.
    virtual AviRate info() const = 0;
};

// Our own RIFF reader.
class RiffAviLibrary : public AviFileLibrary {
public:
    bool open(const QString &path) override;
    AviRate info() const override { return rate_; }

private:
    AviRate rate_;
};

// The library in use (RiffAviLibrary unless a test installs another);
// installing returns the previous one, nullptr restores our own.
AviFileLibrary &aviFileLibrary();
AviFileLibrary *installAviFileLibrary(AviFileLibrary *library);
