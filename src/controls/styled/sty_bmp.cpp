#include "controls/styled/sty_bmp.h"

#include "controls/styled/sty_errors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tav::styled {
namespace {

// Calls write(out, in, x, y) for every pixel (x, y) of rect inside source whose place in target
// exists; in is the source pixel's three bytes, out the target's. The source is read from a snapshot taken
// before the target is touched, so a bitmap that is its own target reads its old pixels.
template <typename Write>
void MapPixels(const QImage &source, const QRect &rect, QImage &target, const QPoint &point, bool flipX,
               bool flipY, Write write)
{
    const QImage in = source;
    target.bits(); // detaches target from the snapshot when they share pixels
    const QRect area = rect & in.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int ty = point.y() + (flipY ? rect.bottom() - y : y - rect.top());
        if (ty < 0 || ty >= target.height())
            continue;
        const uchar *inLine = in.constScanLine(y);
        uchar *outLine = target.scanLine(ty);
        for (int x = area.left(); x <= area.right(); ++x) {
            const int tx = point.x() + (flipX ? rect.right() - x : x - rect.left());
            if (tx >= 0 && tx < target.width())
                write(outLine + 3 * tx, inLine + 3 * x, x, y);
        }
    }
}

int Rounded(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

void CheckPixelFormat(const QImage &bitmap, const QString &name)
{
    if (bitmap.format() != QImage::Format_BGR888)
        throw EStyWrongPixelFormat(QStringLiteral("Wrong PixelFormat in %1 bitmap!").arg(name));
}

void GrayScaleRect(const QImage &source, const QRect &rect, QImage &target, const QPoint &point)
{
    CheckPixelFormat(source, QStringLiteral("Source"));
    CheckPixelFormat(target, QStringLiteral("Target"));
    static const auto weighted = [] {
        std::array<std::array<int, 256>, 3> table{};
        const double weights[3] = {0.30, 0.11, 0.59};
        for (int position = 0; position < 3; ++position)
            for (int value = 0; value < 256; ++value)
                table[position][value] = Rounded(value * weights[position]);
        return table;
    }();
    MapPixels(source, rect, target, point, false, false, [](uchar *out, const uchar *in, int, int) {
        const int grey = weighted[0][in[0]] + weighted[1][in[1]] + weighted[2][in[2]];
        out[0] = out[1] = out[2] = static_cast<uchar>(grey);
    });
}

void InvertRect(const QImage &source, const QRect &rect, QImage &target, const QPoint &point)
{
    CheckPixelFormat(source, QStringLiteral("Source"));
    CheckPixelFormat(target, QStringLiteral("Target"));
    MapPixels(source, rect, target, point, false, false, [](uchar *out, const uchar *in, int, int) {
        for (int i = 0; i < 3; ++i)
            out[i] = static_cast<uchar>(255 - in[i]);
    });
}

void BrightnessRect(const QImage &source, const QRect &rect, QImage &target, const QPoint &point, int value)
{
    CheckPixelFormat(source, QStringLiteral("Source"));
    CheckPixelFormat(target, QStringLiteral("Target"));
    MapPixels(source, rect, target, point, false, false, [value](uchar *out, const uchar *in, int, int) {
        for (int i = 0; i < 3; ++i)
            out[i] = static_cast<uchar>(std::clamp(in[i] + value, 0, 255));
    });
}

void MirrorLeftRight(const QImage &source, const QRect &rect, QImage &target, const QPoint &point)
{
    CheckPixelFormat(source, QStringLiteral("Source"));
    CheckPixelFormat(target, QStringLiteral("Target"));
    MapPixels(source, rect, target, point, true, false,
              [](uchar *out, const uchar *in, int, int) { std::copy(in, in + 3, out); });
}

void MirrorTopBottom(const QImage &source, const QRect &rect, QImage &target, const QPoint &point)
{
    CheckPixelFormat(source, QStringLiteral("Source"));
    CheckPixelFormat(target, QStringLiteral("Target"));
    MapPixels(source, rect, target, point, false, true,
              [](uchar *out, const uchar *in, int, int) { std::copy(in, in + 3, out); });
}

void BlendRect(const QImage &source1, const QImage &source2, const QRect &rect, double alpha, QImage &target,
               const QPoint &point)
{
    CheckPixelFormat(source1, QStringLiteral("Source 1"));
    CheckPixelFormat(source2, QStringLiteral("Source 2"));
    CheckPixelFormat(target, QStringLiteral("Target"));
    // The share of every difference -255..255, looked up instead of multiplied per byte.
    std::array<int, 511> share{};
    for (int difference = -255; difference <= 255; ++difference)
        share[difference + 255] = Rounded(difference * alpha);
    const QImage second = source2;
    const QRect area = rect & second.rect();
    MapPixels(source1, area, target, point + (area.topLeft() - rect.topLeft()), false, false,
              [&](uchar *out, const uchar *in, int x, int y) {
                  const uchar *under = second.constScanLine(y) + 3 * x;
                  for (int i = 0; i < 3; ++i)
                      out[i] =
                          static_cast<uchar>(std::clamp(under[i] + share[in[i] - under[i] + 255], 0, 255));
              });
}

} // namespace tav::styled
