#pragma once
#include <QString>

// Registers the program as the handler of ".srt" files. The platform
// decides how that is recorded; this one follows the freedesktop.org
// rules: a desktop entry plus the default in mimeapps.list.
class SrtAssociation {
public:
    virtual ~SrtAssociation() = default;
    // Returns an empty text on success, otherwise a short Hungarian line
    // naming what could not be written ("Nem írható: <file>").
    virtual QString associate(const QString &programPath) = 0;
};

// The freedesktop.org way: $XDG_DATA_HOME/applications/kelvo.desktop and
// "application/x-subrip=kelvo.desktop" under [Default Applications] in
// $XDG_CONFIG_HOME/mimeapps.list (every other line kept).
class XdgSrtAssociation : public SrtAssociation {
public:
    QString associate(const QString &programPath) override;
};

// The association the start window uses; tests may install another one
// (nullptr restores the platform's). Returns the previous one.
SrtAssociation &srtAssociation();
SrtAssociation *installSrtAssociation(SrtAssociation *association);

// Pieces of the XDG association, exposed for tests.
QString desktopEntryText(const QString &programPath);
// mimeapps.list with the .srt default set; the other lines unchanged.
QString mimeAppsWithSrtDefault(const QString &existing);
