#pragma once

namespace tav::app {

// The maker's addresses and names, shown by the splash window and the about boxes and opened by
// the main window's web commands.

// The start page of the maker's web site.
inline constexpr const char *MakerWebAddress = "https://tavrolin.example/";
// The mail address the about boxes offer.
inline constexpr const char *MakerMailAddress = "info@tavrolin.example";
// The maker's name and rights line.
inline constexpr const char *MakerName = "Tavrolin Software";
inline constexpr const char *MakerRights = "Όλα τα δικαιώματα διατηρούνται.";

} // namespace tav::app
