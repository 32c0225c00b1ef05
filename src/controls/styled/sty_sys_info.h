#pragma once

#include <QString>

// What the styled controls ask of the system.
namespace tav::styled {

// The platform always offers what the newer family of the system offered (alpha blending,
// layered windows), so code that chose between the two families takes the newer road.
inline constexpr bool IsWinNT = true;

// Bits per pixel of the primary screen; 0 when there is none.
int DisplayColorDepth();

// The name of the logged-in user, or "(άγνωστος)" when the system does not tell.
QString CurrentUserName();

} // namespace tav::styled
