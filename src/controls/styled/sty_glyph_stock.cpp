#include "controls/styled/sty_glyph_stock.h"

#include "controls/styled/sty_resources.h"

#include <QImage>

namespace tav::styled {

void LoadStockGlyph(QImage *bitmap, int kind)
{
    constexpr int SymbolWidth = 13;
    constexpr int SymbolHeight = 14;
    if (!bitmap || kind < 1 || kind > 8)
        return;
    const QImage symbols = LoadBitmapResource(StockGlyphsResource);
    *bitmap = symbols.copy((kind - 1) * SymbolWidth, 0, SymbolWidth, SymbolHeight);
}

} // namespace tav::styled
