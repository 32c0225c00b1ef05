#include "controls/formulagrid/fg_stretch_bitmap.h"

#include <QImage>

#include <algorithm>

namespace {

constexpr int kOne = 32768; // 1.0 in fixed point
constexpr int kShift = 15;
constexpr int kChannels = 3;

} // namespace

void StretchBitmap(const QImage &source, QImage &target)
{
    if (target.width() == 0 || target.height() == 0 || source.isNull())
        return;
    const int sourceWidth = source.width();
    const int sourceHeight = source.height();
    const int xStep = (sourceWidth - 1) * kOne / target.width();
    const int yStep = (sourceHeight - 1) * kOne / target.height();
    int sy = 0;
    for (int ty = 0; ty < target.height(); ++ty, sy += yStep) {
        const int y0 = sy >> kShift;
        const uchar *a = source.constScanLine(y0);
        const uchar *b = source.constScanLine(sourceHeight - 1 > y0 ? y0 + 1 : y0);
        const int fy = sy & (kOne - 1);
        uchar *out = target.scanLine(ty);
        int sx = 0;
        for (int tx = 0; tx < target.width(); ++tx, sx += xStep) {
            const int x0 = sx >> kShift;
            const int x1 = std::min(x0 + 1, sourceWidth - 1);
            const int fx = sx & (kOne - 1);
            const int w10 = fx * (kOne - fy) / kOne;
            const int w00 = kOne - fy - w10;
            const int w11 = fx * fy / kOne;
            const int w01 = fy - w11;
            for (int channel = 0; channel < kChannels; ++channel) {
                const int i0 = x0 * kChannels + channel;
                const int i1 = x1 * kChannels + channel;
                out[tx * kChannels + channel] =
                    uchar((a[i0] * w00 + a[i1] * w10 + b[i0] * w01 + b[i1] * w11) / kOne);
            }
        }
    }
}
