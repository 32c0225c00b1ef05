#pragma once

#include "app/main_form.h"

#include <memory>
#include <vector>

class QWidget;

namespace tav::app {

// One long-lived window of the start-up sequence: its name and the accessor that creates it (and
// returns it once it exists).
struct TStartupWindow
{
    const char *name;
    QWidget *(*create)();
};

// The long-lived windows created hidden behind the splash, before the splash loop, in their order.
const std::vector<TStartupWindow> &WindowsBehindSplash();
// The long-lived windows created hidden once the data module and the main window exist, in their
// order.
const std::vector<TStartupWindow> &WindowsAfterMainWindow();

// The program's start-up, in its fixed order: the application title "TAVROLIN", the splash window
// with the windows behind it, the splash loop until the splash agrees to close, the data module
// with the start-up selection bound to it, the main window, the windows after it, then the main
// window shown maximised (its first show opens the shared tables; data that cannot be opened is
// reported once and the main window stays up without it). The competitions editor and summary and
// the matches-file check are left to the commands that first open them. The caller owns the main window and
// runs the message loop; the loop ends when the main window closes. The application object must exist.
std::unique_ptr<TFrmMain> StartTavrolin();

// The whole run: start-up, message loop, end. Returns the loop's exit code.
int RunTavrolin();

} // namespace tav::app
