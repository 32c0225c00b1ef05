#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Pixel work on 24-bit bitmaps (QImage::Format_BGR888, bytes blue, green, red). Every routine reads
// rect of its source and writes the result with rect's top-left at point of target; source and
// target may be the same bitmap. The part of rect outside either bitmap is left out. A bitmap that
// is not 24-bit raises EStyWrongPixelFormat before any pixel is written.
namespace tav::styled {

// Raises EStyWrongPixelFormat ("Wrong PixelFormat in <name> bitmap!") unless bitmap is 24-bit.
void CheckPixelFormat(const QImage &bitmap, const QString &name);

// Grey = the blue byte × 0.30 + green × 0.11 + red × 0.59, each product rounded; written to all three.
void GrayScaleRect(const QImage &source, const QRect &rect, QImage &target, const QPoint &point);
// Each byte becomes 255 - byte.
void InvertRect(const QImage &source, const QRect &rect, QImage &target, const QPoint &point);
// Each byte moves by value (-255..255) and stops at 0 and 255.
void BrightnessRect(const QImage &source, const QRect &rect, QImage &target, const QPoint &point, int value);
// The pixels of each row in reverse order.
void MirrorLeftRight(const QImage &source, const QRect &rect, QImage &target, const QPoint &point);
// The rows in reverse order.
void MirrorTopBottom(const QImage &source, const QRect &rect, QImage &target, const QPoint &point);
// Per byte source2 + round((source1 - source2) × alpha), both sources read at rect.
void BlendRect(const QImage &source1, const QImage &source2, const QRect &rect, double alpha, QImage &target,
               const QPoint &point);

} // namespace tav::styled
