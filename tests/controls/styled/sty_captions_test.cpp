#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_gradient.h"
#include "controls/styled/sty_layout.h"
#include "platform/ui/canvas.h"

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

// Every published setter: storing the value it has fires nothing, a new value fires one change.
TEST(StyCaptions, SettersFireOnlyForNewValues)
{
    TStyFxCaption fx;
    TStyButtonLayout layout;
    TStyGradient gradient;
    struct Case
    {
        const char *name;
        TStyObject *object;
        std::function<void()> same;
        std::function<void()> other;
    };
    const Case cases[] = {
        {"Style", &fx, [&] { fx.SetStyle(tdNone); }, [&] { fx.SetStyle(tdRaised); }},
        {"LightDepth", &fx, [&] { fx.SetLightDepth(1); }, [&] { fx.SetLightDepth(3); }},
        {"ShadowColor", &fx, [&] { fx.SetShadowColor(SysBtnShadow()); }, [&] { fx.SetShadowColor(clRed); }},
        {"Orientation", &fx, [&] { fx.SetOrientation(toTopLeft); }, [&] { fx.SetOrientation(toTopRight); }},
        {"Angle", &fx, [&] { fx.SetAngle(0); }, [&] { fx.SetAngle(45); }},
        {"PosY", &fx, [&] { fx.SetPosY(0); }, [&] { fx.SetPosY(4); }},
        {"Alignment", &layout, [&] { layout.SetAlignment(agCenter); },
         [&] { layout.SetAlignment(agTopLeft); }},
        {"Spacing", &layout, [&] { layout.SetSpacing(2); }, [&] { layout.SetSpacing(5); }},
        {"ArrowSize", &layout, [&] { layout.SetArrowSize(3); }, [&] { layout.SetArrowSize(7); }},
        {"ArrowColor", &layout, [&] { layout.SetArrowColor(clBlack); },
         [&] { layout.SetArrowColor(clBlue); }},
        {"ColorCount", &gradient, [&] { gradient.SetColorCount(16); }, [&] { gradient.SetColorCount(8); }},
        {"TwoColors", &gradient, [&] { gradient.SetTwoColors(true); }, [&] { gradient.SetTwoColors(false); }},
    };
    for (const Case &c : cases) {
        Changes changes(*c.object);
        c.same();
        EXPECT_EQ(changes.count, 0) << c.name;
        c.other();
        EXPECT_EQ(changes.count, 1) << c.name;
    }
}

TEST(StyCaptions, AngleKeepsAFullTurnAsZeroAndPositionIsSilent)
{
    TStyFxCaption fx;
    fx.SetAngle(90);
    Changes changes(fx);
    fx.SetAngle(360);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(changes.count, 1);

    fx.SetPosition(12, 34);
    EXPECT_EQ(fx.PosX(), 12);
    EXPECT_EQ(fx.PosY(), 34);
    EXPECT_EQ(changes.count, 1);
}

TEST(StyCaptions, AssignCopiesWithOneChangeAndRefusesOtherKinds)
{
    TStyFxCaption source;
    source.SetStyle(tdExtrude);
    source.SetShadowDepth(4);
    source.SetAngle(30);
    source.SetPosition(5, 6);
    TStyFxCaption fx;
    Changes changes(fx);
    fx.Assign(source);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(fx.Style(), tdExtrude);
    EXPECT_EQ(fx.ShadowDepth(), 4);
    EXPECT_EQ(fx.Angle(), 30);
    EXPECT_EQ(fx.PosX(), 5);
    fx.Assign(fx);
    EXPECT_EQ(changes.count, 1);

    TSty3DCaption plain;
    plain.SetStyle(tdSunken);
    fx.Assign(plain);
    EXPECT_EQ(fx.Style(), tdSunken);
    EXPECT_EQ(fx.Angle(), 30) << "a plain 3-D caption brings no angle";
    EXPECT_EQ(changes.count, 2);

    TStyButtonLayout layout;
    TStyButtonLayout otherLayout;
    otherLayout.SetArrow(true);
    otherLayout.SetSpacing(9);
    Changes layoutChanges(layout);
    layout.Assign(otherLayout);
    EXPECT_EQ(layoutChanges.count, 1);
    EXPECT_TRUE(layout.Arrow());
    EXPECT_EQ(layout.Spacing(), 9);

    EXPECT_THROW(fx.Assign(layout), EConvertError);
    TStyGradient gradient;
    EXPECT_THROW(gradient.Assign(fx), EConvertError);
}

TEST(StyCaptions, SummaryTextNamesStyleAndAngle)
{
    TStyFxCaption fx;
    EXPECT_EQ(fx.SummaryText(), QStringLiteral("{Disabled}"));
    fx.SetAngle(90);
    EXPECT_EQ(fx.SummaryText(), QStringLiteral("{ rot: 90°}"));
    fx.SetStyle(tdRaised);
    EXPECT_EQ(fx.SummaryText(), QStringLiteral("{raised, rot: 90°}"));

    TStyGradient gradient;
    EXPECT_EQ(gradient.SummaryText(), QStringLiteral("vertical, Col: 16, 2 col mode"));
}

