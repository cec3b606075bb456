#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Resources.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // the windows are measured with the fonts the program ships
    if (!installProgramFonts())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
