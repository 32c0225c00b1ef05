#include "controls/formulagrid/fg_stretch_bitmap.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Grey(int width, int height, const QList<int> &values)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = values[y * width + x];
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

// A 2 x 2 picture [0 128; 64 255] to 4 x 4: the steps are a quarter of a pixel (8192 of 32768),
// so target (x, y) stands for source (x / 4, y / 4). Worked by hand, for example at (3, 3):
// fx = fy = 24576, w10 = 6144, w00 = 2048, w11 = 18432, w01 = 6144, and
// (0 * 2048 + 128 * 6144 + 64 * 6144 + 255 * 18432) / 32768 = 179.
TEST(StretchBitmap, TwoByTwoToFourByFour)
{
    const QImage source = Grey(2, 2, {0, 128, 64, 255});
    QImage target(4, 4, QImage::Format_RGB888);
    StretchBitmap(source, target);
    const struct
    {
        int x, y, value;
    } cases[] = {
        {0, 0, 0}, {1, 0, 32}, {2, 0, 64}, {3, 0, 96}, {0, 1, 16}, {2, 1, 87}, {0, 3, 48}, {3, 3, 179},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(qRed(target.pixel(c.x, c.y)), c.value) << c.x << "," << c.y;
        EXPECT_EQ(qBlue(target.pixel(c.x, c.y)), c.value) << c.x << "," << c.y;
    }
}

TEST(StretchBitmap, OnePixelAndEmptyTargets)
{
    const QImage source = Grey(1, 1, {77});
    QImage target(3, 2, QImage::Format_RGB888);
    StretchBitmap(source, target);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(qGreen(target.pixel(x, y)), 77);
    QImage empty(0, 5, QImage::Format_RGB888);
    StretchBitmap(Grey(2, 2, {1, 2, 3, 4}), empty); // nothing to fill, and no division by zero
    EXPECT_EQ(empty.width(), 0);
}

} // namespace
