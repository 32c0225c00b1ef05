#include "controls/styled/sty_alpha.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_fill.h"
#include "controls/styled/sty_image_list.h"
#include "controls/styled/sty_point_list.h"
#include "controls/styled/sty_shadow.h"
#include "platform/core/errors.h"
#include "platform/ui/canvas.h"

#include <QImage>
#include <QPainter>
#include <QSet>

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

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(clBlack);
    return image;
}

QImage Picture(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(StyFill, FreshObjectsHaveTheirDefaults)
{
    const TStyShapeFill shape;
    EXPECT_EQ(shape.Style(), sfBrush);
    EXPECT_EQ(shape.TileMode(), tmTile);

    const TStyFillObject fill;
    EXPECT_EQ(fill.Style(), sfNone);
    EXPECT_EQ(fill.Options(), TStyFillOptions({foFillInner, foGrUseBitmap}));
    EXPECT_EQ(fill.Alignment(), agTopLeft);
    EXPECT_EQ(fill.Brush(), QBrush(clWhite));

    const TStyAlphaObject alpha;
    EXPECT_FLOAT_EQ(alpha.Strength(), 0.6f);
    EXPECT_EQ(alpha.FillObject()->Style(), sfNone);
    EXPECT_EQ(alpha.ImageList(), nullptr);

    const TStyShadow shadow;
    EXPECT_EQ(shadow.Color(), SysBtnShadow());
    EXPECT_EQ(shadow.Depth(), 6);
    EXPECT_EQ(shadow.Style(), hssSolid);
}

// The placement settings are kept always but only announced while one picture is placed untiled.
TEST(StyFill, PlacementChangesOnlyShowForAnUntiledPicture)
{
    struct Case
    {
        TStyFillStyle style;
        TStyTileMode tile;
        int changes;
    };
    const Case cases[] = {
        {sfBrush, tmNone, 0},      {sfBitmap, tmTile, 0},   {sfBitmap, tmNone, 3},
        {sfBitmapList, tmNone, 3}, {sfGradient, tmNone, 0},
    };
    for (const Case &c : cases) {
        TStyFillObject fill;
        fill.SetStyle(c.style);
        fill.SetTileMode(c.tile);
        Changes changes(fill);
        fill.SetOffsetX(5);
        fill.SetOffsetY(-3);
        fill.SetAlignment(agCenter);
        EXPECT_EQ(fill.OffsetX(), 5);
        EXPECT_EQ(fill.OffsetY(), -3);
        EXPECT_EQ(fill.Alignment(), agCenter);
        EXPECT_EQ(changes.count, c.changes) << c.style << " " << c.tile;
    }
}

TEST(StyFill, NestedChangesAndAssignFireOnce)
{
    TStyAlphaObject alpha;
    Changes changes(alpha);
    alpha.FillObject()->SetStyle(sfGradient);
    alpha.FillObject()->Gradient()->SetColorCount(8);
    alpha.SetStrength(0.25f);
    alpha.SetStrength(0.25f);
    EXPECT_EQ(changes.count, 3);

    TStyAlphaObject copy;
    Changes copied(copy);
    copy.Assign(alpha);
    EXPECT_EQ(copied.count, 1);
    EXPECT_EQ(copy.FillObject()->Style(), sfGradient);
    EXPECT_EQ(copy.FillObject()->Gradient()->ColorCount(), 8);
    EXPECT_FLOAT_EQ(copy.Strength(), 0.25f);
    EXPECT_THROW(copy.Assign(TStyShadow()), EConvertError);
}

TEST(StyFill, SummaryTexts)
{
    TStyShapeFill shape;
    TStyAlphaObject alpha;
    TStyShadow shadow;
    struct Case
    {
        std::function<void()> set;
        const TStyObject *object;
        QString text;
    };
    const Case cases[] = {
        {[&] { shape.SetStyle(sfNone); }, &shape, QStringLiteral("{Disabled}")},
        {[&] { shape.SetStyle(sfBrushBitmap); }, &shape, QStringLiteral("{}")},
        {[&] { shape.SetStyle(sfBrush); }, &shape, QStringLiteral("{Brush}")},
        {[&] { shape.SetStyle(sfBitmap); }, &shape, QStringLiteral("{Bitmap}")},
        {[&] { shape.SetStyle(sfBitmapList); }, &shape, QStringLiteral("{BitmapList}")},
        {[&] { shape.SetStyle(sfGradient); }, &shape, QStringLiteral("{Gradient}")},
        {[] {}, &alpha, QStringLiteral("{Disabled}")},
        {[&] { alpha.FillObject()->SetStyle(sfBrush); }, &alpha,
         QStringLiteral("{Enabled (brush), strength: 0.600}")},
        {[&] { alpha.FillObject()->SetStyle(sfBitmapList); }, &alpha,
         QStringLiteral("{Enabled (bmp), strength: 0.600}")},
        {[&] { alpha.FillObject()->SetStyle(sfBrushBitmap); }, &alpha,
         QStringLiteral("{Enabled (), strength: 0.600}")},
        {[&] {
             alpha.FillObject()->SetStyle(sfGradient);
             alpha.SetStrength(0.25f);
         },
         &alpha, QStringLiteral("{Enabled (grad), strength: 0.250}")},
        {[] {}, &shadow, QStringLiteral("{solid, 6}")},
        {[&] {
             shadow.SetStyle(hssTracing);
             shadow.SetDepth(99);
         },
         &shadow, QStringLiteral("{tracing, 40}")},
        {[&] { shadow.SetStyle(hssNone); }, &shadow, QStringLiteral("{Disabled}")},
    };
    for (const Case &c : cases) {
        c.set();
        EXPECT_EQ(c.object->SummaryText(), c.text);
    }
}

TEST(StyFill, EmptyFills)
{
    struct Case
    {
        TStyFillStyle style;
        bool withPicture;
        bool empty;
    };
    const Case cases[] = {
        {sfNone, true, true},        {sfBrush, false, false},       {sfGradient, false, false},
        {sfBitmap, false, true},     {sfBitmap, true, false},       {sfBitmapList, false, true},
        {sfBitmapList, true, false}, {sfBrushBitmap, false, false},
    };
    for (const Case &c : cases) {
        TStyFillObject fill;
        fill.SetStyle(c.style);
        if (c.withPicture) {
            fill.SetBitmap(Picture(2, 2, clRed));
            fill.SetListBitmap(Picture(2, 2, clRed));
        }
        EXPECT_EQ(fill.IsEmpty(), c.empty) << c.style << " " << c.withPicture;
    }
}

TEST(StyFill, FillRectPaintsByStyle)
{
    struct Case
    {
        const char *name;
        std::function<void(TStyFillObject &)> set;
        bool painted;
        // Expected colours at (0, 0), (5, 5) and (9, 9) of a 10 × 10 canvas, back colour blue.
        QColor corner, middle, far;
    };
    const Case cases[] = {
        {"none", [](TStyFillObject &) {}, false, clBlack, clBlack, clBlack},
        {"solid brush",
         [](TStyFillObject &f) {
             f.SetStyle(sfBrush);
             f.SetBrush(QBrush(clRed));
         },
         true, clRed, clRed, clRed},
        {"empty picture fills the inner area", [](TStyFillObject &f) { f.SetStyle(sfBitmap); }, false, clBlue,
         clBlue, clBlue},
        {"empty picture without inner fill",
         [](TStyFillObject &f) {
             f.SetStyle(sfBitmap);
             f.SetOptions({});
         },
         false, clBlack, clBlack, clBlack},
        {"picture placed at the centre and moved",
         [](TStyFillObject &f) {
             f.SetStyle(sfBitmap);
             f.SetTileMode(tmNone);
             f.SetBitmap(Picture(2, 2, clLime));
             f.SetAlignment(agCenter);
             f.SetOffsetX(1);
             f.SetOffsetY(1);
         },
         true, clBlue, clLime, clBlue},
        {"list picture tiled",
         [](TStyFillObject &f) {
             f.SetStyle(sfBitmapList);
             f.SetListBitmap(Picture(3, 3, clYellow));
         },
         true, clYellow, clYellow, clYellow},
        {"picture stretched",
         [](TStyFillObject &f) {
             f.SetStyle(sfBitmap);
             f.SetTileMode(tmStretch);
             f.SetBitmap(Picture(1, 1, clAqua));
         },
         true, clAqua, clAqua, clAqua},
        {"brush pattern from a bitmap",
         [](TStyFillObject &f) {
             f.SetStyle(sfBrushBitmap);
             f.SetBitmap(Picture(4, 4, clFuchsia));
         },
         true, clFuchsia, clFuchsia, clFuchsia},
        {"gradient from red to lime",
         [](TStyFillObject &f) {
             f.SetStyle(sfGradient);
             f.Gradient()->SetStyle(gstHorizontal);
             f.Gradient()->SetColor(clRed);
             f.Gradient()->SetEndColor(clLime);
             f.Gradient()->SetColorCount(2);
         },
         true, clRed, clLime, clLime},
    };
    for (const Case &c : cases) {
        TStyFillObject fill;
        c.set(fill);
        QImage canvas = Canvas(10, 10);
        bool painted = false;
        {
            QPainter painter(&canvas);
            painted = fill.FillRect(painter, canvas.rect(), clBlue);
        }
        EXPECT_EQ(painted, c.painted) << c.name;
        EXPECT_EQ(canvas.pixelColor(0, 0), c.corner) << c.name;
        EXPECT_EQ(canvas.pixelColor(5, 5), c.middle) << c.name;
        EXPECT_EQ(canvas.pixelColor(9, 9), c.far) << c.name;
    }
}

TEST(StyFill, HatchedBrushShowsTheBackColourBetweenItsLines)
{
    TStyFillObject fill;
    fill.SetStyle(sfBrush);
    fill.SetBrush(QBrush(clRed, Qt::HorPattern));
    QImage canvas = Canvas(8, 8);
    {
        QPainter painter(&canvas);
        fill.FillRect(painter, canvas.rect(), clBlue);
    }
    QSet<QRgb> colours;
    for (int y = 0; y < 8; ++y)
        colours.insert(canvas.pixel(0, y));
    EXPECT_EQ(colours, (QSet<QRgb>{clRed.rgb(), clBlue.rgb()}));
}

TEST(StyFill, AlphaPaintBlendsItsFillByStrength)
{
    TStyAlphaObject alpha;
    QImage bitmap = Picture(2, 2, clBlack);
    alpha.Paint(bitmap);
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB32) << "no fill, nothing done";

    alpha.FillObject()->SetStyle(sfBrush);
    alpha.FillObject()->SetBrush(QBrush(clRed));
    alpha.Paint(bitmap);
    EXPECT_EQ(bitmap.format(), QImage::Format_BGR888);
    // fill + round((picture - fill) × 0.6): red 255 - 153.
    EXPECT_EQ(bitmap.pixelColor(1, 1), QColor(102, 0, 0));
}

