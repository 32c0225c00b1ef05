#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_custom_control.h"
#include "controls/styled/sty_image_list.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_theme.h"
#include "sty_style_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>

#include <memory>

using namespace tav::styled;

namespace {

// Counts what the base class does on its own.
class TCountingControl : public TStyCustomControl
{
public:
    using TStyCustomControl::TStyCustomControl;
    int themeChanges = 0;
    int imageChanges = 0;

    void ThemeChanged() override
    {
        ++themeChanges;
        TStyCustomControl::ThemeChanged();
    }

protected:
    void ImageListChanged(QObject *sender) override
    {
        ++imageChanges;
        TStyCustomControl::ImageListChanged(sender);
    }
};

TEST(StyCustomControl, StartsAsAnOpaqueControlOfOneHundredByForty)
{
    TStyCustomControl control;
    EXPECT_EQ(control.size(), QSize(100, 40));
    EXPECT_FALSE(control.Transparent());
    EXPECT_TRUE(control.CtlXP());
    EXPECT_FALSE(control.BackFXPass());
    EXPECT_EQ(control.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(control.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_TRUE(control.NoImage());
}

TEST(StyCustomControl, NegativeIndexesKeepTheOldOnes)
{
    struct Case
    {
        void (TStyCustomControl::*set)(int);
        int (TStyCustomControl::*get)() const;
    };
    const Case cases[] = {{&TStyCustomControl::SetImageIndex, &TStyCustomControl::ImageIndex},
                          {&TStyCustomControl::SetListIndex, &TStyCustomControl::ListIndex}};
    for (const Case &test : cases) {
        TStyCustomControl control;
        (control.*test.set)(3);
        (control.*test.set)(-1);
        EXPECT_EQ((control.*test.get)(), 3);
        (control.*test.set)(0);
        EXPECT_EQ((control.*test.get)(), 0);
    }
}

TEST(StyCustomControl, TransparencyAppliesTheWindowAttributesOnlyOnAChange)
{
    TStyCustomControl control;
    control.SetTransparent(false);
    EXPECT_EQ(control.RecreateCount(), 0);
    control.SetTransparent(true);
    EXPECT_EQ(control.RecreateCount(), 1);
    EXPECT_FALSE(control.testAttribute(Qt::WA_OpaquePaintEvent));
    control.SetTransparent(true);
    EXPECT_EQ(control.RecreateCount(), 1);
    control.SetTransparent(false);
    EXPECT_EQ(control.RecreateCount(), 2);
    EXPECT_TRUE(control.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(StyCustomControl, FollowsItsImageListAndForgetsItWhenItGoes)
{
    TCountingControl control;
    auto list = std::make_unique<TStyImageList>();
    TStyImageListItem *strip = list->Strips(list->Add());
    strip->AddBlank();
    strip->AddBlank();
    control.SetImageList(list.get());
    EXPECT_EQ(control.imageChanges, 1);
    EXPECT_FALSE(control.NoImage());
    control.SetImageIndex(1);
    EXPECT_EQ(control.imageChanges, 2);
    EXPECT_FALSE(control.NoImage());
    control.SetImageIndex(2);
    EXPECT_TRUE(control.NoImage());
    list->Change();
    EXPECT_EQ(control.imageChanges, 4);
    list.reset();
    EXPECT_EQ(control.ImageList(), nullptr);
    EXPECT_EQ(control.imageChanges, 5);
}

TEST(StyCustomControl, SharedListsGoThroughInternalInDesigns)
{
    TStyCustomControl control;
    control.SetImageList(GlobalContainer().BitmapList());
    const TStyDesign design = WriteDesign(control);
    EXPECT_EQ(design.Value(QStringLiteral("Internal")).toString(), QStringLiteral("StyBML30"));

    TStyCustomControl copy;
    ReadDesign(copy, {{{QStringLiteral("Internal"), QStringLiteral("StyIML30")}}});
    EXPECT_EQ(copy.ImageList(), GlobalContainer().ImageList());
    ReadDesign(copy, {{{QStringLiteral("Internal"), QStringLiteral("Other")}}});
    EXPECT_EQ(copy.ImageList(), nullptr);

    TStyImageList own;
    copy.SetImageList(&own);
    EXPECT_FALSE(WriteDesign(copy).Has(QStringLiteral("Internal")));
}

TEST(StyCustomControl, AnOpaqueControlPaintsItsColor)
{
    QWidget parent;
    parent.resize(200, 100);
    TStyCustomControl control(&parent);
    control.SetColor(QColor(10, 120, 200));
    const QImage picture = control.grab().toImage();
    for (const QPoint point : {QPoint(0, 0), QPoint(50, 20), QPoint(99, 39)})
        EXPECT_EQ(picture.pixelColor(point), QColor(10, 120, 200)) << point.x() << "," << point.y();
}

TEST(StyCustomControl, ATransparentControlLeavesItsAreaToTheThemeOrPaintsItsColor)
{
    struct Case
    {
        const char *style;
        QColor seen;
    };
    const Case cases[] = {{"Fusion", QColor(200, 30, 30)}, {"Windows", QColor(10, 120, 200)}};
    for (const Case &test : cases) {
        TStyleGuard guard;
        TStyleGuard::Use(QString::fromLatin1(test.style));
        SetUseThemes(true);
        QWidget parent;
        parent.resize(200, 100);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(200, 30, 30));
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        TStyCustomControl control(&parent);
        control.SetColor(QColor(10, 120, 200));
        control.SetTransparent(true);
        EXPECT_EQ(parent.grab().toImage().pixelColor(50, 20), test.seen) << test.style;
    }
}

TEST(StyCustomControl, FocusEventsArrivePosted)
{
    TStyCustomControl control;
    QStringList heard;
    control.OnFocusGained = [&](QObject *sender) {
        EXPECT_EQ(sender, &control);
        heard << QStringLiteral("gained");
    };
    control.OnFocusLost = [&](QObject *) { heard << QStringLiteral("lost"); };
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&control, &in);
    EXPECT_TRUE(control.HasFocus());
    EXPECT_TRUE(heard.isEmpty());
    QCoreApplication::sendPostedEvents(&control);
    EXPECT_EQ(heard, QStringList{QStringLiteral("gained")});
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&control, &out);
    EXPECT_FALSE(control.HasFocus());
    QCoreApplication::sendPostedEvents(&control);
    EXPECT_EQ(heard, (QStringList{QStringLiteral("gained"), QStringLiteral("lost")}));
}

TEST(StyCustomControl, ThemeChangesReachTheChildren)
{
    TStyleGuard guard;
    QWidget form;
    TCountingControl parent(&form);
    TCountingControl child(&parent);
    TCountingControl grandchild(&child);
    parent.SetCtlXP(false);
    EXPECT_EQ(parent.themeChanges, 1);
    EXPECT_EQ(child.themeChanges, 1);
    EXPECT_EQ(grandchild.themeChanges, 1);

    // The application switching its look reaches every control of a visible form.
    form.show();
    SetUseThemes(false);
    EXPECT_GE(parent.themeChanges, 2);
    EXPECT_GE(grandchild.themeChanges, 2);
}

TEST(StyCustomControl, FindsTheFirstComponentOfAClassOnAForm)
{
    QDialog form;
    new QLabel(&form);
    TCountingControl control(&form);
    QWidget loose;
    EXPECT_EQ(IndexOfComponentClass(&form, &TStyCustomControl::staticMetaObject), 1);
    EXPECT_EQ(IndexOfComponentClass(&form, &QLabel::staticMetaObject), 0);
    EXPECT_EQ(IndexOfComponentClass(&form, &QDialog::staticMetaObject), -1);
    EXPECT_EQ(IndexOfComponentClass(&form, nullptr), -1);
    EXPECT_EQ(IndexOfComponentClass(&control, &TStyCustomControl::staticMetaObject), -1);
    EXPECT_EQ(IndexOfComponentClass(nullptr, &QLabel::staticMetaObject), -1);
}

} // namespace
