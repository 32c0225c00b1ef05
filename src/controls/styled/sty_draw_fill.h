#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;
class QRegion;
class TStyGradient;

// Bitmaps and fills: masked and transparent glyphs, tiled and stretched pictures, the disabled
// and grey copies of a glyph, and gradient fills.
namespace tav::styled {

// Draws source of image into target through its mask (white where the background shows, black
// where the image does; the image is black where it is transparent), scaling when sizes differ.
void DrawMaskedImage(QPainter &painter, const QRect &target, const QImage &image, const QImage &mask,
                     const QRect &source);
// Draws image at target's place with every pixel of the transparent colour left out.
void DrawTransparentBitmap(QPainter &painter, const QRect &target, const QImage &image,
                           const QColor &transparent);

enum TStyBitmapMode
{
    bmTile,
    bmStretch,
    bmCenter,
    bmTransparent
};

// A picture drawn into rect tiled, stretched, centred or with its bottom-left colour transparent,
// within clip when one is given.
void DrawBitmapMode(QPainter &painter, const QRect &rect, const QImage &image, TStyBitmapMode mode,
                    const QRegion *clip = nullptr);

// The embossed copy of a glyph for a disabled button: its dark pixels in the highlight colour one
// pixel down and right, then in the shadow colour; everything else the transparent colour.
QImage MakeDisabledBitmap(const QImage &glyph, const QColor &transparent);
// A grey-level copy of a glyph; the transparent colour stays.
QImage MakeShadedBitmap(const QImage &glyph, const QColor &transparent);
// Sizes bitmap to rect and fills it with the colour.
void FillBitmapRect(QImage &bitmap, const QRect &rect, const QColor &color);

// Paints the gradient's colours in rect, one band each, in the shape of its style.
void FillGradient(QPainter &painter, const QRect &rect, const TStyGradient &gradient);

} // namespace tav::styled
