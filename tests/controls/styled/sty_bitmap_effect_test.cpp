#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_errors.h"
#include "platform/ui/canvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

using namespace tav::styled;

namespace {

struct Changes
{
    int count = 0;
    explicit Changes(TStyObject &object)
    {
        object.OnChange = [this](TStyObject *) { ++count; };
    }
};

QImage Bitmap24(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(color);
    return image;
}

TEST(StyBitmapEffect, SummaryTextNamesTheActiveEffectsInOrder)
{
    struct Case
    {
        std::function<void(TStyBitmapEffectObject &)> set;
        QString text;
    };
    const Case cases[] = {
        {[](TStyBitmapEffectObject &) {}, QStringLiteral("{Disabled}")},
        {[](TStyBitmapEffectObject &e) { e.SetBuffered(true); }, QStringLiteral("{Disabled}")},
        {[](TStyBitmapEffectObject &e) {
             e.SetGrayScale(true);
             e.SetBrightness(20);
         },
         QStringLiteral("{GS,B}")},
        {[](TStyBitmapEffectObject &e) {
             e.SetBrightness(-5);
             e.SetInvert(true);
             e.SetFlipHorizontal(true);
             e.SetFlipVertical(true);
             e.SetGrayScale(true);
             e.AlphaBlend()->FillObject()->SetStyle(sfGradient);
         },
         QStringLiteral("{alpha,FV,FH,GS,INV,B}")},
    };
    for (const Case &c : cases) {
        TStyBitmapEffectObject effect;
        c.set(effect);
        EXPECT_EQ(effect.SummaryText(), c.text);
    }
}

TEST(StyBitmapEffect, NeverActiveForTheControls)
{
    TStyBitmapEffectObject effect;
    EXPECT_FALSE(effect.IsActive());
    effect.SetGrayScale(true);
    effect.SetInvert(true);
    effect.SetBrightness(100);
    EXPECT_FALSE(effect.IsActive());
}

TEST(StyBitmapEffect, SettersFireOnceAndBrightnessIsBounded)
{
    TStyBitmapEffectObject effect;
    Changes changes(effect);
    effect.SetBrightness(400);
    effect.SetBrightness(255);
    EXPECT_EQ(effect.Brightness(), 255);
    effect.SetBrightness(-300);
    EXPECT_EQ(effect.Brightness(), -255);
    effect.SetInvert(true);
    effect.SetInvert(true);
    effect.AlphaBlend()->SetStrength(0.5f);
    EXPECT_EQ(changes.count, 4);

    TStyBitmapEffectObject copy;
    Changes copied(copy);
    copy.Assign(effect);
    EXPECT_EQ(copied.count, 1);
    EXPECT_EQ(copy.SummaryText(), effect.SummaryText());
    EXPECT_FLOAT_EQ(copy.AlphaBlend()->Strength(), 0.5f);
}

// Grey of (blue 100, green 0, red 0) is 30, inverted 225, then 20 brighter 245; the flips leave a
// one-colour bitmap alone.
TEST(StyBitmapEffect, ApplyRunsTheEffectsOverTheWholeBitmap)
{
    TStyBitmapEffectObject effect;
    effect.SetGrayScale(true);
    effect.SetInvert(true);
    effect.SetBrightness(20);
    effect.SetFlipVertical(true);
    QImage bitmap = Bitmap24(3, 2, QColor(0, 0, 100));
    effect.Apply(bitmap);
    EXPECT_EQ(bitmap.pixelColor(0, 0), QColor(245, 245, 245));
    EXPECT_EQ(bitmap.pixelColor(2, 1), QColor(245, 245, 245));
}

TEST(StyBitmapEffect, ApplyBlendsTheAlphaFill)
{
    TStyBitmapEffectObject effect;
    effect.AlphaBlend()->FillObject()->SetStyle(sfBrush);
    effect.AlphaBlend()->FillObject()->SetBrush(QBrush(clRed));
    QImage bitmap = Bitmap24(2, 2, clBlack);
    effect.Apply(bitmap);
    EXPECT_EQ(bitmap.pixelColor(0, 1), QColor(102, 0, 0));
}

TEST(StyBitmapEffect, TheBufferKeepsTheLastResultUntilAChange)
{
    TStyBitmapEffectObject effect;
    EXPECT_FALSE(effect.Buffer().has_value());
    effect.SetBuffered(true);
    EXPECT_TRUE(effect.Buffer().has_value());
    effect.SetInvert(true);

    QImage first = Bitmap24(2, 2, clBlack);
    effect.Apply(first);
    EXPECT_TRUE(effect.BufferValid());
    EXPECT_EQ(first.pixelColor(0, 0), clWhite);

    // A valid buffer is shown as it is, whatever the bitmap held.
    QImage second = Bitmap24(2, 2, clRed);
    effect.Apply(second);
    EXPECT_EQ(second.pixelColor(1, 1), clWhite);

    const std::function<void()> changes[] = {
        [&] { effect.SetGrayScale(true); },
        [&] { effect.SetBrightness(3); },
        [&] { effect.AlphaBlend()->SetStrength(0.1f); },
        [&] { effect.AlphaBlend()->FillObject()->SetTileMode(tmCenter); },
    };
    for (const auto &change : changes) {
        effect.Apply(first);
        ASSERT_TRUE(effect.BufferValid());
        change();
        EXPECT_FALSE(effect.BufferValid());
    }

    effect.SetBuffered(false);
    EXPECT_FALSE(effect.Buffer().has_value());
    EXPECT_FALSE(effect.BufferValid());
}

TEST(StyBitmapEffect, ApplyRectCopiesToTheTopLeftAndWorksOnTheTargetRect)
{
    QImage source = Bitmap24(4, 4, clBlack);
    source.setPixelColor(2, 2, QColor(0, 0, 100));
    QImage target = Bitmap24(3, 3, clLime);
    TStyBitmapEffectObject effect;
    effect.SetGrayScale(true);
    effect.ApplyRect(source, QRect(2, 2, 2, 2), QRect(0, 0, 1, 1), target);
    EXPECT_EQ(target.pixelColor(0, 0), QColor(30, 30, 30));
    EXPECT_EQ(target.pixelColor(1, 1), clBlack) << "copied, outside the target rect";
    EXPECT_EQ(target.pixelColor(2, 2), clLime) << "not covered by the copy";
}

TEST(StyBitmapEffect, ApplyRectRefusesATargetThatIsNot24BitUntouched)
{
    const QImage source = Bitmap24(2, 2, clRed);
    QImage target(2, 2, QImage::Format_RGB32);
    target.fill(clBlue);
    const QImage before = target.copy();
    TStyBitmapEffectObject effect;
    effect.SetInvert(true);
    const std::function<void()> runs[] = {
        [&] { effect.ApplyRect(source, source.rect(), target.rect(), target); },
        [&] { effect.Apply(target); },
    };
    for (const auto &run : runs) {
        try {
            run();
            ADD_FAILURE() << "no error";
        } catch (const EStyWrongPixelFormat &error) {
            EXPECT_EQ(error.Message(), QStringLiteral("Wrong PixelFormat in Target bitmap!"));
        }
        EXPECT_EQ(target, before);
    }
}

TEST(StyBitmapEffect, DesignRoundTrip)
{
    TStyBitmapEffectObject effect;
    effect.SetFlipHorizontal(true);
    effect.SetBrightness(-12);
    effect.AlphaBlend()->FillObject()->SetStyle(sfBrush);
    effect.AlphaBlend()->SetStrength(0.75f);
    TStyBitmapEffectObject read;
    ReadDesign(read, WriteDesign(effect));
    EXPECT_TRUE(read.FlipHorizontal());
    EXPECT_EQ(read.Brightness(), -12);
    EXPECT_EQ(read.AlphaBlend()->SummaryText(), QStringLiteral("{Enabled (brush), strength: 0.750}"));
}

} // namespace
