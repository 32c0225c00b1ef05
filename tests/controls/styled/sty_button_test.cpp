#include "controls/styled/sty_application.h"
#include "controls/styled/sty_button.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_image_list.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_layout.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace tav::styled;

namespace {

// A font that comes in one fixed size only, made here so that no installed font is needed: eight
// pixels high, one character.
QString FixedSizeFontFamily()
{
    static const QString family = [] {
        QByteArray bdf = "STARTFONT 2.1\n"
                         "FONT -tavrolin-TavFixed-Medium-R-Normal--8-80-75-75-C-80-ISO10646-1\n"
                         "SIZE 8 75 75\n"
                         "FONTBOUNDINGBOX 8 8 0 0\n"
                         "STARTPROPERTIES 3\n"
                         "FAMILY_NAME \"TavFixed\"\n"
                         "FONT_ASCENT 8\n"
                         "FONT_DESCENT 0\n"
                         "ENDPROPERTIES\n"
                         "CHARS 1\n"
                         "STARTCHAR A\n"
                         "ENCODING 65\n"
                         "SWIDTH 1000 0\n"
                         "DWIDTH 8 0\n"
                         "BBX 8 8 0 0\n"
                         "BITMAP\n";
        for (const char *row : {"FF", "81", "81", "81", "81", "81", "81", "FF"})
            bdf += QByteArray(row) + '\n';
        bdf += "ENDCHAR\nENDFONT\n";
        const int id = QFontDatabase::addApplicationFontFromData(bdf);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

void Enter(QWidget &widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(&widget, &event);
}

void Leave(QWidget &widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

TEST(StyButton, StartsWithItsDefaults)
{
    TStyButton button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    EXPECT_TRUE(button.HideHint());
    EXPECT_TRUE(button.UseCaption());
    EXPECT_EQ(button.NumGlyphs(), 1);
    EXPECT_FALSE(button.RepeatedClick());
    EXPECT_EQ(button.RepeatingInterval(), 100);
    EXPECT_EQ(button.RepeatingDelay(), 500);
    EXPECT_EQ(button.ExtStyle(), ubsAutoDetect);
    EXPECT_EQ(button.DrawState(), 0);
    EXPECT_EQ(button.RepeatTimer(), 0);
    EXPECT_FALSE(button.Hot());
    EXPECT_EQ(button.ModalResult(), 0);
}

TEST(StyButton, AClickWithAModalResultRunsOnClickAndThenEndsTheDialog)
{
    QDialog dialog;
    TStyButton button(&dialog);
    button.setText(QStringLiteral("&Εντάξει"));
    button.SetModalResult(1);
    int clicks = 0;
    button.OnClick = [&](QObject *sender) {
        EXPECT_EQ(sender, &button);
        EXPECT_TRUE(dialog.isVisible()) << "the dialog ends only after the handler";
        ++clicks;
    };
    dialog.open();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
}

TEST(StyButton, ADropDownMenuOpensAfterOnClickAndTheDialogStays)
{
    QDialog dialog;
    dialog.resize(300, 200);
    TStyButton button(&dialog);
    button.move(20, 30);
    button.SetModalResult(1);
    button.SetDropDownIndent(5);
    QMenu menu;
    menu.addAction(QStringLiteral("Εκτύπωση"));
    button.SetDropDownMenu(&menu);
    QStringList steps;
    button.OnClick = [&](QObject *) { steps << QStringLiteral("click"); };
    button.OnDropDown = [&](QObject *) {
        EXPECT_TRUE(button.Dropping());
        EXPECT_TRUE(button.isDown());
        steps << QStringLiteral("drop down");
    };
    QPoint shownAt;
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        steps << QStringLiteral("menu");
        QTimer::singleShot(0, &menu, [&] {
            shownAt = menu.pos();
            menu.close();
        });
    });
    dialog.open();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(steps,
              (QStringList{QStringLiteral("click"), QStringLiteral("drop down"), QStringLiteral("menu")}));
    EXPECT_EQ(shownAt, button.mapToGlobal(QPoint(5, button.height())));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_FALSE(button.Dropping());
    EXPECT_FALSE(button.isDown());

    menu.close();
    QObject::disconnect(&menu, nullptr, nullptr, nullptr);
    button.SetDropDownMenu(nullptr);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), 1);
}

