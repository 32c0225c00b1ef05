#include "platform/ui/guarded_application.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    CurrentTestFolders();
    TGuardedApplication app(argc, argv);
    InstallTestEnvironment();
    return RUN_ALL_TESTS();
}
