#include "app/ModeGlobals.h"

#include <QStringList>

#include "app/MessageBox.h"
#include "document/DocumentGlobals.h"
#include "files/FileGlobals.h"

QString appMode;
QString openMode;
QString layoutSetting;
QString commandLineFile;
QString loadedTimeBase;
Edition edition = Edition::Full;

QString classifyScreen(int width, int height)
{
    if (width < 800)
        return QStringLiteral("kicsi");
    if (width >= 1024)
        return QStringLiteral("1024x768");
    if ((width == 800 && height == 600) || (width >= 801 && width <= 1023))
        return QStringLiteral("800x600");
    return QString();
}

QString commandLineFileFrom(const QStringList &arguments)
{
    // arguments[0] is the program itself
    return arguments.value(1) + arguments.value(2);
}

void resetAllGlobals()
{
    appMode.clear();
    openMode.clear();
    layoutSetting.clear();
    commandLineFile.clear();
    loadedTimeBase.clear();
    edition = Edition::Full;
    boxAnswer.clear();
    quietBoxes = false;
    resetDocumentGlobals();
    resetFileGlobals();
}
