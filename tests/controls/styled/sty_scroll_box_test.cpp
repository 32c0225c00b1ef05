#include "controls/styled/sty_custom_panel.h"
#include "controls/styled/sty_custom_scroll_box.h"
#include "controls/styled/sty_fill.h"
#include "controls/styled/sty_form_shape.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_theme.h"
#include "sty_style_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <vector>

using namespace tav::styled;

namespace {

// A child that counts the requests to repaint the background under it.
class TBackWatcher : public QWidget
{
public:
    using QWidget::QWidget;
    int queries = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == CM_STYPARENTBACKQUERY)
            ++queries;
        return QWidget::event(event);
    }
};

// A form whose form shape paints a yellow background that styled children can copy.
struct TShapedForm
{
    QWidget form;
    TStyFormShape *shape;

    TShapedForm() : shape(new TStyFormShape(&form))
    {
        form.resize(300, 200);
        shape->Region()->SetShape(rsRect);
        shape->FillObject()->SetStyle(sfBrush);
        shape->FillObject()->SetBrush(QBrush(Qt::yellow));
    }
};

// The margins around the viewport of a box without scroll bars.
QMargins Margins(const TStyCustomScrollBox &box)
{
    const QRect viewport = box.viewport()->geometry();
    return {viewport.left(), viewport.top(), box.width() - viewport.right() - 1,
            box.height() - viewport.bottom() - 1};
}

TEST(StyScrollBox, StartsWithTheWindowFrameAroundItsViewport)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TStyCustomScrollBox box;
    EXPECT_EQ(box.size(), QSize(185, 41));
    EXPECT_EQ(box.Bevel()->Mode(), bmWindows);
    EXPECT_EQ(Margins(box), QMargins(2, 2, 2, 2));
    box.SetCtl3D(false);
    EXPECT_EQ(Margins(box), QMargins(1, 1, 1, 1));
    box.Bevel()->SetMode(bmCustom);
    box.Bevel()->SetStyleOuter(bvRaised);
    box.Bevel()->SetWidthOuter(3);
    EXPECT_EQ(Margins(box), QMargins(3, 3, 3, 3)) << "the bevel's own width";
}

struct RhythmCase
{
    bool whileScrolling;
    int interval;
    int repaintsDuringDrag;
};

TEST(StyScrollBox, BackgroundIsRepaintedAtTheChosenRhythm)
{
    TStyleGuard guard;
    SetUseThemes(false);
    for (const RhythmCase &test : std::vector<RhythmCase>{{true, 1, 6}, {true, 3, 2}, {false, 1, 0}}) {
        TShapedForm shaped;
        auto *box = new TStyCustomScrollBox(&shaped.form);
        box->setGeometry(10, 10, 185, 100);
        auto *contents = new QWidget;
        contents->resize(150, 1000);
        auto *watcher = new TBackWatcher(contents);
        box->setWidget(contents);
        box->SetRepaintWhileScrolling(test.whileScrolling);
        box->SetRepaintInterval(test.interval);
        int scrolls = 0;
        box->OnScroll = [&](QObject *) { ++scrolls; };
        ASSERT_TRUE(box->HasBackground());

        QScrollBar *bar = box->verticalScrollBar();
        bar->setSliderDown(true);
        for (int step = 1; step <= 6; ++step)
            bar->setValue(step * 20);
        EXPECT_EQ(watcher->queries, test.repaintsDuringDrag) << test.whileScrolling << test.interval;
        const int beforeRelease = watcher->queries;
        bar->setSliderDown(false);
        EXPECT_EQ(scrolls, 7) << "every step and the end of the scroll";
        if (!test.whileScrolling)
            EXPECT_EQ(watcher->queries, 1) << "repainted when the drag ends";
        else
            EXPECT_GE(watcher->queries, beforeRelease);
    }
}