TEST(StyButton, ATurnedCaptionNeedsAScalableFont)
{
    const QString fixed = FixedSizeFontFamily();
    ASSERT_FALSE(fixed.isEmpty());
    ASSERT_FALSE(IsTrueTypeFont(QFont(fixed)));

    TStyButton button;
    button.setFont(QFont(fixed));
    button.FontFX()->SetAngle(90);
    EXPECT_EQ(button.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(button.FontFX()->Angle(), 90);

    button.setFont(QFont(fixed));
    EXPECT_EQ(button.FontFX()->Angle(), 0);
}

TEST(StyButton, AnOlderDesignsStyleIsReadAsTheLookAndNeverWritten)
{
    struct Case
    {
        const char *style;
        TStyUserButtonStyle look;
    };
    const Case cases[] = {{"nbsWin40", ubsWin40}, {"nbsWin31", ubsWin31}, {"nbsOther", ubsFlat}};
    for (const Case &test : cases) {
        TStyButton button;
        button.SetExtStyle(ubsFlat);
        ReadDesign(button, {{{QStringLiteral("Caption"), QStringLiteral("Πίσω")},
                             {QStringLiteral("Style"), QString::fromLatin1(test.style)}}});
        EXPECT_EQ(button.ExtStyle(), test.look) << test.style;
        EXPECT_EQ(button.text(), QStringLiteral("Πίσω"));
        const TStyDesign design = WriteDesign(button);
        EXPECT_FALSE(design.Has(QStringLiteral("Style")));
        EXPECT_EQ(design.Value(QStringLiteral("ExtStyle")).toString(),
                  QString::fromLatin1(QMetaEnum::fromType<TStyUserButtonStyle>().valueToKey(test.look)));
    }
}

TEST(StyButton, AHeldButtonClicksAgainOnThePoolsTicks)
{
    QWidget form;
    TStyButton button(&form);
    button.SetRepeatedClick(true);
    form.show();
    int clicks = 0;
    button.OnClick = [&](QObject *) { ++clicks; };
    TStyTimerPool &pool = StyApplication().TimerPool();
    // Ticks of the pool until a total time in milliseconds.
    int elapsed = 0;
    const auto runUntil = [&](int milliseconds) {
        for (; elapsed < milliseconds; elapsed += TStyApplication::TickInterval)
            pool.TimerTick();
    };

    Enter(button);
    QTest::mousePress(&button, Qt::LeftButton);
    ASSERT_NE(button.RepeatTimer(), 0);
    const std::vector<std::pair<int, int>> timeline = {{450, 0}, {500, 1}, {550, 1}, {600, 2}, {700, 3}};
    for (const auto &[milliseconds, expected] : timeline) {
        runUntil(milliseconds);
        EXPECT_EQ(clicks, expected) << milliseconds << " ms";
    }
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 4) << "the release is a click of its own";
    EXPECT_EQ(button.RepeatTimer(), 0);
    runUntil(1500);
    EXPECT_EQ(clicks, 4);

    QTest::mousePress(&button, Qt::LeftButton);
    const std::uint16_t timer = button.RepeatTimer();
    ASSERT_NE(timer, 0);
    button.hide();
    EXPECT_EQ(button.RepeatTimer(), 0);
    EXPECT_EQ(StyApplication().GetTimer(timer), nullptr);
    EXPECT_FALSE(button.Hot());
    runUntil(3000);
    EXPECT_EQ(clicks, 4);
}

TEST(StyButton, ADoubleClickIsTwoPresses)
{
    TStyButton button;
    button.show();
    int clicks = 0;
    button.OnClick = [&](QObject *) { ++clicks; };
    const QPoint at(10, 10);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, button.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &event);
    }
    EXPECT_EQ(clicks, 2);
}

TEST(StyButton, TheFlatLookShowsAFrameOnlyUnderTheMouse)
{
    QWidget form;
    form.resize(200, 100);
    TStyButton button(&form);
    button.setFocusPolicy(Qt::NoFocus);
    button.SetExtStyle(ubsFlat);
    const QColor face(90, 160, 60);
    button.SetColor(face);
    form.show();
    const auto corners = [&] {
        const QImage picture = button.grab().toImage();
        return std::pair(picture.pixelColor(0, 0),
                         picture.pixelColor(button.width() - 1, button.height() - 1));
    };

    const auto [plainTopLeft, plainBottomRight] = corners();
    EXPECT_EQ(plainTopLeft, face);
    EXPECT_EQ(plainBottomRight, face);

    Enter(button);
    const auto [hotTopLeft, hotBottomRight] = corners();
    EXPECT_EQ(button.DrawState(), dsHot);
    EXPECT_NE(hotTopLeft, face);
    EXPECT_GT(hotTopLeft.lightness(), hotBottomRight.lightness()) << "raised: light above, dark below";

    button.setDown(true);
    const auto [downTopLeft, downBottomRight] = corners();
    EXPECT_EQ(button.DrawState(), dsPressed);
    EXPECT_LT(downTopLeft.lightness(), downBottomRight.lightness()) << "sunken: dark above, light below";

    button.setDown(false);
    Leave(button);
    EXPECT_EQ(corners().first, face);
    EXPECT_EQ(button.DrawState(), dsNormal);
}

TEST(StyButton, TheLookDecidesWhetherTheGlyphIsGreyUntilHot)
{
    const std::pair<TStyUserButtonStyle, bool> cases[] = {{ubsFlatUnColored, true},    {ubsNavigator, true},
                                                          {ubsExplorer, true},         {ubsFlat, false},
                                                          {ubsExplorerColored, false}, {ubsWinXP, false}};
    for (const auto &[look, grey] : cases) {
        TStyButton button;
        button.SetExtStyle(look);
        EXPECT_EQ(button.GlyphObject().UnColored(), grey) << look;
    }
}

TEST(StyButton, TheGlyphComesFromTheImageListUntilOneIsGiven)
{
    TStyImageList list;
    TStyImageListItem *strip = list.Strips(list.Add());
    strip->SetWidth(16);
    strip->SetHeight(16);
    strip->AddBlank();
    strip->AddBlank();
    TStyButton button;
    button.SetImageList(&list);
    EXPECT_EQ(button.Glyph().size(), QSize(16, 16));

    button.SetImageIndex(-1);
    button.SetListIndex(-3);
    EXPECT_EQ(button.ImageIndex(), 0);
    EXPECT_EQ(button.ListIndex(), 0);
    button.SetImageIndex(5);
    EXPECT_TRUE(button.Glyph().isNull());

    QImage own(32, 16, QImage::Format_BGR888);
    own.fill(Qt::red);
    button.SetGlyph(own);
    EXPECT_EQ(button.ImageList(), nullptr);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_TRUE(WriteDesign(button).Has(QStringLiteral("Glyph")));
}

} // namespace
