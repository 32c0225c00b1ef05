#include "platform/ui/fonts.h"
#include "platform/ui/guarded_application.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_translation.h"
#include "platform/ui/window_placement.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    CurrentTestFolders();
    TGuardedApplication app(argc, argv);
    InstallFontSubstitutes();
    InstallTestEnvironment();
    // Windows under test meet the same Qt texts and window placement as in the program.
    InstallQtTranslation();
    InstallWindowPlacement();
    InstallMessageBoxes();
    return RUN_ALL_TESTS();
}
