#pragma once

#include "app/main_form.h"

#include <memory>

// The program's start-up, in its fixed order: the application title "TAVROLIN", the splash window
// with the long-lived dialogs created behind it, the splash loop until the splash agrees to close,
// the data module, then the main window, shown maximised (its first show opens the shared
// tables). The caller owns the main window and runs the message loop; the loop ends when the main
// window closes. The application object must exist.
std::unique_ptr<TFrmMain> StartTavrolin();

// The whole run: start-up, message loop, end. Returns the loop's exit code.
int RunTavrolin();
