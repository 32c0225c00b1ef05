#pragma once

// Places top-level windows the same way with or without a window manager: a window that asks to
// be maximised gets its screen's available area (nothing else would size it on a bare X display),
// and a modal window is centred over its parent (the main window when it has none) and raised
// above it, so it never opens hidden behind the window it blocks. Installed once for the whole
// application.
void InstallWindowPlacement();