TEST(StyCaptions, DepthOfEachStyle)
{
    TSty3DCaption caption;
    caption.SetLightDepth(2);
    caption.SetShadowDepth(3);
    const std::pair<TStyThreeDStyle, int> cases[] = {
        {tdNone, 0},         {tdSunken, 2},       {tdRaised, 2}, {tdSunkenShadow, 5}, {tdRaisedShadow, 5},
        {tdPColorSunken, 5}, {tdPColorRaised, 5}, {tdShadow, 3}, {tdOutline, 0},      {tdExtrude, 0}};
    for (const auto &[style, depth] : cases) {
        caption.SetStyle(style);
        EXPECT_EQ(caption.Depth(), depth) << style;
    }
}

TEST(StyGradient, ColourTableOfTwoColoursAndOfStops)
{
    TStyGradient gradient;
    ASSERT_EQ(gradient.Colors().size(), 16);
    EXPECT_EQ(gradient.Colors().front(), clBlue);
    EXPECT_EQ(gradient.Colors().back(), clBlack);
    EXPECT_EQ(gradient.Colors()[8], QColor(0, 0, 119)) << "255 × 7 / 15 from blue, rounded";

    gradient.SetTwoColors(false);
    EXPECT_TRUE(gradient.Colors().isEmpty()) << "no stops";
    gradient.ColorList() = {clRed};
    gradient.Change();
    EXPECT_TRUE(gradient.Colors().isEmpty()) << "one stop";

    gradient.ColorList() = {clRed, clLime, clBlue};
    gradient.Change();
    const QList<QColor> &colors = gradient.Colors();
    ASSERT_EQ(colors.size(), 9) << "16 div 3 = 5, then 4 more";
    EXPECT_EQ(colors[0], clRed);
    EXPECT_EQ(colors[4], clLime);
    EXPECT_EQ(colors[8], clBlue);
    EXPECT_TRUE(gradient.Palette().isEmpty());
    gradient.SetPaletteRealize(true);
    EXPECT_EQ(gradient.Palette(), gradient.Colors());
}

TEST(StyGradient, RampOfOneColourIsTheStartColour)
{
    QList<QColor> list{clWhite};
    AppendColorRamp(clRed, clBlue, 1, true, list);
    EXPECT_EQ(list, QList<QColor>{clRed});
    AppendColorRamp(clRed, clBlue, 3, false, list);
    EXPECT_EQ(list, (QList<QColor>{clRed, QColor(127, 0, 128), clBlue}))
        << "the first colour left out, halves rounded away from 0";
    AppendColorRamp(clRed, clBlue, 0, true, list);
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(InterpolateColor(clBlack, clWhite, 1, 3), QColor(85, 85, 85));
}

TEST(StyGradient, DesignStopsAppendWithOneChangeAndAreWrittenBack)
{
    TStyGradient gradient;
    gradient.ColorList() = {clRed};
    Changes changes(gradient);
    TStyDesign design;
    design.values = {{"ColorList", QVariantList{0x00FF00, 0xFF0000}},
                     {"Style", QStringLiteral("gstElliptic")}};
    ReadDesign(gradient, design);
    EXPECT_EQ(gradient.ColorList(), (QList<QColor>{clRed, clLime, clBlue}));
    EXPECT_EQ(gradient.Style(), gstElliptic);
    EXPECT_EQ(changes.count, 2) << "one for the stops, one for the style";

    const TStyDesign written = WriteDesign(gradient);
    EXPECT_EQ(written.Value("Style"), QStringLiteral("gstElliptic"));
    EXPECT_EQ(written.Value("ColorList"), (QVariantList{0x0000FF, 0x00FF00, 0xFF0000}));
    EXPECT_FALSE(WriteDesign(TStyGradient()).Has("ColorList")) << "no stops, nothing stored";
}

TEST(StyCaptions, DesignReadsEnumerationsByIdentifier)
{
    TStyFxCaption fx;
    TStyDesign design;
    design.values = {{"Style", QStringLiteral("tdExtrudeEnh")},
                     {"Orientation", QStringLiteral("toBottomRight")},
                     {"DisabledStyle", QStringLiteral("dsNone")},
                     {"Angle", 360}};
    ReadDesign(fx, design);
    EXPECT_EQ(fx.Style(), tdExtrudeEnh);
    EXPECT_EQ(fx.Orientation(), toBottomRight);
    EXPECT_EQ(fx.DisabledStyle(), dsNone);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(WriteDesign(fx).Value("Style"), QStringLiteral("tdExtrudeEnh"));

    design.values = {{"Style", QStringLiteral("tdSideways")}};
    EXPECT_THROW(ReadDesign(fx, design), EStyDesignError);
}

} // namespace
