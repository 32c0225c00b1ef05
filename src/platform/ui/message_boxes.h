#pragma once

// The message service's boxes on the screen: a QMessageBox over the active window for every box,
// a QInputDialog for every prompt. The program and the window tests' main set it as the backend.
void InstallMessageBoxes();
