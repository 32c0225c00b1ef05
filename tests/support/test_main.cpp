#include "support/test_environment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    CurrentTestFolders();
    QCoreApplication app(argc, argv);
    InstallTestEnvironment();
    return RUN_ALL_TESTS();
}