TEST(StyScrollBox, ThumbDraggedWithTheMouseRepaintsOnRelease)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TShapedForm shaped;
    auto *box = new TStyCustomScrollBox(&shaped.form);
    box->setGeometry(10, 10, 185, 100);
    auto *contents = new QWidget;
    contents->resize(150, 1000);
    auto *watcher = new TBackWatcher(contents);
    box->setWidget(contents);
    box->SetRepaintWhileScrolling(false);
    shaped.form.show();
    QApplication::processEvents();
    QScrollBar *bar = box->verticalScrollBar();
    const QPoint thumb(bar->width() / 2, bar->width() + 3);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, thumb + QPoint(0, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(thumb + QPoint(0, 20)),
                     bar->mapToGlobal(QPointF(thumb + QPoint(0, 20))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(bar, &move);
    EXPECT_GT(bar->value(), 0) << "the drag scrolled";
    EXPECT_EQ(watcher->queries, 0);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(0, 20));
    EXPECT_EQ(watcher->queries, 1);
}

TEST(StyScrollBox, SavingResourcesReleasesTheWindowsOfChildrenOutOfView)
{
    TStyleGuard guard;
    SetUseThemes(false);
    QWidget form;
    form.resize(300, 200);
    auto *box = new TStyCustomScrollBox(&form);
    box->setGeometry(0, 0, 185, 100);
    auto *contents = new QWidget;
    contents->resize(150, 1000);
    auto *nearby = new QWidget(contents);
    nearby->setGeometry(0, 10, 50, 20);
    auto *far = new QWidget(contents);
    far->setGeometry(0, 600, 50, 20);
    box->setWidget(contents);
    for (QWidget *child : {nearby, far})
        child->setAttribute(Qt::WA_NativeWindow);
    form.show();
    QApplication::processEvents();
    ASSERT_TRUE(far->windowHandle() && far->windowHandle()->handle());

    box->SetSaveResources(true);
    EXPECT_EQ(far->windowHandle()->handle(), nullptr) << "scrolled out of view";
    EXPECT_NE(nearby->windowHandle()->handle(), nullptr);
    box->verticalScrollBar()->setValue(590);
    EXPECT_NE(far->windowHandle()->handle(), nullptr) << "back in view";
    EXPECT_EQ(nearby->windowHandle()->handle(), nullptr);
    EXPECT_EQ(box->verticalScrollBar()->value(), 590);
}

TEST(StyScrollBox, TransparentPanelsCopyTheFormShapesBackground)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TShapedForm shaped;
    TStyCustomPanel onForm(&shaped.form);
    onForm.setGeometry(20, 30, 40, 20);
    onForm.SetTransparent(true);
    onForm.SetColor(Qt::darkCyan);
    EXPECT_TRUE(onForm.ParentBackAvailable());
    EXPECT_EQ(onForm.GetBackOffset(QPoint(1, 2)), QPoint(21, 32));
    EXPECT_EQ(onForm.grab().toImage().pixelColor(5, 5), QColor(Qt::yellow));

    auto *box = new TStyCustomScrollBox(&shaped.form);
    box->setGeometry(100, 50, 185, 100);
    auto *contents = new QWidget;
    contents->resize(150, 300);
    auto *inBox = new TStyCustomPanel(contents);
    inBox->setGeometry(5, 6, 30, 20);
    box->setWidget(contents);
    inBox->SetTransparent(true);
    inBox->SetColor(Qt::darkCyan);
    ASSERT_TRUE(inBox->ParentBackAvailable());
    EXPECT_EQ(inBox->GetBackOffset(QPoint(0, 0)), QPoint(100 + 2 + 5, 50 + 2 + 6)) << "inside the frame";
    EXPECT_EQ(inBox->grab().toImage().pixelColor(5, 5), QColor(Qt::yellow));

    shaped.shape->FillObject()->SetStyle(sfNone);
    EXPECT_FALSE(inBox->ParentBackAvailable()) << "no fill, no background";
    EXPECT_EQ(inBox->grab().toImage().pixelColor(5, 5), QColor(Qt::darkCyan));
}

} // namespace
