#include "app/Association.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

// made by the build from the names the installed files use (cmake/Install.cmake)
#include "KelvoIds.h"
#include "app/ModeGlobals.h"

namespace {

const QString mimeType = QStringLiteral("application/x-subrip");
const QString defaultsSection = QStringLiteral("[Default Applications]");

// $XDG_..._HOME when set to an absolute path, otherwise ~/<fallback>.
QString xdgHome(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + u'/' + fallback;
}

// Quotes a path for the Exec key: inside double quotes the characters
// " ` $ and \ are escaped, and the desktop file's own escaping doubles
// every backslash once more.
QString execArgument(const QString &path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    bool needsQuotes = false;
    for (QChar c : path)
        if (reserved.contains(c))
            needsQuotes = true;
    if (!needsQuotes)
        return path;
    QString quoted;
    for (QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    quoted.replace(QStringLiteral("%"), QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

bool writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

SrtAssociation *installed = nullptr;

}  // namespace

QString applicationId()
{
    return QString::fromUtf8(edition == Edition::VN ? KELVO_APP_ID_VN : KELVO_APP_ID);
}

QString desktopEntryName()
{
    return applicationId() + QStringLiteral(".desktop");
}

QString desktopEntryText(const QString &programPath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "GenericName=Feliratszerkesztő\n"
                          "Comment=Filmfeliratok szerkesztése\n"
                          "Icon=%2\n"
                          "Exec=%3 %f\n"
                          "MimeType=" KELVO_MIME_TYPES "\n"
                          "Terminal=false\n"
                          "Categories=AudioVideo;Video;AudioVideoEditing;\n"
                          "StartupWMClass=%1\n")
        .arg(edition == Edition::VN ? QStringLiteral("KelvoVN") : QStringLiteral("Kelvo"),
             QStringLiteral(KELVO_APP_ID), execArgument(programPath));
}

QString mimeAppsWithSrtDefault(const QString &existing)
{
    const QString entry = mimeType + u'=' + desktopEntryName();
    QStringList lines = existing.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();  // the final newline is written back below

    int section = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].trimmed() == defaultsSection) {
            section = i;
            break;
        }
    if (section < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(defaultsSection);
        lines.append(entry);
        return lines.join(u'\n') + u'\n';
    }

    int end = section + 1;  // first line after the section
    while (end < lines.size() && !lines[end].trimmed().startsWith(u'['))
        ++end;
    int lastFilled = section;
    for (int i = section + 1; i < end; ++i) {
        const QString line = lines[i].trimmed();
        if (line.section(u'=', 0, 0).trimmed() == mimeType && line.contains(u'=')) {
            lines[i] = entry;
            return lines.join(u'\n') + u'\n';
        }
        if (!line.isEmpty())
            lastFilled = i;
    }
    lines.insert(lastFilled + 1, entry);
    return lines.join(u'\n') + u'\n';
}

QString XdgSrtAssociation::associate(const QString &programPath)
{
    const QString applications = xdgHome("XDG_DATA_HOME", QStringLiteral(".local/share"))
                                 + QStringLiteral("/applications");
    const QString config = xdgHome("XDG_CONFIG_HOME", QStringLiteral(".config"));

    const QString entryPath = applications + u'/' + desktopEntryName();
    if (!QDir().mkpath(applications) || !writeText(entryPath, desktopEntryText(programPath)))
        return QStringLiteral("Nem írható: %1").arg(QDir::toNativeSeparators(entryPath));

    const QString listPath = config + QStringLiteral("/mimeapps.list");
    QString existing;
    if (QFileInfo::exists(listPath)) {
        QFile file(listPath);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("Nem olvasható: %1").arg(QDir::toNativeSeparators(listPath));
        existing = QString::fromUtf8(file.readAll());
    }
    if (!QDir().mkpath(config) || !writeText(listPath, mimeAppsWithSrtDefault(existing)))
        return QStringLiteral("Nem írható: %1").arg(QDir::toNativeSeparators(listPath));
    return QString();
}

SrtAssociation &srtAssociation()
{
    static XdgSrtAssociation platform;
    return installed ? *installed : platform;
}

SrtAssociation *installSrtAssociation(SrtAssociation *association)
{
    SrtAssociation *previous = installed;
    installed = association;
    return previous;
}
