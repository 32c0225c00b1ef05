#include "controls/styled/sty_design.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_group_box.h"
#include "controls/styled/sty_theme.h"
#include "sty_style_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace tav::styled;

namespace {

// The caption font the test sets itself: its measures come from the font found, not from luck.
QFont CaptionTestFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

int HeightOfW(const QFont &font)
{
    // The line of "W": everything above and below the base line.
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The design the statistics parameter window gives its proposal-points box.
TStyDesign ProposalPointsDesign()
{
    return {{{"Bevel.BorderInnerWidth", 1},
             {"Bevel.BorderWidth", 1},
             {"Bevel.EdgeStyle", "etRaised"},
             {"Bevel.Mode", "bmStandard"},
             {"Bevel.StandardStyle", "lsSingleRaised"},
             {"Caption", QString::fromUtf8("ΣΗΜΕΙΑ ΠΡΟΤΑΣΗΣ")},
             {"CaptionFont", CaptionTestFont()},
             {"CaptionFont3D.LightColor", QColor(Qt::green)},
             {"CaptionFont3D.LightDepth", 2},
             {"CaptionFont3D.ShadowColor", QColor(Qt::darkGreen)},
             {"CaptionFont3D.Style", "tdShadow"},
             {"CaptionFont3D.Tracing", 3},
             {"CaptionParentFont", false}}};
}

// The design of the user coupon window's parameters box.
TStyDesign ParametersDesign()
{
    QFont font = CaptionTestFont();
    font.setBold(false);
    return {{{"Bevel.Mode", "bmStandard"},
             {"Bevel.StandardStyle", "lsFrameInset"},
             {"Caption", QString::fromUtf8("Π Α Ρ Α Μ Ε Τ Ρ Ο Ι")},
             {"CaptionFont", font},
             {"CaptionFont3D.LightDepth", 2},
             {"CaptionFont3D.Style", "tdRaised"},
             {"CaptionParentFont", false}}};
}

TEST(StyGroupBox, StartsAsAnEtchedFrameOfOneHundredEightyFiveByOneHundredFive)
{
    TStyGroupBox box;
    EXPECT_EQ(box.size(), QSize(185, 105));
    EXPECT_EQ(box.Bevel()->Mode(), bmStandard);
    EXPECT_EQ(box.Bevel()->StandardStyle(), lsFrameInset);
    EXPECT_EQ(box.Alignment(), gcaTopLeft);
    EXPECT_EQ(box.CaptionOffset(), 8);
    EXPECT_TRUE(box.CaptionParentFont());
    EXPECT_TRUE(box.ShowAccelChar());
    EXPECT_TRUE(box.CtlXP());
    EXPECT_EQ(box.CaptionHeight(), HeightOfW(box.font()));
}

TEST(StyGroupBox, TheTwoWindowsDesignsGiveTheirCaptionBands)
{
    struct Case
    {
        const char *name;
        TStyDesign design;
        int depth;
    };
    const Case cases[] = {{"proposal points, shadow", ProposalPointsDesign(), 1},
                          {"parameters, raised", ParametersDesign(), 2}};
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        TStyGroupBox box;
        auto *layout = new QVBoxLayout(&box);
        auto *child = new QWidget;
        layout->addWidget(child);
        ReadDesign(box, test.design);
        EXPECT_FALSE(box.CaptionParentFont());
        const int band = HeightOfW(box.CaptionFont()) + test.depth;
        EXPECT_EQ(box.CaptionHeight(), band);
        EXPECT_EQ(box.CaptionBand(), QRect(8, 0, 185 - 8, band));
        layout->activate();
        const int frame = box.Bevel()->Width();
        EXPECT_EQ(box.ChildArea(), QRect(frame, band + frame, 185 - 2 * frame, 105 - band - 2 * frame));
        EXPECT_GE(child->geometry().top(), band);
        EXPECT_EQ(child->geometry(), box.ChildArea());
    }
}

TEST(StyGroupBox, BandAndFrameOfEveryAlignment)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TStyGroupBox box;
    box.SetCaptionFont(CaptionTestFont());
    box.SetCaption(QStringLiteral("Wg"));
    // A one-pixel red frame shows where the frame runs.
    box.Bevel()->SetMode(bmCustom);
    box.Bevel()->SetBorderWidth(1);
    box.Bevel()->SetBorderColor(Qt::red);
    box.SetColor(Qt::white);
    const int h = box.CaptionHeight();
    const int d = h / 2 - 1;
    const QRect frameOf[] = {QRect(QPoint(0, d), QPoint(184, 104)), QRect(QPoint(d, 0), QPoint(184, 104)),
                             QRect(QPoint(0, 0), QPoint(184, 104 - d)),
                             QRect(QPoint(0, 0), QPoint(184 - d, 104))};
    struct Case
    {
        TStyGroupCaptionAlign alignment;
        QRect band;
    };
    const Case cases[] = {
        {gcaTopLeft, QRect(QPoint(8, 0), QPoint(184, h - 1))},
        {gcaTopCenter, QRect(QPoint(0, 0), QPoint(184, h - 1))},
        {gcaTopRight, QRect(QPoint(0, 0), QPoint(176, h - 1))},
        {gcaLeftBottom, QRect(QPoint(0, 0), QPoint(h - 1, 96))},
        {gcaLeftCenter, QRect(QPoint(0, 0), QPoint(h - 1, 104))},
        {gcaLeftTop, QRect(QPoint(0, 8), QPoint(h - 1, 104))},
        {gcaBottomLeft, QRect(QPoint(8, 105 - h), QPoint(184, 104))},
        {gcaBottomCenter, QRect(QPoint(0, 105 - h), QPoint(184, 104))},
        {gcaBottomRight, QRect(QPoint(0, 105 - h), QPoint(176, 104))},
        {gcaRightTop, QRect(QPoint(185 - h, 10), QPoint(184, 104))},
        {gcaRightCenter, QRect(QPoint(185 - h, 2), QPoint(184, 104))},
        {gcaRightBottom, QRect(QPoint(185 - h, 2), QPoint(184, 96))},
    };
    const QRgb red = QColor(Qt::red).rgb();
    for (const Case &test : cases) {
        SCOPED_TRACE(QMetaEnum::fromType<TStyGroupCaptionAlign>().valueToKey(test.alignment));
        box.SetAlignment(test.alignment);
        const QRect frame = frameOf[test.alignment / 3];
        EXPECT_EQ(box.CaptionBand(), test.band);
        EXPECT_EQ(box.FrameRect(), frame);
        const QRect text = box.CaptionTextRect();
        // The text is placed one pixel in from the band's right edge.
        EXPECT_TRUE(test.band.adjusted(-1, 0, 0, 0).contains(text))
            << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();

        const QImage shot = box.grab().toImage();
        // The frame runs along the frame rectangle on the side away from the caption...
        const int side = test.alignment / 3;
        const QPoint away[] = {
            QPoint(frame.center().x(), frame.bottom()), QPoint(frame.right(), frame.center().y()),
            QPoint(frame.center().x(), frame.top()), QPoint(frame.left(), frame.center().y())};
        EXPECT_EQ(shot.pixel(away[side]), red);
        // ...and on the caption's side beside the text...
        const bool across = side == 0 || side == 2;
        const int line = side == 0   ? frame.top()
                         : side == 1 ? frame.left()
                         : side == 2 ? frame.bottom()
                                     : frame.right();
        const int before = (across ? text.left() : text.top()) - 4,
                  after = (across ? text.right() : text.bottom()) + 4;
        const int beside = before > 4 ? before : after;
        EXPECT_EQ(shot.pixel(across ? QPoint(beside, line) : QPoint(line, beside)), red);
        // ...but is erased under the caption, where the text is drawn.
        int framePixels = 0, textPixels = 0;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x) {
                framePixels += shot.pixel(x, y) == red;
                textPixels += shot.pixel(x, y) != red && shot.pixel(x, y) != QColor(Qt::white).rgb();
            }
        EXPECT_EQ(framePixels, 0);
        EXPECT_GT(textPixels, 0);
    }
}

