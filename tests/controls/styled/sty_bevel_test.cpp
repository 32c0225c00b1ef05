#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_design.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <functional>

using namespace tav::styled;

namespace {

QImage Blank(QSize size = QSize(40, 30))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

int ChangedPixels(const QImage &image)
{
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            changed += image.pixel(x, y) != QColor(Qt::magenta).rgb();
    return changed;
}

TEST(StyBevel, StartsWithoutBorder)
{
    TStyBevel bevel;
    EXPECT_EQ(bevel.Mode(), bmCustom);
    EXPECT_EQ(bevel.StyleInner(), bvNone);
    EXPECT_EQ(bevel.StyleOuter(), bvNone);
    EXPECT_EQ(bevel.WidthInner(), 1);
    EXPECT_EQ(bevel.WidthOuter(), 1);
    EXPECT_EQ(bevel.EdgeStyle(), etEtched);
    EXPECT_EQ(bevel.StandardStyle(), lsSingleLowered);
    EXPECT_EQ(bevel.BorderSides(), fsBottom | fsLeft | fsRight | fsTop);
    EXPECT_EQ(bevel.BorderColor(), SysBtnFace());
    EXPECT_EQ(bevel.LightColor(), SysBtnHighlight());
    EXPECT_EQ(bevel.ShadowColor(), SysBtnShadow());
    EXPECT_EQ(bevel.Width(), 0);
    EXPECT_EQ(bevel.SummaryText(), "{Custom style}");

    QImage image = Blank();
    QPainter painter(&image);
    EXPECT_EQ(bevel.Paint(painter, image.rect(), false), image.rect());
    painter.end();
    EXPECT_EQ(ChangedPixels(image), 0);
}

TEST(StyBevel, ExtentFollowsTheModeAndItsSettings)
{
    struct Case
    {
        const char *name;
        std::function<void(TStyBevel &)> set;
        int topLeft;
        int bottomRight;
    };
    const Case cases[] = {
        {"custom frame only", [](TStyBevel &b) { b.SetBorderWidth(3), b.SetBorderInnerWidth(1); }, 4, 4},
        {"custom outer lowered",
         [](TStyBevel &b) { b.SetStyleOuter(bvLowered), b.SetWidthOuter(2), b.SetBorderWidth(1); }, 3, 3},
        {"custom frame styles take one more",
         [](TStyBevel &b) {
             b.SetStyleOuter(bvFrameRaised), b.SetStyleInner(bvFrameLowered), b.SetWidthInner(2);
         },
         5, 5},
        {"custom shadow",
         [](TStyBevel &b) {
             b.SetStyleOuter(bvShadow), b.SetWidthInner(2), b.SetWidthOuter(3), b.SetBorderInnerWidth(1),
                 b.SetBorderWidth(9);
         },
         3, 6},
        {"standard", [](TStyBevel &b) { b.SetMode(bmStandard), b.SetBorderInnerWidth(1); }, 2, 2},
        {"standard two-line style",
         [](TStyBevel &b) { b.SetStandardStyle(lsFrameInset), b.SetMode(bmStandard); }, 2, 2},
        {"edge", [](TStyBevel &b) { b.SetMode(bmEdge), b.SetBorderInnerWidth(2); }, 4, 4},
        {"edge without sides",
         [](TStyBevel &b) { b.SetMode(bmEdge), b.SetBorderSides({}), b.SetBorderInnerWidth(2); }, 2, 2},
        {"windows drawn by itself", [](TStyBevel &b) { b.SetMode(bmWindows), b.SetBorderInnerWidth(1); }, 3,
         3},
        {"windows drawn by the window frame",
         [](TStyBevel &b) { b.SetWindowFrame(true), b.SetMode(bmWindows), b.SetBorderInnerWidth(1); }, 0, 0},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        TStyBevel bevel;
        test.set(bevel);
        EXPECT_EQ(bevel.Width(), test.topLeft);
        EXPECT_EQ(bevel.BottomRightWidth(), test.bottomRight);
        const QRect inner = bevel.AdjustRect(QRect(0, 0, 50, 40));
        EXPECT_EQ(inner, QRect(QPoint(test.topLeft, test.topLeft),
                               QPoint(49 - test.bottomRight, 39 - test.bottomRight)));
        QImage image = Blank(QSize(50, 40));
        QPainter painter(&image);
        EXPECT_EQ(bevel.Paint(painter, image.rect(), false), inner);
    }
}

TEST(StyBevel, EdgeWithoutSidesDrawsOnlyTheInnerFrame)
{
    TStyBevel bevel;
    bevel.SetMode(bmEdge);
    bevel.SetBorderSides({});
    bevel.SetBorderInnerWidth(1);
    bevel.SetBorderColor(Qt::blue);
    QImage image = Blank();
    QPainter painter(&image);
    bevel.Paint(painter, image.rect(), false);
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::magenta));
    EXPECT_EQ(ChangedPixels(image), 2 * 40 + 2 * 28);

    // Without fill the frame is only room: nothing is painted at all.
    QImage clear = Blank();
    QPainter clearPainter(&clear);
    EXPECT_EQ(bevel.Paint(clearPainter, clear.rect(), true), clear.rect().adjusted(1, 1, -1, -1));
    clearPainter.end();
    EXPECT_EQ(ChangedPixels(clear), 0);
}

