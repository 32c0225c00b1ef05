#include "controls/styled/sty_bmp.h"
#include "controls/styled/sty_errors.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

using namespace tav::styled;

namespace {

// A 24-bit bitmap whose every pixel holds the bytes blue, green, red given.
QImage Filled(int width, int height, int blue, int green, int red)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uchar *pixel = image.scanLine(y) + 3 * x;
            pixel[0] = uchar(blue);
            pixel[1] = uchar(green);
            pixel[2] = uchar(red);
        }
    return image;
}

// The stored bytes of one pixel, blue first.
std::array<int, 3> Bytes(const QImage &image, int x, int y)
{
    const uchar *pixel = image.constScanLine(y) + 3 * x;
    return {pixel[0], pixel[1], pixel[2]};
}

// A 3 × 2 bitmap whose pixel (x, y) has blue byte 10 × (3y + x + 1).
QImage Numbered()
{
    QImage image = Filled(3, 2, 0, 0, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.scanLine(y)[3 * x] = uchar(10 * (3 * y + x + 1));
    return image;
}

std::vector<int> BlueBytes(const QImage &image)
{
    std::vector<int> bytes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            bytes.push_back(Bytes(image, x, y)[0]);
    return bytes;
}

using Routine = std::function<void(const QImage &, const QRect &, QImage &, const QPoint &)>;

TEST(StyBmp, ByteRoutinesOnOnePixel)
{
    struct Case
    {
        const char *name;
        Routine run;
        std::array<int, 3> in;
        std::array<int, 3> out;
    };
    const auto brightness = [](int value) {
        return [value](const QImage &s, const QRect &r, QImage &t, const QPoint &p) {
            BrightnessRect(s, r, t, p, value);
        };
    };
    const Case cases[] = {
        // The weights go by byte position: blue 0.30, green 0.11, red 0.59.
        {"grey of blue 100", GrayScaleRect, {100, 0, 0}, {30, 30, 30}},
        {"grey of green 100", GrayScaleRect, {0, 100, 0}, {11, 11, 11}},
        {"grey of red 100", GrayScaleRect, {0, 0, 100}, {59, 59, 59}},
        {"grey of white", GrayScaleRect, {255, 255, 255}, {254, 254, 254}},
        {"invert", InvertRect, {0, 100, 255}, {255, 155, 0}},
        {"brighter stops at 255", brightness(40), {230, 10, 215}, {255, 50, 255}},
        {"darker stops at 0", brightness(-40), {30, 100, 40}, {0, 60, 0}},
    };
    for (const Case &c : cases) {
        QImage image = Filled(1, 1, c.in[0], c.in[1], c.in[2]);
        c.run(image, image.rect(), image, QPoint(0, 0));
        EXPECT_EQ(Bytes(image, 0, 0), c.out) << c.name;
    }
}

TEST(StyBmp, MirrorsReverseRowsOrColumnsInPlaceAndIntoAnotherBitmap)
{
    struct Case
    {
        const char *name;
        Routine run;
        QRect rect;
        QPoint point;
        bool inPlace;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"left-right in place", MirrorLeftRight, QRect(0, 0, 3, 2), {0, 0}, true, {30, 20, 10, 60, 50, 40}},
        {"top-bottom in place", MirrorTopBottom, QRect(0, 0, 3, 2), {0, 0}, true, {40, 50, 60, 10, 20, 30}},
        {"left-right of two columns",
         MirrorLeftRight,
         QRect(1, 0, 2, 2),
         {1, 0},
         true,
         {10, 30, 20, 40, 60, 50}},
        // Into a blank bitmap at (1, 1): the rest of the rect falls outside and is left out.
        {"top-bottom moved", MirrorTopBottom, QRect(0, 0, 3, 2), {1, 1}, false, {0, 0, 0, 0, 40, 50}},
    };
    for (const Case &c : cases) {
        const QImage source = Numbered();
        QImage target = c.inPlace ? source : Filled(3, 2, 0, 0, 0);
        c.run(c.inPlace ? target : source, c.rect, target, c.point);
        EXPECT_EQ(BlueBytes(target), c.expected) << c.name;
        EXPECT_EQ(BlueBytes(source), BlueBytes(Numbered())) << c.name << ": the source stays";
    }
}

TEST(StyBmp, BlendTakesTheShareOfTheFirstSourceOverTheSecond)
{
    const QImage picture = Filled(2, 2, 200, 0, 255);
    const QImage fill = Filled(2, 2, 100, 255, 0);
    QImage target = Filled(3, 3, 7, 7, 7);
    BlendRect(picture, fill, QRect(0, 0, 2, 2), 0.6, target, QPoint(1, 1));
    // 100 + round(100 × 0.6), 255 + round(-255 × 0.6), 0 + round(255 × 0.6).
    EXPECT_EQ(Bytes(target, 1, 1), (std::array<int, 3>{160, 102, 153}));
    EXPECT_EQ(Bytes(target, 2, 2), (std::array<int, 3>{160, 102, 153}));
    EXPECT_EQ(Bytes(target, 0, 0), (std::array<int, 3>{7, 7, 7}));
}

TEST(StyBmp, ABitmapThatIsNot24BitIsRefusedBeforeAnyPixelChanges)
{
    const QImage good = Filled(2, 2, 50, 60, 70);
    QImage wrong(2, 2, QImage::Format_RGB32);
    wrong.fill(qRgb(1, 2, 3));
    const QImage wrongBefore = wrong.copy();
    struct Case
    {
        const char *name;
        std::function<void(QImage &)> run;
        QString message;
    };
    const QString target = QStringLiteral("Wrong PixelFormat in Target bitmap!");
    const Case cases[] = {
        {"grey", [&](QImage &t) { GrayScaleRect(good, good.rect(), t, {}); }, target},
        {"invert", [&](QImage &t) { InvertRect(good, good.rect(), t, {}); }, target},
        {"brightness", [&](QImage &t) { BrightnessRect(good, good.rect(), t, {}, 10); }, target},
        {"left-right", [&](QImage &t) { MirrorLeftRight(good, good.rect(), t, {}); }, target},
        {"top-bottom", [&](QImage &t) { MirrorTopBottom(good, good.rect(), t, {}); }, target},
        {"blend target", [&](QImage &t) { BlendRect(good, good, good.rect(), 0.5, t, {}); }, target},
        {"blend first source", [&](QImage &t) { BlendRect(t, good, good.rect(), 0.5, t, {}); },
         QStringLiteral("Wrong PixelFormat in Source 1 bitmap!")},
        {"blend second source", [&](QImage &t) { BlendRect(good, t, good.rect(), 0.5, t, {}); },
         QStringLiteral("Wrong PixelFormat in Source 2 bitmap!")},
        {"grey source", [&](QImage &t) { GrayScaleRect(t, t.rect(), t, {}); },
         QStringLiteral("Wrong PixelFormat in Source bitmap!")},
    };
    for (const Case &c : cases) {
        try {
            c.run(wrong);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EStyWrongPixelFormat &error) {
            EXPECT_EQ(error.Message(), c.message) << c.name;
        }
        EXPECT_EQ(wrong, wrongBefore) << c.name;
    }
}

} // namespace