TEST(StyGroupBox, BlankCaptionFramesTheWholeBoxWithoutGap)
{
    TStyleGuard guard;
    SetUseThemes(false);
    TStyGroupBox box;
    box.SetCaption(QStringLiteral("   "));
    box.Bevel()->SetMode(bmCustom);
    box.Bevel()->SetBorderWidth(1);
    box.Bevel()->SetBorderColor(Qt::red);
    EXPECT_EQ(box.FrameRect(), box.rect());
    EXPECT_TRUE(box.CaptionBand().isNull());
    const QImage shot = box.grab().toImage();
    for (int x = 0; x < 185; ++x)
        ASSERT_EQ(shot.pixelColor(x, 0), QColor(Qt::red)) << x;
}

TEST(StyGroupBox, AcceleratorFocusesTheFirstChildAlsoWhenTheAmpersandIsDrawn)
{
    for (const bool showAccelChar : {true, false}) {
        SCOPED_TRACE(showAccelChar);
        QWidget form;
        auto *before = new QLineEdit(&form);
        auto *box = new TStyGroupBox(&form);
        box->move(0, 30);
        box->SetCaption(QStringLiteral("&Parameters"));
        box->SetShowAccelChar(showAccelChar);
        auto *first = new QLineEdit(box);
        first->move(10, 30);
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
        EXPECT_TRUE(first->hasFocus());
    }
    // Without the prefix the "&" is part of the text measured.
    TStyGroupBox box;
    box.SetCaption(QStringLiteral("&P"));
    const int shown = box.CaptionTextRect().width();
    box.SetShowAccelChar(false);
    EXPECT_GT(box.CaptionTextRect().width(), shown);
}

TEST(StyGroupBox, OwnCaptionFontStopsFollowingTheParentFont)
{
    QWidget form;
    QFont big = CaptionTestFont();
    big.setPixelSize(20);
    auto *box = new TStyGroupBox(&form);
    form.setFont(big);
    EXPECT_EQ(box->CaptionFont().pixelSize(), 20);
    EXPECT_EQ(box->CaptionHeight(), HeightOfW(box->CaptionFont()));
    QFont own = CaptionTestFont();
    box->SetCaptionFont(own);
    EXPECT_FALSE(box->CaptionParentFont());
    big.setPixelSize(30);
    form.setFont(big);
    EXPECT_EQ(box->CaptionFont().pixelSize(), 13);
    box->SetCaptionParentFont(true);
    EXPECT_EQ(box->CaptionFont().pixelSize(), 30);
}

TEST(StyGroupBox, SideCaptionWithAFixedSizeFontTurnsToArial)
{
    // A bitmap font of one size that comes with the test.
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(TAVROLIN_TEST_DATA "/styled/step8.bdf"));
    ASSERT_GE(id, 0);
    const QString fixedFamily = QFontDatabase::applicationFontFamilies(id).value(0);
    TStyGroupBox box;
    box.SetCaptionFont(QFont(fixedFamily));
    ASSERT_FALSE(IsTrueTypeFont(box.CaptionFont()));
    box.SetAlignment(gcaTopRight);
    EXPECT_EQ(box.CaptionFont().family(), fixedFamily);
    box.SetAlignment(gcaRightCenter);
    EXPECT_EQ(box.CaptionFont().family(), "Arial");
    QFontDatabase::removeApplicationFont(id);
}

} // namespace
