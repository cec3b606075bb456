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

// The freedesktop.org way: $XDG_DATA_HOME/applications/<desktopEntryName()>
// and "application/x-subrip=<desktopEntryName()>" under [Default Applications]
// in $XDG_CONFIG_HOME/mimeapps.list (every other line kept). The name is the
// installed entry's, so the user's entry takes its place instead of standing
// beside it as a second Kelvo in the menus.
class XdgSrtAssociation : public SrtAssociation {
public:
    QString associate(const QString &programPath) override;
};

// The association the start window uses; tests may install another one
// (nullptr restores the platform's). Returns the previous one.
SrtAssociation &srtAssociation();
SrtAssociation *installSrtAssociation(SrtAssociation *association);

// The running edition's application id ("hu.kelvo.Kelvo"), which names its
// installed desktop entry, icon and metainfo; the build sets it.
QString applicationId();
// "<applicationId()>.desktop"
QString desktopEntryName();

// Pieces of the XDG association, exposed for tests.
QString desktopEntryText(const QString &programPath);
// mimeapps.list with the .srt default set; the other lines unchanged.
QString mimeAppsWithSrtDefault(const QString &existing);