TEST(StyBevel, ShadowIsSharedByBothStyles)
{
    TStyBevel bevel;
    bevel.SetStyleInner(bvShadow);
    EXPECT_EQ(bevel.StyleOuter(), bvShadow);
    bevel.SetStyleOuter(bvLowered);
    EXPECT_EQ(bevel.StyleOuter(), bvLowered);
    EXPECT_EQ(bevel.StyleInner(), bvNone);
    bevel.SetStyleInner(bvRaised);
    EXPECT_EQ(bevel.StyleOuter(), bvLowered);
}

TEST(StyBevel, StandardStyleNotifiesOnlyInStandardMode)
{
    TStyBevel bevel;
    int changes = 0;
    bevel.OnChange = [&](TStyObject *) { ++changes; };
    bevel.SetStandardStyle(lsDoubleRaised);
    EXPECT_EQ(bevel.StandardStyle(), lsDoubleRaised);
    EXPECT_EQ(changes, 0);
    bevel.SetMode(bmStandard);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bevel.Width(), 2);
    bevel.SetStandardStyle(lsSingle);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bevel.Width(), 1);
    bevel.SetStandardStyle(lsSingle);
    EXPECT_EQ(changes, 2);
}

TEST(StyBevel, FrameKindChangesOnlyToOrFromWindowsUnderAWindowFrame)
{
    TStyBevel bevel;
    bevel.SetMode(bmWindows);
    EXPECT_FALSE(bevel.NeedsRecreate());
    bevel.SetMode(bmCustom);
    bevel.SetWindowFrame(true);
    bevel.SetMode(bmEdge);
    EXPECT_FALSE(bevel.NeedsRecreate());
    bevel.SetMode(bmWindows);
    EXPECT_TRUE(bevel.NeedsRecreate());
    // The window draws the border for as long as the mode stays.
    EXPECT_TRUE(bevel.NeedsRecreate());
    bevel.SetMode(bmStandard);
    EXPECT_TRUE(bevel.NeedsRecreate());
    EXPECT_FALSE(bevel.NeedsRecreate());
}

TEST(StyBevel, PaintsTheBevelsAndTheFrameBetweenThem)
{
    TStyBevel bevel;
    bevel.SetStyleOuter(bvRaised);
    bevel.SetStyleInner(bvLowered);
    bevel.SetBorderWidth(1);
    bevel.SetLightColor(Qt::white);
    bevel.SetShadowColor(Qt::black);
    bevel.SetBorderColor(Qt::blue);
    QImage image = Blank();
    QPainter painter(&image);
    EXPECT_EQ(bevel.Paint(painter, image.rect(), false), QRect(3, 3, 34, 24));
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(39, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(5, 1), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(5, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(37, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 3), QColor(Qt::magenta));
}

TEST(StyBevel, ShadowFallsRightAndBelow)
{
    TStyBevel bevel;
    bevel.SetStyleOuter(bvShadow);
    bevel.SetWidthOuter(3);
    bevel.SetLightColor(Qt::white);
    bevel.SetShadowColor(Qt::black);
    QImage image = Blank();
    QPainter painter(&image);
    EXPECT_EQ(bevel.Paint(painter, image.rect(), true), QRect(1, 1, 35, 25));
    painter.end();
    EXPECT_EQ(image.pixelColor(38, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 28), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(38, 1), QColor(Qt::magenta));
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::white));
}

TEST(StyBevel, AssignCopiesEverySettingWithOneNotification)
{
    TStyBevel source;
    source.SetMode(bmEdge);
    source.SetEdgeStyle(etBump);
    source.SetBorderSides(fsTop);
    source.SetBorderInnerWidth(4);
    source.SetLightColor(Qt::red);
    source.SetWindowFrame(true);
    TStyBevel target;
    int changes = 0;
    target.OnChange = [&](TStyObject *) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(WriteDesign(target).values, WriteDesign(source).values);
    EXPECT_TRUE(target.WindowFrame());
    EXPECT_EQ(target.Width(), 6);
    EXPECT_EQ(target.SummaryText(), "{Edged style}");
}

} // namespace
