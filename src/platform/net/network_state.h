#pragma once

// False only when the system's network information says that the machine is offline; with no
// such information (no backend on this system) the machine counts as connected.
bool NetworkSaysConnected();
