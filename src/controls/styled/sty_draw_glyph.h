#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QImage;
class QPainter;
class TStyFxCaption;
class TStyGlyphTextLayout;

// A button's glyph and caption laid out together, with an optional drop-down arrow.
namespace tav::styled {

// A glyph as a rectangle of an image strip, with the strip's mask (none: drawn as it is).
struct TStyGlyphSource
{
    const QImage *image = nullptr;
    const QImage *mask = nullptr;
    QRect rect;
};

// What DrawGlyphAndText is asked to do besides drawing.
inline constexpr unsigned gdLayoutOnly = 0x1;
inline constexpr unsigned gdFocusText = 0x2;
inline constexpr unsigned gdFocusGlyph = 0x4;

// Where the caption and the glyph went, and the two together.
struct TStyGlyphTextBoxes
{
    QRect text;
    QRect glyph;
    QRect bounds;
};

// Lays the glyph and caption out in target by the layout (a TStyButtonLayout adds the arrow) and
// draws them, the caption in the painter's font and pen colour with the FX caption's look.
TStyGlyphTextBoxes DrawGlyphAndText(QPainter &painter, const QRect &target, const TStyGlyphSource *glyph,
                                    const QString &caption, const TStyGlyphTextLayout &layout,
                                    const TStyFxCaption &fx, unsigned state, unsigned textFlags,
                                    unsigned options = 0);
// A drop-down arrow of size 2..15 pointing down, 2 × size − 1 wide, top-left at origin.
void DrawArrow(QPainter &painter, const QPoint &origin, int size, const QColor &color, bool enabled);

} // namespace tav::styled