TEST(StyFill, ListPictureIsDroppedWithoutAList)
{
    TStyAlphaObject alpha;
    alpha.FillObject()->SetListBitmap(Picture(2, 2, clRed));
    Changes changes(alpha);
    alpha.SetImageIndex(3);
    alpha.SetListIndex(1);
    EXPECT_EQ(alpha.ImageIndex(), 3);
    EXPECT_EQ(alpha.ListIndex(), 1);
    EXPECT_TRUE(alpha.FillObject()->ListBitmap().isNull());
    EXPECT_EQ(changes.count, 2);
}

TEST(StyFill, ListPictureFollowsItsImageListAndIsForgottenWithIt)
{
    TStyAlphaObject alpha;
    {
        TStyImageList list;
        auto *strip = list.Strips(list.Add());
        strip->SetWidth(2);
        strip->SetHeight(2);
        QImage pictures = Picture(4, 2, clRed);
        pictures.setPixel(2, 0, QColor(clBlue).rgb());
        strip->Add(pictures, QImage());

        alpha.SetImageList(&list);
        alpha.SetImageIndex(1);
        ASSERT_FALSE(alpha.FillObject()->ListBitmap().isNull());
        EXPECT_EQ(alpha.FillObject()->ListBitmap().pixelColor(0, 0), QColor(clBlue));

        Changes changes(alpha);
        strip->Add(Picture(2, 2, clLime), QImage());
        EXPECT_GE(changes.count, 1) << "a change of the list refreshes the picture";
        alpha.SetImageIndex(2);
        EXPECT_EQ(alpha.FillObject()->ListBitmap().pixelColor(0, 0), QColor(clLime));
        alpha.SetImageIndex(5);
        EXPECT_TRUE(alpha.FillObject()->ListBitmap().isNull()) << "no such entry";
    }
    EXPECT_EQ(alpha.ImageList(), nullptr) << "a list that goes is forgotten";
    alpha.SetImageIndex(0);
}

