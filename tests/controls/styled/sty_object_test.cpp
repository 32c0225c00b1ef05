#include "controls/styled/sty_errors.h"
#include "sty_design_objects.h"

#include <gtest/gtest.h>

using tav::styled::ReadDesign;
using tav::styled::WriteDesign;

namespace {

struct ChangeCounter
{
    int count = 0;
    void Attach(TStyObject &object)
    {
        object.OnChange = [this](TStyObject *) { ++count; };
    }
};

TEST(StyObject, NotifiesOnlyRealChangesOutsideAnUpdate)
{
    TTestSettings settings;
    ChangeCounter changes;
    changes.Attach(settings);

    settings.SetDepth(1);
    EXPECT_EQ(changes.count, 0) << "the value it already had";
    settings.SetDepth(2);
    EXPECT_EQ(changes.count, 1);

    settings.BeginUpdate();
    settings.SetDepth(3);
    settings.SetForm(TTestSettings::shSquare);
    settings.EndUpdate(false);
    EXPECT_EQ(changes.count, 1) << "EndUpdate(false) fires nothing";

    settings.BeginUpdate();
    settings.SetDepth(4);
    settings.EndUpdate(true);
    EXPECT_EQ(changes.count, 2) << "EndUpdate(true) fires exactly one";

    TTestSettings silent;
    silent.SetDepth(9);
    EXPECT_EQ(silent.Depth(), 9);
}

TEST(StyObject, AssignFiresOnceAndNothingFromItself)
{
    TTestSettings source;
    source.SetDepth(7);
    source.SetForm(TTestSettings::shSquare);
    TTestSettings target;
    ChangeCounter changes;
    changes.Attach(target);

    target.Assign(source);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(target.Depth(), 7);
    EXPECT_EQ(target.Form(), TTestSettings::shSquare);

    target.Assign(target);
    EXPECT_EQ(changes.count, 1);

    TStyObject plain;
    EXPECT_THROW(target.Assign(plain), EConvertError);
}

TEST(StyDesign, ReadsDottedEnumAndFilerValuesWhileLoadingThenWritesThemBack)
{
    TTestComponent component;
    TStyDesign design;
    design.values = {{"Caption", QStringLiteral("Ομάδα")},
                     {"Settings.Depth", 5},
                     {"Settings.Form", QStringLiteral("shSquare")},
                     {"Settings.StopList", QVariantList{1, 2}}};
    ReadDesign(component, design);

    EXPECT_EQ(component.Caption(), QStringLiteral("Ομάδα"));
    EXPECT_EQ(component.Settings()->Depth(), 5);
    EXPECT_EQ(component.Settings()->Form(), TTestSettings::shSquare);
    EXPECT_EQ(component.Settings()->Stops(), (QList<int>{1, 2}));
    EXPECT_EQ(component.changesWhileLoading, 3) << "settings still notify while loading";
    EXPECT_EQ(component.changesAfterLoading, 0);
    EXPECT_EQ(component.loadedCalls, 1);
    EXPECT_FALSE(component.Loading());

    const TStyDesign written = WriteDesign(component);
    EXPECT_EQ(written.Value("Caption").toString(), QStringLiteral("Ομάδα"));
    EXPECT_EQ(written.Value("Settings.Depth").toInt(), 5);
    EXPECT_EQ(written.Value("Settings.Form").toString(), QStringLiteral("shSquare"));
    EXPECT_EQ(written.Value("Settings.StopList").toList().size(), 2);

    TTestComponent copy;
    ReadDesign(copy, written);
    EXPECT_EQ(WriteDesign(copy).values, written.values);
}

TEST(StyDesign, UnknownNamesAndValuesAreRefusedAndLoadingEnds)
{
    const std::vector<std::pair<QString, QVariant>> wrong = {{"Colour", 1},
                                                             {"Settings.Width", 1},
                                                             {"Caption.Depth", 1},
                                                             {"Settings.Form", QStringLiteral("shOval")}};
    for (const auto &entry : wrong) {
        TTestComponent component;
        TStyDesign design;
        design.values = {entry};
        EXPECT_THROW(ReadDesign(component, design), EStyDesignError) << entry.first.toStdString();
        EXPECT_FALSE(component.Loading());
    }

    TTestComponent empty;
    EXPECT_FALSE(WriteDesign(empty).Has("Settings.StopList")) << "a filer value without data is left out";
}

} // namespace
