#include "platform/ui/fonts.h"
#include "support/test_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    CurrentTestFolders();
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    InstallTestEnvironment();
    return RUN_ALL_TESTS();
}
