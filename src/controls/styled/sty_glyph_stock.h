#pragma once

class QImage;

namespace tav::styled {

// The number of the program's bitmap of the eight stock button symbols, 13 × 14 each side by
// side: 1 check mark, 2 cross, 3 question mark, 4 exclamation mark, 5 circling arrow, 6 arrow,
// 7 door, 8 double check mark.
inline constexpr int StockGlyphsResource = 16546;

// Puts the stock symbol of the kind (1..8) into the bitmap; nothing for a null pointer or
// another kind.
void LoadStockGlyph(QImage *bitmap, int kind);

} // namespace tav::styled
