#include "controls/styled/sty_image_list.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_streams.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>

using namespace tav::styled;

namespace {

QImage Filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(QColor::fromRgb(colour));
    return image;
}

QString ErrorText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EInvalidGraphicOperation &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

TEST(StyImageList, StripWidensByAllocByImages)
{
    TStyImageListItem strip(16, 16);
    ASSERT_EQ(strip.AllocBy(), 4);
    const std::vector<int> widths = {64, 64, 64, 64, 128, 128, 128, 128, 192};
    for (std::size_t count = 0; count < widths.size(); ++count) {
        EXPECT_EQ(strip.AddBlank(), int(count));
        EXPECT_EQ(strip.Image().width(), widths[count]) << count + 1 << " images";
        EXPECT_EQ(strip.UsedWidth(), int(count + 1) * 16);
    }
}

TEST(StyImageList, ImageAfterTheWidestStripIsTooMany)
{
    TStyImageListItem strip(16, 16);
    ASSERT_EQ(strip.Add(Filled(MaxStripWidth, 16, 0xFF336699), QImage()), 0);
    ASSERT_EQ(strip.ImageCount(), 2048);
    EXPECT_EQ(ErrorText([&] { strip.AddBlank(); }), STooManyImages);
    EXPECT_EQ(ErrorText([&] { strip.Add(Filled(16, 16, 0xFF000000), QImage()); }), STooManyImages);
    EXPECT_EQ(strip.ImageCount(), 2048);
    EXPECT_EQ(strip.GetBitmap(2047).pixel(0, 0), 0xFF336699);

    TStyImageListItem half(16, 16);
    half.Add(Filled(16 * 2000, 16, 0xFF000000), QImage());
    EXPECT_EQ(ErrorText([&] { half.Add(Filled(16 * 49, 16, 0xFF000000), QImage()); }), STooManyImages);
    EXPECT_EQ(half.ImageCount(), 2000);
}

TEST(StyImageList, WrongSizesRaiseAndKeepTheStrip)
{
    TStyImageListItem strip(16, 16);
    strip.SetMasked(true);
    strip.Add(Filled(32, 16, 0xFF00FF00), QImage());
    const QImage before = strip.Image();
    struct Case
    {
        const char *name;
        std::function<void()> action;
    };
    const std::vector<Case> cases = {
        {"narrower", [&] { strip.Add(Filled(15, 16, 0xFFFF0000), QImage()); }},
        {"not a whole multiple", [&] { strip.Add(Filled(24, 16, 0xFFFF0000), QImage()); }},
        {"lower", [&] { strip.Add(Filled(16, 15, 0xFFFF0000), QImage()); }},
        {"mask alone", [&] { strip.Add(QImage(), Filled(16, 16, 0xFFFFFFFF)); }},
        {"mask of another size", [&] { strip.Add(Filled(16, 16, 0xFFFF0000), Filled(32, 16, 0xFFFFFFFF)); }},
        {"replace with two images", [&] { strip.Replace(0, Filled(32, 16, 0xFFFF0000), QImage()); }},
        {"replace masked too small", [&] { strip.ReplaceMasked(1, Filled(8, 8, 0xFFFF0000), 0xFFFFFFFF); }},
        {"images of another size", [&] { strip.AddImages(TStyImageListItem(8, 16)); }},
        {"zero width", [&] { strip.SetWidth(0); }},
        {"zero height strip", [&] { TStyImageListItem(16, 0); }},
    };
    for (const Case &test : cases) {
        EXPECT_EQ(ErrorText(test.action), SInvalidImageSize) << test.name;
        EXPECT_EQ(strip.ImageCount(), 2) << test.name;
        EXPECT_EQ(strip.Image(), before) << test.name;
    }
}

