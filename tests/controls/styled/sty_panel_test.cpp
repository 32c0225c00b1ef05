#include "controls/styled/sty_custom_status_bar.h"
#include "controls/styled/sty_design.h"
#include "controls/styled/sty_panel_fill.h"
#include "controls/styled/sty_theme.h"
#include "sty_style_guard.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include <functional>

using namespace tav::styled;

namespace {

// A picture whose every pixel tells where it is.
QImage PositionPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, 77));
    return image;
}

// A filled panel showing the picture at its own pixels.
void ShowPicture(TStyPanelFill &panel, const QImage &picture)
{
    panel.FillObject()->SetBitmap(picture);
    panel.FillObject()->SetTileMode(tmTile);
    panel.FillObject()->SetStyle(sfBitmap);
}

TEST(StyPanel, TransparentPanelOnAPlainWindowPaintsItsColor)
{
    TStyleGuard guard;
    SetUseThemes(false);
    QWidget form;
    form.resize(120, 80);
    TStyCustomPanel panel(&form);
    panel.SetTransparent(true);
    panel.SetColor(Qt::darkCyan);
    EXPECT_FALSE(panel.ParentBackAvailable());
    EXPECT_EQ(panel.GetBackBitmap(), nullptr);
    EXPECT_EQ(panel.GetBackOffset(QPoint(3, 4)), QPoint(3, 4));
    const QImage shot = panel.grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::darkCyan));
}

TEST(StyPanel, TransparentPanelCopiesTheMatchingPartOfItsParentsPicture)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TStyPanelFill parent;
    parent.resize(200, 150);
    ShowPicture(parent, PositionPicture(QSize(200, 150)));
    ASSERT_TRUE(parent.HasBackBitmap());

    struct Case
    {
        const char *name;
        bool windowsFrame;
        int frame;
    };
    for (const Case &test : {Case{"no frame", false, 0}, Case{"window frame", true, 2}}) {
        SCOPED_TRACE(test.name);
        TStyCustomBevelPanel child(&parent);
        child.setGeometry(30, 20, 60, 40);
        if (test.windowsFrame)
            child.Bevel()->SetMode(bmWindows);
        EXPECT_EQ(child.contentsRect(),
                  QRect(0, 0, 60, 40).adjusted(test.frame, test.frame, -test.frame, -test.frame));
        child.SetTransparent(true);
        ASSERT_TRUE(child.ParentBackAvailable());
        EXPECT_EQ(child.GetBackBitmap(), &*parent.GetBackBitmap());
        const QImage shot = child.grab().toImage();
        for (const QPoint at : {QPoint(5, 5), QPoint(50, 30)})
            EXPECT_EQ(shot.pixel(at), qRgb(30 + at.x(), 20 + at.y(), 77)) << at.x() << "," << at.y();
        // A grandchild shifts by both positions.
        TStyCustomPanel inner(&child);
        inner.setGeometry(4, 6, 20, 20);
        inner.SetTransparent(true);
        EXPECT_EQ(inner.grab().toImage().pixel(1, 1), qRgb(30 + 4 + 1, 20 + 6 + 1, 77));
    }
}

TEST(StyPanel, OnlyAChangeToOrFromTheWindowsFrameRecreatesTheWindow)
{
    TStyCustomBevelPanel panel;
    panel.resize(100, 60);
    auto *layout = new QVBoxLayout(&panel);
    auto *child = new QWidget;
    layout->addWidget(child);
    layout->activate();

    struct Case
    {
        const char *name;
        std::function<void(TStyBevel &)> change;
        int recreations;
        QRect area;
    };
    const Case cases[] = {
        {"border width", [](TStyBevel &b) { b.SetBorderWidth(4); }, 0, QRect(4, 4, 92, 52)},
        {"to windows", [](TStyBevel &b) { b.SetMode(bmWindows); }, 1, QRect(2, 2, 96, 56)},
        {"from windows", [](TStyBevel &b) { b.SetMode(bmStandard); }, 1, QRect(1, 1, 98, 58)},
        {"standard style", [](TStyBevel &b) { b.SetStandardStyle(lsFrameInset); }, 0, QRect(2, 2, 96, 56)},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        const int before = panel.RecreateCount();
        test.change(*panel.Bevel());
        EXPECT_EQ(panel.RecreateCount() - before, test.recreations);
        EXPECT_EQ(panel.ChildArea(), test.area);
        layout->activate();
        EXPECT_EQ(child->geometry(), test.area);
    }
}

