#include "controls/styled/sty_application.h"
#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_label.h"
#include "controls/styled/sty_theme.h"
#include "sty_style_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include <vector>

using namespace tav::styled;

namespace {

bool HasColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

TEST(StyLabel, AutoSizeGrowsToTheCaptionKeepingItsCorner)
{
    TStyleGuard guard;
    SetUseThemes(false);
    QWidget form;
    TStyLabel label(&form);
    label.move(15, 25);
    label.SetCaption(QStringLiteral("Βαθμολογία"));
    const QSize shortSize = label.size();
    EXPECT_GE(shortSize.width(), QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("Βαθμολογία")));
    label.SetCaption(QStringLiteral("Βαθμολογία κατά Ημερομηνία"));
    EXPECT_GT(label.width(), shortSize.width());
    EXPECT_EQ(label.pos(), QPoint(15, 25));
    const QSize plain = label.size();
    label.Bevel()->SetStyleOuter(bvRaised);
    label.Bevel()->SetWidthOuter(2);
    EXPECT_EQ(label.size(), plain + QSize(4, 4)) << "room for the bevel";
    EXPECT_EQ(label.pos(), QPoint(15, 25));
    label.SetAutoSize(false);
    label.SetCaption(QStringLiteral("Α"));
    EXPECT_EQ(label.size(), plain + QSize(4, 4)) << "a fixed size stays";
}

TEST(StyLabel, AcceleratorFocusesItsControlOnlyWhenShown)
{
    TStyleGuard guard;
    SetUseThemes(false);
    for (const bool showAccelChar : {true, false}) {
        SCOPED_TRACE(showAccelChar);
        QWidget form;
        auto *before = new QLineEdit(&form);
        auto *target = new QLineEdit(&form);
        target->move(0, 40);
        auto *label = new TStyLabel(&form);
        label->move(0, 80);
        label->SetCaption(QStringLiteral("&Team"));
        label->SetFocusControl(target);
        label->SetShowAccelChar(showAccelChar);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << "labels take no focus";
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), showAccelChar ? target : before);
    }
}

TEST(StyLabel, TwinkleAlternatesTheCaptionColourOnPoolTicks)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TStyLabel label;
    label.SetTransparent(false);
    label.SetParentColor(false);
    label.SetColor(Qt::white);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    label.SetCaption(QStringLiteral("ΠΡΟΣΟΧΗ"));
    label.SetTwinkleColor(Qt::red);
    EXPECT_EQ(label.TwinkleVisible(), 700);
    EXPECT_EQ(label.TwinkleInVisible(), 700);
    label.SetTwinkle(true);
    TStyTimerPool &pool = StyApplication().TimerPool();
    const int ticksPerPhase = 700 / TStyApplication::TickInterval;
    for (const bool hidden : {true, false, true}) {
        for (int tick = 0; tick < ticksPerPhase - 1; ++tick)
            pool.TimerTick();
        EXPECT_NE(label.TwinkleHidden(), hidden) << "not before 700 ms";
        pool.TimerTick();
        ASSERT_EQ(label.TwinkleHidden(), hidden);
        EXPECT_EQ(label.CaptionColor(), hidden ? QColor(Qt::red) : QColor(Qt::black));
        const QImage shot = label.grab().toImage();
        EXPECT_EQ(HasColour(shot, Qt::red), hidden);
        EXPECT_EQ(HasColour(shot, Qt::black), !hidden);
    }
    label.SetTwinkle(false);
    EXPECT_FALSE(label.TwinkleHidden()) << "the caption shows again";
    EXPECT_EQ(label.CaptionColor(), QColor(Qt::black));
}

TEST(StyLabel, OptionsGiveTheirTextFlags)
{
    struct OptionCase
    {
        TStyBaseLabel::TStyLabelOptions options;
        unsigned flags;
    };
    const std::vector<OptionCase> cases = {{{}, 0x0},
                                           {loPathEllipsis, 0x4000},
                                           {loEndEllipsis, 0x8000},
                                           {loEditControl, 0x2000},
                                           {loPathEllipsis | loEndEllipsis | loEditControl, 0xE000}};
    for (const OptionCase &test : cases) {
        TStyLabel label;
        label.SetOptions(test.options);
        EXPECT_EQ(label.TextFlags(), test.flags);
    }
}

TEST(StyLabel, BoundsChangesReportWhatMoved)
{
    struct BoundsCase
    {
        QRect bounds;
        unsigned changes;
    };
    TStyLabel label;
    label.SetAutoSize(false);
    label.SetBounds(QRect(0, 0, 50, 20));
    unsigned reported = 0;
    label.OnBoundsChanged = [&](QObject *, unsigned changes) { reported = changes; };
    for (const BoundsCase &test : std::vector<BoundsCase>{{QRect(5, 0, 50, 20), bcMoved},
                                                          {QRect(5, 0, 60, 20), bcResized},
                                                          {QRect(0, 9, 10, 10), bcMoved | bcResized},
                                                          {QRect(0, 9, 10, 10), 0}}) {
        reported = 0;
        label.SetBounds(test.bounds);
        EXPECT_EQ(reported, test.changes);
    }
}

TEST(StyLabel, PublishedDefaults)
{
    TStyLabel label;
    EXPECT_TRUE(label.Transparent());
    EXPECT_TRUE(label.ParentColor());
    EXPECT_TRUE(label.AutoSize());
    EXPECT_TRUE(label.ShowAccelChar());
    EXPECT_FALSE(label.MultiLine());
    EXPECT_EQ(label.Alignment(), agTopLeft);
    EXPECT_FALSE(label.TwinkleColor().isValid());
    TStyBaseGraphicControl *graphic = &label;
    EXPECT_FALSE(graphic->ParentBackAvailable()) << "no styled parent";
}

} // namespace
