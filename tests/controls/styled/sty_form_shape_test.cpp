#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_fill.h"
#include "controls/styled/sty_form_shape.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace tav::styled;

namespace {

TEST(StyFormShapeTest, ShadowAndCaptionBandShapeTheWindowRegion)
{
    TStyRegion region;
    region.SetShape(rsRect);
    const TStyFormFrame frame{4, 4, 20, true};
    const QSize outer(128, 100);
    // The client is 120 x 72; its rectangle grown by 1 lies at (3, 23) in the frame.
    const QRegion kept = FormShapeRegion(region, outer, frame, false, true, false);
    EXPECT_TRUE(kept.contains(QPoint(3, 23)));
    EXPECT_TRUE(kept.contains(QPoint(124, 96)));
    EXPECT_FALSE(kept.contains(QPoint(125, 97)));
    EXPECT_TRUE(kept.contains(QPoint(60, 10))) << "the caption band is kept";

    const QRegion cut = FormShapeRegion(region, outer, frame, false, false, false);
    EXPECT_FALSE(cut.contains(QPoint(60, 10)));
    EXPECT_FALSE(cut.contains(QPoint(60, 23))) << "the band takes the shape's top row with it";
    EXPECT_TRUE(cut.contains(QPoint(60, 24)));
    EXPECT_TRUE(FormShapeRegion(region, outer, frame, false, false, true).contains(QPoint(60, 10)))
        << "while designing the caption stays";
    EXPECT_FALSE(
        FormShapeRegion(region, outer, {4, 4, 20, false}, false, true, false).contains(QPoint(60, 10)))
        << "a form without border has no caption to keep";

    region.Shadow()->SetStyle(hssSolid);
    region.Shadow()->SetDepth(6);
    const QRegion shadowed = FormShapeRegion(region, outer, frame, false, true, false);
    EXPECT_TRUE(shadowed.contains(QPoint(130, 102))) << "the copy shifted by the depth";
    EXPECT_FALSE(shadowed.contains(QPoint(2, 102)));

    EXPECT_EQ(FormShapeRegion(region, outer, frame, true, true, false), QRegion(0, 0, 128, 24))
        << "a minimized form is its caption band";
    region.SetShape(rsBitmap);
    EXPECT_TRUE(FormShapeRegion(region, outer, frame, false, true, false).isEmpty());
}

TEST(StyFormShapeTest, SecondShapeOnAFormWhileDesigningIsRefused)
{
    QWidget form;
    TStyFormShape first(&form, true);
    try {
        TStyFormShape second(&form, true);
        FAIL() << "a second shape was accepted";
    } catch (const StyEOneInstError &error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("TStyFormShape:\rInvalid owner (<>TForm) or second instance on a form"));
    }
    QWidget child(&form);
    EXPECT_THROW(TStyFormShape(&child, true), StyEOneInstError) << "an owner that is no form";
    EXPECT_NO_THROW(TStyFormShape(&form, false)) << "the program itself may place them freely";
}

TEST(StyFormShapeTest, TheFormTakesTheShapeAsItsMaskAndFollowsItsSize)
{
    QWidget form;
    form.setWindowFlag(Qt::FramelessWindowHint);
    form.resize(100, 60);
    TStyFormShape shape(&form);
    shape.Region()->SetShape(rsElliptic);
    shape.Loaded();
    ASSERT_TRUE(shape.Hooked());
    EXPECT_TRUE(form.mask().contains(QPoint(50, 30)));
    EXPECT_FALSE(form.mask().contains(QPoint(2, 2)));
    EXPECT_EQ(shape.ShapeRect(), QRect(-1, -1, 102, 62));

    form.resize(200, 120);
    QApplication::sendPostedEvents();
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(form.mask().contains(QPoint(100, 60)));
    EXPECT_TRUE(form.mask().contains(QPoint(190, 60))) << "the shape grew with the form";

    shape.Region()->SetShape(rsBitmap);
    EXPECT_TRUE(form.mask().isEmpty()) << "an empty mask leaves the rectangle";
    QImage picture(80, 50, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    shape.Region()->Mask()->SetBitmap(picture);
    shape.Region()->Mask()->SetRegion(QRegion(10, 10, 30, 30));
    EXPECT_EQ(form.size(), QSize(86, 56)) << "the bitmap's size and room for the shadow's depth";
    EXPECT_EQ(form.mask(), QRegion(10, 10, 30, 30)) << "the stored region as it was taken";
}

TEST(StyFormShapeTest, APressOnTheBodyDragsTheForm)
{
    QWidget form;
    form.setWindowFlag(Qt::FramelessWindowHint);
    form.setGeometry(100, 100, 200, 120);
    auto *label = new QLabel(QStringLiteral("Α"), &form);
    label->setGeometry(10, 10, 40, 20);
    label->setEnabled(false);
    TStyFormShape shape(&form);
    shape.Region()->SetShape(rsRect);
    shape.Loaded();
    form.show();
    QApplication::processEvents();

    EXPECT_EQ(shape.HitTest(QPoint(150, 80)), TStyFormShape::HitCaption);
    EXPECT_EQ(shape.HitTest(QPoint(20, 15)), TStyFormShape::HitClient) << "a child, even a disabled one";
    shape.SetFormDragable(false);
    EXPECT_EQ(shape.HitTest(QPoint(150, 80)), TStyFormShape::HitClient);
    shape.SetFormDragable(true);

    const QPoint start = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(150, 80));
    const QPoint to = form.mapToGlobal(QPoint(170, 90));
    QMouseEvent move(QEvent::MouseMove, QPointF(170, 90), QPointF(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(170, 90));
    if (form.windowHandle() && form.pos() == start)
        GTEST_SKIP() << "the window system moved the form itself";
    EXPECT_EQ(form.pos(), start + QPoint(20, 10));
}

TEST(StyFormShapeTest, BackgroundForTransparentPanels)
{
    QWidget form;
    form.resize(60, 40);
    TStyFormShape shape(&form);
    EXPECT_FALSE(shape.HasBackground()) << "no fill";
    shape.FillObject()->SetStyle(sfBrush);
    shape.FillObject()->SetBrush(QBrush(Qt::yellow));
    EXPECT_TRUE(shape.HasBackground());
    QImage canvas(60, 40, QImage::Format_RGB32);
    QPainter painter(&canvas);
    shape.PaintBackground(painter);
    painter.end();
    ASSERT_NE(shape.BackBitmap(), nullptr);
    EXPECT_EQ(shape.BackBitmap()->size(), QSize(60, 40));
    EXPECT_EQ(shape.BackBitmap()->pixelColor(30, 20), QColor(Qt::yellow));
    EXPECT_EQ(canvas.pixelColor(30, 20), QColor(Qt::yellow));

    QWidget designed;
    TStyFormShape designShape(&designed, true);
    designShape.FillObject()->SetStyle(sfBrush);
    EXPECT_FALSE(designShape.HasBackground()) << "a fill is no background while designing";

    shape.Region()->SetShape(rsBitmap);
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    shape.Region()->Mask()->SetBitmap(picture);
    EXPECT_TRUE(shape.HasBackground());
    EXPECT_EQ(*shape.BackBitmap(), picture);
    shape.SetUseRgnBitmap(false);
    EXPECT_EQ(shape.BackBitmap()->size(), form.size()) << "the fill again, at the size the bitmap gave";
}

} // namespace