TEST(StyPanel, ParentPanelHoldsABitmapOnlyForAPictureOrAPassedEffect)
{
    TStyCustomParentPanel plain;
    plain.resize(50, 50);
    plain.Bevel()->SetBorderWidth(2);
    EXPECT_FALSE(plain.HasBackBitmap());
    EXPECT_FALSE(plain.DrawsParentBackground());

    TStyPanelFill filled;
    filled.resize(50, 50);
    filled.FillObject()->SetStyle(sfNone);
    EXPECT_FALSE(filled.HasBackBitmap());
    ShowPicture(filled, PositionPicture(QSize(50, 50)));
    EXPECT_TRUE(filled.HasBackBitmap());
    filled.FillObject()->SetStyle(sfNone);
    EXPECT_FALSE(filled.HasBackBitmap());
}

// Exposes the frame drawing of the panel.
class TTrackingPanel : public TStyCustomBevelPanel
{
public:
    TTrackingPanel() { SetFrameTracking(true); }
    using TStyCustomBevelPanel::DrawNormalFrame;
};

TEST(StyPanel, NormalFrameCoversTheBorderWithFourBackgroundStrips)
{
    TTrackingPanel panel;
    panel.resize(30, 20);
    panel.SetColor(Qt::blue);
    panel.Bevel()->SetStyleOuter(bvShadow);
    panel.Bevel()->SetWidthInner(2);
    panel.Bevel()->SetWidthOuter(3);
    ASSERT_EQ(panel.Bevel()->Width(), 2);
    ASSERT_EQ(panel.Bevel()->BottomRightWidth(), 5);
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    panel.DrawNormalFrame(painter);
    painter.end();
    // Left and top 2, bottom 6 (the strip starts one row higher), right 5.
    const QRect untouched(QPoint(2, 2), QPoint(24, 13));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            EXPECT_EQ(image.pixelColor(x, y),
                      untouched.contains(x, y) ? QColor(Qt::magenta) : QColor(Qt::blue))
                << x << "," << y;
}

TEST(StyPanel, DesignedBevelSetsTheFrameAndTheChildAreaOnceLoaded)
{
    TStyleGuard guard;
    SetUseThemes(false);
    struct Case
    {
        const char *mode;
        QMargins frame;
        QRect area;
    };
    for (const Case &test : {Case{"bmWindows", QMargins(2, 2, 2, 2), QRect(2, 2, 76, 36)},
                             Case{"bmStandard", QMargins(), QRect(1, 1, 78, 38)}}) {
        SCOPED_TRACE(test.mode);
        TStyPanelFill panel;
        panel.resize(80, 40);
        auto *layout = new QVBoxLayout(&panel);
        auto *child = new QWidget;
        layout->addWidget(child);
        ReadDesign(panel, {{{"Bevel.Mode", test.mode}, {"Caption", "Fill"}}});
        EXPECT_EQ(panel.contentsMargins(), test.frame);
        EXPECT_EQ(panel.ChildArea(), test.area);
        layout->activate();
        EXPECT_EQ(child->geometry(), test.area);
    }
}

TEST(StyPanel, StatusBarAddsNoHeightToItsLabels)
{
    TStyCustomStatusBar bar;
    EXPECT_EQ(bar.LabelExtraHeight(), 0);
    EXPECT_EQ(bar.Bevel()->Width(), 0);
}

} // namespace