TEST(StyImageList, TransparentColourBecomesMaskAndDrawsOverTheBackground)
{
    TStyImageListItem strip(4, 2);
    strip.SetMasked(true);
    strip.AddBlank();
    QImage picture = Filled(4, 2, 0xFF0000FF);
    picture.setPixel(0, 1, 0xFFFF00FF);
    picture.setPixel(3, 0, 0xFFFF00FF);
    strip.ReplaceMasked(0, picture, BitmapTransparentColor(picture));

    EXPECT_EQ(strip.GetBitmap(0).pixel(0, 1), 0xFF000000);
    EXPECT_EQ(strip.Mask().pixelIndex(0, 1), 1);
    EXPECT_EQ(strip.Mask().pixelIndex(1, 1), 0);

    QImage target(4, 2, QImage::Format_RGB32);
    target.fill(0xFFFF0000);
    {
        QPainter painter(&target);
        strip.Draw(painter, 0, 0, 0);
    }
    EXPECT_EQ(target.pixel(0, 1), 0xFFFF0000);
    EXPECT_EQ(target.pixel(3, 0), 0xFFFF0000);
    EXPECT_EQ(target.pixel(1, 1), 0xFF0000FF);

    // Drawing style 1 over a background of its own lays the blend colour on every other pixel.
    strip.SetBkColor(Qt::white);
    strip.SetBlendColor(Qt::green);
    strip.SetDrawingStyle(1);
    QImage blended(4, 2, QImage::Format_RGB32);
    {
        QPainter painter(&blended);
        strip.Draw(painter, 0, 0, 0);
    }
    EXPECT_EQ(blended.pixel(1, 0), 0xFF00FF00);
    EXPECT_EQ(blended.pixel(1, 1), 0xFF0000FF);
    EXPECT_EQ(blended.pixel(0, 1), 0xFF00FF00);
    EXPECT_EQ(blended.pixel(2, 0), 0xFF0000FF);
}

TEST(StyImageList, CountAndPicturesByListAndImageIndex)
{
    TStyImageList list;
    auto *strip = list.Strips(list.Add());
    QImage pictures = Filled(30, 10, 0xFF102030);
    pictures.setPixel(10, 9, 0xFFAABBCC);
    pictures.setPixel(12, 3, 0xFF445566);
    strip->SetWidth(10);
    strip->SetHeight(10);
    strip->Add(pictures, QImage());

    struct Case
    {
        int listIndex;
        int count;
    };
    for (const Case test : std::vector<Case>{{0, 3}, {1, -1}, {-1, -1}, {7, -1}})
        EXPECT_EQ(list.Count(test.listIndex), test.count) << test.listIndex;
    EXPECT_TRUE(list.IsValidIndex(0, 2));
    EXPECT_FALSE(list.IsValidIndex(0, 3));
    EXPECT_EQ(list.GetTransparentColor(0, 1), 0xFFAABBCC);
    EXPECT_EQ(list.GetPixel(QPoint(2, 3), 0, 1), 0xFF445566);
    EXPECT_EQ(list.GetPixel(QPoint(2, 3), 0, 5), 0xFFFFFFFF);
    EXPECT_EQ(list.GetImageRect(0, 2), QRect(20, 0, 10, 10));
    EXPECT_EQ(list.GetSize(0, 0), 10);
    EXPECT_FALSE(list.IsMasked(0));
}

TEST(StyImageList, StripComesBackFromItsStoredFormAndADamagedOneChangesNothing)
{
    TStyImageListItem strip(8, 8);
    strip.SetMasked(true);
    strip.SetCompressed(true);
    strip.SetDescription(QStringLiteral("σύμβολα"));
    strip.SetAllocBy(2);
    QImage pictures(24, 8, QImage::Format_BGR888);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 24; ++x)
            pictures.setPixel(x, y, qRgb(x * 10, y * 30, (x + y) % 2 ? 255 : 0));
    strip.Add(pictures, QImage());
    strip.ReplaceMasked(1, pictures.copy(8, 0, 8, 8), pictures.pixel(8, 7));

    QByteArray stored;
    QBuffer out(&stored);
    out.open(QIODevice::WriteOnly);
    strip.WriteData(out);

    TStyImageListItem back;
    QBuffer in(&stored);
    in.open(QIODevice::ReadOnly);
    back.ReadData(in);
    EXPECT_EQ(back.Width(), 8);
    EXPECT_EQ(back.AllocBy(), 2);
    EXPECT_TRUE(back.Masked());
    EXPECT_EQ(back.Description(), QStringLiteral("σύμβολα"));
    ASSERT_EQ(back.ImageCount(), 3);
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(back.GetBitmap(index).convertToFormat(QImage::Format_RGB32),
                  strip.GetBitmap(index).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(back.Mask().copy(0, 0, 24, 8), strip.Mask().copy(0, 0, 24, 8));

    for (const QByteArray &damaged : {stored.left(stored.size() - 5), stored.left(20)}) {
        QByteArray bytes = damaged;
        QBuffer cut(&bytes);
        cut.open(QIODevice::ReadOnly);
        EXPECT_THROW(back.ReadData(cut), EStyError);
        EXPECT_EQ(back.ImageCount(), 3);
        EXPECT_EQ(back.Description(), QStringLiteral("σύμβολα"));
    }
}

} // namespace
