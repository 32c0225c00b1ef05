#include "app/startup.h"

#include "app/about_dlg_a.h"
#include "app/about_second_sister_dlg.h"
#include "app/about_vantoril_dlg.h"
#include "app/ani_cursor.h"
#include "app/dir_options1_dlg.h"
#include "app/splash_form.h"
#include "app/tip_form.h"
#include "data/data_module.h"
#include "platform/ui/application.h"

#include <QApplication>

namespace {

const char *const kApplicationTitle = "TAVROLIN";

// The long-lived dialogs created behind the splash, in their order among the program's windows.
void CreateDialogsBehindSplash()
{
    AboutVantorilDlg();
    AboutSecondSisterDlg();
    TipsDlg();
    DirOptions1Dlg();
}

// The windows created after the main window, in their order.
void CreateWindowsAfterMainWindow()
{
    AboutDlgA();
}

} // namespace

std::unique_ptr<TFrmMain> StartTavrolin()
{
    SetApplicationTitle(QString::fromUtf8(kApplicationTitle));
    InstallBusyCursorFile();
    auto *splash = new TSplash;
    CreateDialogsBehindSplash();
    RunSplash(splash);
    TavrolinDM();
    auto main = std::make_unique<TFrmMain>();
    CreateWindowsAfterMainWindow();
    main->showMaximized();
    return main;
}

int RunTavrolin()
{
    const std::unique_ptr<TFrmMain> main = StartTavrolin();
    return QApplication::exec();
}
