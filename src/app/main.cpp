#include "app/startup.h"
#include "platform/ui/fonts.h"
#include "platform/ui/guarded_application.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_translation.h"
#include "platform/ui/window_placement.h"

#include <cstdio>
#include <cstring>

using namespace tav::app;

namespace {

bool AskedForVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (AskedForVersion(argc, argv)) {
        std::printf("Tavrolin %s\n", TAVROLIN_VERSION);
        return 0;
    }
    TGuardedApplication app(argc, argv);
    QApplication::setApplicationName("Tavrolin");
    QApplication::setApplicationVersion(TAVROLIN_VERSION);
    InstallQtTranslation();
    InstallWindowPlacement();
    InstallMessageBoxes();
    InstallFontSubstitutes();
    return RunTavrolin();
}
