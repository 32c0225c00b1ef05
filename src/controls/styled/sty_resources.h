#pragma once

#include <QImage>

// The bitmaps the program carries for the styled controls, found by a number.
namespace tav::styled {

// The bitmap with the given number; null when the program has none.
QImage LoadBitmapResource(int ident);

} // namespace tav::styled
