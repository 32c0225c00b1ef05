#include "controls/styled/sty_region.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <vector>

using namespace tav::styled;

namespace {

struct ShapeCase
{
    const char *name;
    TStyRegionShape shape;
    TStyExtPos pos;
    std::vector<QPoint> inside;
    std::vector<QPoint> outside;
};

TEST(StyRegionTest, ShapesOfAHundredBySixtyRectangle)
{
    const std::vector<ShapeCase> cases = {
        {"rect", rsRect, epLeftTop, {{0, 0}, {99, 59}}, {{100, 30}, {-1, 0}, {50, 60}}},
        {"round rect", rsRoundRect, epLeftTop, {{50, 30}, {5, 5}, {0, 30}}, {{1, 1}, {98, 58}}},
        {"ellipse", rsElliptic, epLeftTop, {{50, 30}, {5, 30}, {50, 2}}, {{3, 3}, {96, 56}}},
        {"star", rsStar, epLeftTop, {{50, 30}, {50, 5}, {10, 25}, {80, 55}}, {{20, 5}, {50, 55}, {5, 50}}},
        {"diamond", rsDiamond, epLeftTop, {{50, 30}, {50, 3}, {97, 30}}, {{5, 5}, {95, 55}}},
        {"octagon", rsOctagon, epLeftTop, {{3, 30}, {50, 2}, {96, 30}}, {{3, 3}, {97, 57}}},
        {"comb", rsComb, epLeftTop, {{2, 30}, {50, 2}, {97, 30}}, {{2, 2}, {97, 57}}},
        {"half round", rsHalfRound, epLeftTop, {{50, 50}, {10, 5}}, {{5, 50}, {95, 55}, {50, -5}}},
        {"round shield", rsRoundShield, epLeftTop, {{50, 15}, {50, 50}}, {{5, 5}, {95, 5}, {5, 55}}},
        {"sharp shield", rsSharpShield, epLeftTop, {{50, 30}, {50, 55}}, {{10, 50}, {90, 50}, {5, 5}}},
        {"nose left top", rsNoseRect, epLeftTop, {{50, 30}, {8, 18}, {10, 10}}, {{5, 5}, {2, 40}, {9, 5}}},
        {"nose right bottom", rsNoseRect, epRightBottom, {{50, 30}, {92, 42}}, {{95, 20}, {50, 55}}},
        {"round nose top left", rsRoundNoseRect, epTopLeft, {{50, 30}, {30, 8}}, {{12, 8}, {11, 11}}},
        {"think bubble",
         rsThinkBubble,
         epLeftTop,
         {{50, 30}, {16, 16}, {11, 15}, {7, 13}},
         {{5, 5}, {2, 40}, {40, 5}}},
        {"elliptic think bubble",
         rsEllipticThinkBubble,
         epLeftTop,
         {{58, 38}, {11, 15}},
         {{17, 59}, {40, 5}}},
        {"round think bubble", rsRoundThinkBubble, epLeftTop, {{58, 38}, {7, 13}}, {{17, 59}, {40, 5}}},
    };
    for (const ShapeCase &test : cases) {
        TStyRegion region;
        region.SetShape(test.shape);
        region.SetExtPos(test.pos);
        const QRegion shape = region.CreateRegion(QRect(0, 0, 100, 60), false);
        for (const QPoint &point : test.inside)
            EXPECT_TRUE(shape.contains(point))
                << test.name << " should hold " << point.x() << "," << point.y();
        for (const QPoint &point : test.outside)
            EXPECT_FALSE(shape.contains(point))
                << test.name << " should not hold " << point.x() << "," << point.y();
    }
}

TEST(StyRegionTest, ShapesFollowTheRectanglesCorner)
{
    TStyRegion region;
    region.SetShape(rsDiamond);
    const QRegion shape = region.CreateRegion(QRect(10, 20, 100, 60), false);
    EXPECT_TRUE(shape.contains(QPoint(60, 50)));
    EXPECT_FALSE(shape.contains(QPoint(20, 25)));
    region.SetShape(rsRect);
    EXPECT_EQ(region.CreateRegion(QRect(10, 20, 100, 60), false), QRegion(10, 20, 100, 60));
}

TEST(StyRegionTest, RegionDataIsLittleEndianRectanglesCheckedAgainstTheirSize)
{
    const QByteArray data = RegionToData(QRegion(1, 2, 3, 4));
    const QByteArray expected = QByteArray::fromHex("01000000"
                                                    "01000000"
                                                    "02000000"
                                                    "04000000"
                                                    "06000000");
    EXPECT_EQ(data, expected);
    EXPECT_EQ(RegionFromData(data, int(data.size())), QRegion(1, 2, 3, 4));

    const QRegion twoParts = QRegion(0, 0, 10, 10) + QRegion(20, 5, 5, 30);
    const QByteArray twoData = RegionToData(twoParts);
    EXPECT_EQ(RegionFromData(twoData, int(twoData.size())), twoParts);
    EXPECT_TRUE(RegionFromData(twoData, int(twoData.size()) + 1).isEmpty()) << "size named wrong";
    EXPECT_TRUE(RegionFromData(twoData.left(twoData.size() - 4), int(twoData.size()) - 4).isEmpty())
        << "fewer rectangles than counted";
    EXPECT_TRUE(RegionFromData(QByteArray::fromHex("ffffffff"), 4).isEmpty()) << "a negative count";
}

TEST(StyRegionTest, KindsWithoutDataGiveNoRegion)
{
    TStyRegion region;
    const QRect rect(0, 0, 100, 60);
    region.SetShape(rsBitmap);
    EXPECT_TRUE(region.CreateRegion(rect, false).isEmpty()) << "an empty mask";
    region.Mask()->SetRegion(QRegion(5, 5, 20, 20));
    EXPECT_EQ(region.CreateRegion(rect, false), QRegion(5, 5, 20, 20));
    region.Mask()->SetRegionDataSize(3);
    EXPECT_TRUE(region.CreateRegion(rect, false).isEmpty()) << "data of another size than stored";

    region.SetShape(rsPointList);
    EXPECT_TRUE(region.CreateRegion(rect, false).isEmpty()) << "no points";
    region.Points().AddPoint(QPoint(0, 0));
    region.Points().AddPoint(QPoint(40, 0));
    EXPECT_TRUE(region.CreateRegion(rect, false).isEmpty()) << "two points enclose nothing";
    region.Points().AddPoint(QPoint(0, 40));
    const QRegion triangle = region.CreateRegion(rect, false);
    EXPECT_TRUE(triangle.contains(QPoint(5, 5)));
    EXPECT_FALSE(triangle.contains(QPoint(35, 35)));

    region.SetShape(rsUserRegion);
    region.SetUserRegion({});
    EXPECT_TRUE(region.CreateRegion(rect, false).isEmpty());
    EXPECT_EQ(region.CreateRegion(rect, true), QRegion(rect)) << "the plain rectangle while designing";
    region.SetUserRegion(QRegion(1, 1, 8, 8));
    EXPECT_EQ(region.CreateRegion(rect, false), QRegion(1, 1, 8, 8));
}

TEST(StyRegionTest, DesignKeepsPointsAndMaskData)
{
    TStyRegion region;
    region.SetShape(rsPointList);
    for (const QPoint point : {QPoint(0, 0), QPoint(-30, 5), QPoint(12, 40)})
        region.Points().AddPoint(point);
    region.Mask()->SetCompressed(true);
    region.Mask()->SetRegion(QRegion(2, 3, 4, 5));
    QImage bitmap(6, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    region.Mask()->SetBitmap(bitmap);

    const TStyDesign design = WriteDesign(region);
    EXPECT_EQ(design.Value(QStringLiteral("PointList")).toList().size(), 6);
    TStyRegion copy;
    ReadDesign(copy, design);
    ASSERT_EQ(copy.Points().Count(), 3);
    QPoint second;
    copy.Points().GetPoint(1, second);
    EXPECT_EQ(second, QPoint(-30, 5));
    EXPECT_EQ(copy.UserRegion(), region.UserRegion());
    EXPECT_EQ(copy.Mask()->Region(), QRegion(2, 3, 4, 5));
    EXPECT_EQ(copy.Mask()->Bitmap().size(), QSize(6, 4));
    EXPECT_EQ(copy.Mask()->Bitmap().pixelColor(3, 2), QColor(Qt::red));
    EXPECT_TRUE(copy.Mask()->BorderUp().isNull()) << "a missing bitmap is not written";
}

TEST(StyRegionTest, AssignCopiesTheShapeWithOneNotification)
{
    TStyRegion source;
    source.SetShape(rsStar);
    source.SetRoundX(8);
    source.Shadow()->SetStyle(hssSolid);
    source.Mask()->SetRegion(QRegion(0, 0, 3, 3));
    TStyRegion target;
    int changes = 0;
    target.OnChange = [&](TStyObject *) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Shape(), rsStar);
    EXPECT_EQ(target.RoundX(), 8);
    EXPECT_EQ(target.Shadow()->Style(), hssSolid);
    EXPECT_EQ(target.Mask()->Region(), QRegion(0, 0, 3, 3));
    EXPECT_EQ(TStyRgnShadow().Style(), hssNone) << "a form casts no shadow unless asked";
}

struct BorderCase
{
    TStyRegionBorderStyle style;
    QColor topLeft;
    QColor bottomRight;
};

TEST(StyRegionTest, BorderStylesColourTheOutline)
{
    const QColor light(Qt::white), shadow(Qt::darkGray), single(Qt::black), fill(Qt::green);
    const std::vector<BorderCase> cases = {
        {rbNone, fill, fill},          {rbSingle, single, single},       {rbRaised, light, shadow},
        {rbLowered, shadow, light},    {rbSingleRaised, single, single}, {rbRaisedpsb, light, shadow},
        {rbLoweredpsb, shadow, light},
    };
    for (const BorderCase &test : cases) {
        TStyBorderRegion region;
        region.SetShape(rsRect);
        region.Border()->SetStyle(test.style);
        region.Border()->SetLightColor(light);
        region.Border()->SetShadowColor(shadow);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(fill);
        QPainter painter(&image);
        region.PaintBorder(painter, image.rect());
        painter.end();
        EXPECT_EQ(image.pixelColor(10, 0), test.topLeft) << int(test.style);
        EXPECT_EQ(image.pixelColor(0, 10), test.topLeft) << int(test.style);
        EXPECT_EQ(image.pixelColor(30, 29), test.bottomRight) << int(test.style);
        EXPECT_EQ(image.pixelColor(39, 20), test.bottomRight) << int(test.style);
        EXPECT_EQ(image.pixelColor(20, 15), fill) << "the inside is left alone";
    }
    TStyBorderRegion raised;
    raised.SetShape(rsRect);
    raised.Border()->SetStyle(rbSingleRaised);
    raised.Border()->SetLightColor(light);
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(fill);
    QPainter painter(&image);
    raised.PaintBorder(painter, image.rect());
    painter.end();
    EXPECT_EQ(image.pixelColor(10, 1), light) << "the two colours one pixel inside the single line";
}

} // namespace
