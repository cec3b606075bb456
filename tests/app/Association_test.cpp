#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Association.h"
#include "app/ModeGlobals.h"

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(f.readAll());
}

void writeAll(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Points the XDG folders into a temporary folder for one test.
class XdgAssociation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        savedData = qgetenv("XDG_DATA_HOME");
        savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", savedData);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    QString entryPath() const { return dir.path() + QStringLiteral("/data/applications/") + desktopEntryName(); }
    QString listPath() const { return dir.path() + QStringLiteral("/config/mimeapps.list"); }

    QTemporaryDir dir;
    QByteArray savedData, savedConfig;
    XdgSrtAssociation association;
};

TEST_F(XdgAssociation, WritesTheDesktopEntryAndTheDefault)
{
    EXPECT_EQ(association.associate(QStringLiteral("/opt/kelvo/Kelvo")), QString());
    const QString entry = readAll(entryPath());
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    for (const char *line : {"Type=Application\n", "Name=Kelvo\n", "Exec=/opt/kelvo/Kelvo %f\n",
                             "Icon=hu.kelvo.Kelvo\n", "StartupWMClass=Kelvo\n"})
        EXPECT_TRUE(entry.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(readAll(listPath()),
              QStringLiteral("[Default Applications]\napplication/x-subrip=hu.kelvo.Kelvo.desktop\n"));
}

// The user's entry carries the installed entry's name, so it replaces that
// one in the menus; each edition has its own.
TEST_F(XdgAssociation, EachEditionWritesItsInstalledEntryName)
{
    const Edition saved = edition;
    edition = Edition::VN;
    EXPECT_EQ(association.associate(QStringLiteral("/usr/bin/KelvoVN")), QString());
    const QString entry = readAll(dir.path() + QStringLiteral("/data/applications/hu.kelvo.KelvoVN.desktop"));
    EXPECT_TRUE(entry.contains(QStringLiteral("Name=KelvoVN\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=/usr/bin/KelvoVN %f\n")));
    EXPECT_EQ(readAll(listPath()),
              QStringLiteral("[Default Applications]\napplication/x-subrip=hu.kelvo.KelvoVN.desktop\n"));
    edition = saved;
    EXPECT_EQ(desktopEntryName(), QStringLiteral("hu.kelvo.Kelvo.desktop"));
}

TEST_F(XdgAssociation, KeepsEveryOtherLineOfAnExistingList)
{
    struct Case {
        const char *before, *after;
    } cases[] = {
        // the old default replaced in place
        {"# mine\n[Default Applications]\ntext/plain=gedit.desktop\n"
         "application/x-subrip=other.desktop\nimage/png=eog.desktop\n\n"
         "[Added Associations]\napplication/x-subrip=other.desktop;\n",
         "# mine\n[Default Applications]\ntext/plain=gedit.desktop\n"
         "application/x-subrip=hu.kelvo.Kelvo.desktop\nimage/png=eog.desktop\n\n"
         "[Added Associations]\napplication/x-subrip=other.desktop;\n"},
        // added inside its section, not after the next one
        {"[Default Applications]\ntext/plain=gedit.desktop\n\n[Added Associations]\n"
         "text/plain=gedit.desktop;\n",
         "[Default Applications]\ntext/plain=gedit.desktop\napplication/x-subrip=hu.kelvo.Kelvo.desktop\n\n"
         "[Added Associations]\ntext/plain=gedit.desktop;\n"},
        // no section yet, and no final newline
        {"[Added Associations]\ntext/plain=gedit.desktop;",
         "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
         "application/x-subrip=hu.kelvo.Kelvo.desktop\n"},
    };
    for (const Case &c : cases) {
        writeAll(listPath(), c.before);
        EXPECT_EQ(association.associate(QStringLiteral("/usr/bin/Kelvo")), QString());
        EXPECT_EQ(readAll(listPath()), QString::fromUtf8(c.after)) << c.before;
    }
    // a second run changes nothing
    const QString once = readAll(listPath());
    association.associate(QStringLiteral("/usr/bin/Kelvo"));
    EXPECT_EQ(readAll(listPath()), once);
}

TEST(DesktopEntry, QuotesAProgramPathWithSpaces)
{
    EXPECT_TRUE(desktopEntryText(QStringLiteral("/home/Kis Anna/bin/Kelvo"))
                    .contains(QStringLiteral("Exec=\"/home/Kis Anna/bin/Kelvo\" %f\n")));
    // $ is escaped for the shell-like quoting, % for the field codes
    EXPECT_TRUE(desktopEntryText(QStringLiteral("/a b/$x%/Kelvo"))
                    .contains(QStringLiteral("Exec=\"/a b/\\\\$x%%/Kelvo\" %f\n")));
}

TEST_F(XdgAssociation, AFolderThatCannotBeWrittenIsReported)
{
    writeAll(dir.path() + QStringLiteral("/blocked"), "a file, not a folder");
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/blocked")).toUtf8());
    const QString failure = association.associate(QStringLiteral("/usr/bin/Kelvo"));
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Nem írható: "))) << failure.toStdString();
    EXPECT_FALSE(QFile::exists(listPath()));

    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/blocked")).toUtf8());
    EXPECT_TRUE(association.associate(QStringLiteral("/usr/bin/Kelvo"))
                    .contains(QStringLiteral("mimeapps.list")));
}

}  // namespace
