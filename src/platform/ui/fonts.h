#pragma once

// The windows and printouts name their fonts by the Windows names of the design ("Arial",
// "MS Sans Serif", "Courier New", ...). Each name is mapped to an installed family with the same
// letter widths (the set-up installs them), so that text measures and looks the same on every
// machine, whatever the machine's own font configuration would pick.
// Called once at start-up, after the application object exists; fonts made from then on use it.
void InstallFontSubstitutes();