TEST(StyFill, ADesignNamesOnlyTheSharedImageLists)
{
    TStyAlphaObject alpha;
    alpha.SetImageList(GlobalContainer().BitmapList());
    const TStyDesign design = WriteDesign(alpha);
    EXPECT_EQ(design.Value(QStringLiteral("Internal")).toString(), QStringLiteral("StyBML30"));
    TStyAlphaObject read;
    ReadDesign(read, design);
    EXPECT_EQ(read.ImageList(), GlobalContainer().BitmapList());

    TStyImageList own;
    alpha.SetImageList(&own);
    EXPECT_FALSE(WriteDesign(alpha).Has(QStringLiteral("Internal")));
}

TEST(StyFill, DesignsRoundTripAndKeepTheUsualStrengthOut)
{
    TStyAlphaObject alpha;
    alpha.FillObject()->SetStyle(sfBitmap);
    alpha.FillObject()->SetOptions({foQuickDraw});
    alpha.FillObject()->SetBrush(QBrush(clRed, Qt::CrossPattern));
    alpha.FillObject()->SetBitmap(Picture(3, 2, clLime));
    alpha.FillObject()->SetOffsetY(-7);
    TStyDesign design = WriteDesign(alpha);
    EXPECT_FALSE(design.Has(QStringLiteral("Strength")));
    EXPECT_EQ(design.Value(QStringLiteral("FillObject.Options")).toString(), QStringLiteral("foQuickDraw"));
    EXPECT_EQ(design.Value(QStringLiteral("FillObject.Style")).toString(), QStringLiteral("sfBitmap"));

    alpha.SetStrength(0.25f);
    design = WriteDesign(alpha);
    ASSERT_TRUE(design.Has(QStringLiteral("Strength")));

    TStyAlphaObject read;
    ReadDesign(read, design);
    EXPECT_FLOAT_EQ(read.Strength(), 0.25f);
    EXPECT_EQ(read.FillObject()->Style(), sfBitmap);
    EXPECT_EQ(read.FillObject()->Options(), TStyFillOptions({foQuickDraw}));
    EXPECT_EQ(read.FillObject()->Brush(), QBrush(clRed, Qt::CrossPattern));
    EXPECT_EQ(read.FillObject()->Bitmap(), alpha.FillObject()->Bitmap());
    EXPECT_EQ(read.FillObject()->OffsetY(), -7);
}

TEST(StyPointList, PointsRoundTripWithinSixteenBits)
{
    const QPoint points[] = {{300, -2}, {0, 0}, {-32768, 32767}, {32767, -32768}, {-1, -1}};
    TStyPointList list;
    for (const QPoint &point : points)
        list.AddPoint(point);
    ASSERT_EQ(list.Count(), 5);
    for (int i = 0; i < list.Count(); ++i) {
        QPoint read;
        list.GetPoint(i, read);
        EXPECT_EQ(read, points[i]);
    }
}

TEST(StyPointList, ChangesAreAnnouncedUnlessUpdating)
{
    TStyPointList list;
    int changes = 0;
    list.OnChange = [&](TStyPointList *sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.AddPoint({1, 2});
    EXPECT_EQ(changes, 2);

    list.SetPoint(0, {3, 4});
    list.SetPoint(1, {5, 6});
    EXPECT_EQ(changes, 3);
    QPoint kept(9, 9);
    list.GetPoint(1, kept);
    EXPECT_EQ(kept, QPoint(9, 9));

    list.UpdateCount = 1;
    list.AddPoint({7, 8});
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.Count(), 2);
}

} // namespace
