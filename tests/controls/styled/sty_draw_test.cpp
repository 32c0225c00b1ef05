#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_draw.h"
#include "controls/styled/sty_draw_fill.h"
#include "controls/styled/sty_draw_glyph.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_gradient.h"
#include "controls/styled/sty_layout.h"
#include "platform/ui/canvas.h"
#include "sty_style_guard.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

using namespace tav::styled;

namespace {

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(clWhite);
    return image;
}

QImage Drawn(int width, int height, const std::function<void(QPainter &)> &draw)
{
    QImage image = Blank(width, height);
    QPainter painter(&image);
    draw(painter);
    return image;
}

QColor Role(QPalette::ColorRole role)
{
    return QColor::fromRgb(QGuiApplication::palette().color(QPalette::Active, role).rgb());
}

// The smallest rectangle holding every pixel that is not white.
QRect Ink(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != clWhite)
                ink = ink.united(QRect(x, y, 1, 1));
    return ink;
}

int InkIn(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixelColor(x, y) != clWhite;
    return count;
}

const QString sample = QStringLiteral("Wg");

TEST(StyDraw, FrameInsetIsOneEtchedEdgeTwoPixelsWide)
{
    QRect rect(0, 0, 20, 20);
    const QImage image = Drawn(
        20, 20, [&](QPainter &painter) { EXPECT_TRUE(DrawStandardBorder(painter, rect, lsFrameInset)); });
    EXPECT_EQ(rect, QRect(2, 2, 16, 16));
    const QColor light = Role(QPalette::Light), dark = Role(QPalette::Dark);
    EXPECT_EQ(image.pixelColor(10, 0), dark) << "sunken outer line, top";
    EXPECT_EQ(image.pixelColor(0, 10), dark);
    EXPECT_EQ(image.pixelColor(10, 19), light) << "sunken outer line, bottom";
    EXPECT_EQ(image.pixelColor(19, 10), light);
    EXPECT_EQ(image.pixelColor(10, 1), light) << "raised inner line, top";
    EXPECT_EQ(image.pixelColor(10, 18), dark) << "raised inner line, bottom";
    EXPECT_EQ(image.pixelColor(10, 10), clWhite) << "the inside is left alone";
}

TEST(StyDraw, EachBorderShrinksByTheLinesItDraws)
{
    // Left and top, right and bottom: the speed-button borders draw their inner line on two sides.
    const std::tuple<TStyBorderStyle, int, int> cases[] = {
        {lsNone, 0, 0},          {lsSingle, 1, 0},       {lsLowered, 2, 2},      {lsRaised, 2, 2},
        {lsRaisedspb, 1, 2},     {lsLoweredspb, 2, 1},   {lsRaisedExt, 2, 2},    {lsLoweredExt, 2, 2},
        {lsFrameInset, 2, 2},    {lsFrameOffset, 2, 2},  {lsWindowBorder, 2, 2}, {lsSingleRaised, 1, 1},
        {lsSingleLowered, 1, 1}, {lsDoubleRaised, 2, 2}, {lsDoubleLowered, 2, 2}};
    for (const auto &[border, leading, trailing] : cases) {
        QRect rect(0, 0, 30, 30);
        Drawn(30, 30, [&](QPainter &painter) { DrawStandardBorder(painter, rect, border); });
        EXPECT_EQ(rect.topLeft(), QPoint(leading, leading)) << border;
        EXPECT_EQ(rect.bottomRight(), QPoint(29 - trailing, 29 - trailing)) << border;
        EXPECT_EQ(StandardBorderWidth(border), std::max(leading, trailing)) << border;
    }
}

TEST(StyDraw, ThemedButtonUnderTheClassicStyleIsTheClassicButton)
{
    TStyleGuard guard;
    TStyleGuard::Use(QStringLiteral("Windows"));
    ASSERT_FALSE(GetUseThemes());
    for (int state : {dsNormal, dsDisabled, dsHot, dsLatched, dsPressed})
        for (unsigned flags : {0u, bfActive, bfMouseOver | bfFocused}) {
            QRect classic(0, 0, 60, 24), themed = classic, automatic = classic;
            const auto face = [&](TStyUserButtonStyle look, QRect &rect) {
                return Drawn(60, 24, [&](QPainter &painter) {
                    DrawButtonFace(nullptr, painter, state == dsHot, clSilver, flags, state, look, rect);
                });
            };
            const QImage win40 = face(ubsWin40, classic);
            EXPECT_EQ(face(ubsWinXP, themed), win40) << state << " " << flags;
            EXPECT_EQ(face(ubsAutoDetect, automatic), win40) << state << " " << flags;
            EXPECT_EQ(themed, classic);
            const bool down = state >= dsLatched;
            const int frame = !down && (flags & (bfActive | bfFocused)) ? 1 : 0;
            EXPECT_EQ(classic, QRect(0, 0, 60, 24)
                                   .adjusted(frame + 3, frame + 3, -frame - 3, -frame - 3)
                                   .translated(down ? 1 : 0, down ? 1 : 0))
                << "the face within the default frame, less 3, shifted when down";
        }

    TStyleGuard::Use(QStringLiteral("Fusion"));
    ASSERT_TRUE(GetUseThemes());
    QRect classic(0, 0, 60, 24), themed = classic;
    const QImage win40 = Drawn(60, 24, [&](QPainter &painter) {
        DrawButtonFace(nullptr, painter, false, clSilver, 0, dsNormal, ubsWin40, classic);
    });
    const QImage xp = Drawn(60, 24, [&](QPainter &painter) {
        DrawButtonFace(nullptr, painter, false, clSilver, 0, dsNormal, ubsWinXP, themed);
    });
    EXPECT_NE(xp, win40) << "with themes the style draws the push button";
}

// The text drawn plainly in each colour at each offset, in order, is what the style draws.
TEST(StyDraw, ThreeDTextDrawsItsCopiesAtTheirOffsetsAndColours)
{
    const QColor text = clBlack, light = clYellow, shadow = clBlue;
    TSty3DCaption caption;
    caption.SetLightColor(light);
    caption.SetShadowColor(shadow);
    caption.SetLightDepth(1);
    caption.SetShadowDepth(2);
    struct Case
    {
        TStyThreeDStyle style;
        std::vector<std::pair<QPoint, QColor>> copies;
    };
    const Case cases[] = {
        {tdNone, {{{0, 0}, text}}},
        {tdSunken, {{{1, 1}, light}, {{0, 0}, text}}},
        {tdRaised, {{{0, 0}, light}, {{1, 1}, text}}},
        {tdShadow, {{{2, 2}, shadow}, {{0, 0}, text}}},
        {tdSunkenShadow, {{{0, 0}, shadow}, {{3, 3}, light}, {{2, 2}, text}}},
        {tdRaisedShadow, {{{3, 3}, shadow}, {{0, 0}, light}, {{1, 1}, text}}},
        {tdPColorRaised, {{{3, 3}, shadow}, {{0, 0}, light}, {{1, 1}, clRed}}},
        {tdExtrude, {{{0, 0}, shadow}, {{1, 1}, shadow}, {{2, 2}, text}}},
        {tdExtrudeEnh, {{{0, 0}, QColor(128, 128, 128)}, {{1, 1}, shadow}, {{2, 2}, text}}},
    };
    TSty3DCaption plain;
    for (const Case &c : cases) {
        caption.SetStyle(c.style);
        const QImage styled = Drawn(80, 60, [&](QPainter &painter) {
            painter.setPen(text);
            painter.setBrush(clRed);
            QRect rect(5, 5, 70, 50);
            Draw3DText(painter, sample, caption, nullptr, tsEnabled, DT_LEFT, rect);
        });
        const QImage expected = Drawn(80, 60, [&](QPainter &painter) {
            for (const auto &[offset, color] : c.copies) {
                painter.setPen(color);
                QRect rect = QRect(5, 5, 70, 50).translated(offset);
                Draw3DText(painter, sample, plain, nullptr, tsEnabled, DT_LEFT, rect);
            }
        });
        ASSERT_FALSE(Ink(expected).isEmpty()) << "the text was drawn";
        EXPECT_EQ(styled, expected) << c.style;
    }
}

TEST(StyDraw, ExtrusionStartsAtTheCornerOfItsOrientation)
{
    TSty3DCaption caption;
    caption.SetStyle(tdExtrude);
    caption.SetShadowDepth(3);
    caption.SetShadowColor(clBlue);
    const std::pair<TStyThreeDOrientation, std::pair<QPoint, QPoint>> cases[] = {
        {toTopLeft, {{0, 0}, {1, 1}}},
        {toBottomLeft, {{0, 4}, {1, -1}}},
        {toBottomRight, {{4, 4}, {-1, -1}}},
        {toTopRight, {{4, 0}, {-1, 1}}},
    };
    TSty3DCaption plain;
    for (const auto &[orientation, path] : cases) {
        caption.SetOrientation(orientation);
        const auto &[start, step] = path;
        const QImage styled = Drawn(80, 60, [&](QPainter &painter) {
            QRect rect(5, 5, 70, 50);
            Draw3DText(painter, sample, caption, nullptr, tsEnabled, DT_LEFT, rect);
        });
        const QImage expected = Drawn(80, 60, [&](QPainter &painter) {
            for (int i = 0; i <= 3; ++i) {
                painter.setPen(i < 3 ? clBlue : clBlack);
                QRect rect = QRect(5, 5, 70, 50).translated(start + step * i);
                Draw3DText(painter, sample, plain, nullptr, tsEnabled, DT_LEFT, rect);
            }
        });
        EXPECT_EQ(styled, expected) << orientation;
    }
}

TEST(StyDraw, DisabledTextKeepsItsColoursOnlyWithoutADisabledStyle)
{
    TSty3DCaption caption;
    caption.SetStyle(tdRaised);
    caption.SetLightColor(clYellow);
    const auto draw = [&](unsigned state) {
        return Drawn(80, 40, [&](QPainter &painter) {
            painter.setPen(clRed);
            QRect rect(2, 2, 76, 36);
            Draw3DText(painter, sample, caption, nullptr, state, DT_LEFT, rect);
        });
    };
    const QImage enabled = draw(tsEnabled);
    caption.SetDisabledStyle(dsNone);
    EXPECT_EQ(draw(0), enabled);
    caption.SetDisabledStyle(dsStandard);
    EXPECT_NE(draw(0), enabled);
    EXPECT_EQ(Ink(draw(0)), Ink(enabled)) << "grey text in the same places";
}

TEST(StyDraw, AQuarterTurnDrawsUpwardFromTheBottomLeft)
{
    TStyFxCaption fx;
    fx.SetAngle(90);
    const QString text = QStringLiteral("W......");
    const QImage image = Drawn(120, 200, [&](QPainter &painter) {
        QRect rect(10, 10, 100, 180);
        Draw3DText(painter, text, fx, nullptr, tsEnabled, DT_LEFT, rect);
    });
    const QRect ink = Ink(image);
    const QSize extent = MeasureText(text, &fx, QFont(), DT_LEFT);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_GT(extent.height(), extent.width()) << "measured turned";
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.bottom(), 10 + extent.height());
    const int third = ink.height() / 3;
    const QRect top(ink.left(), ink.top(), ink.width(), third);
    const QRect bottom(ink.left(), ink.bottom() - third + 1, ink.width(), third);
    EXPECT_GT(InkIn(image, bottom), 2 * InkIn(image, top)) << "the W, the first letter, is at the bottom";
}

TEST(StyDraw, TextRightOfTheGlyphAfterTheSpacing)
{
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(clRed);
    const TStyGlyphSource glyph{&strip, nullptr, QRect(16, 0, 16, 16)};
    TStyGlyphTextLayout layout;
    TStyFxCaption fx;
    TStyGlyphTextBoxes boxes;
    const QImage image = Drawn(200, 60, [&](QPainter &painter) {
        boxes = DrawGlyphAndText(painter, QRect(0, 0, 200, 60), &glyph, sample, layout, fx, tsEnabled, 0);
    });
    const QSize text = MeasureText(sample, &fx, QFont(), DT_EXPANDTABS);
    const int height = std::max(16, text.height());
    EXPECT_EQ(boxes.glyph, QRect(0, (height - 16) / 2, 16, 16));
    EXPECT_EQ(boxes.text, QRect(QPoint(16 + 2 + 1, (height - text.height()) / 2 + 1), text));
    EXPECT_EQ(boxes.bounds, boxes.glyph.united(boxes.text));
    EXPECT_EQ(image.pixelColor(boxes.glyph.center()), clRed);
    EXPECT_TRUE(Ink(image).contains(boxes.text.adjusted(2, 2, -2, -2).center()));

    TStyButtonLayout centred;
    centred.SetAlignText2Glyph(taTop);
    centred.SetOffsetX(5);
    QImage scratch = Blank(200, 60);
    QPainter painter(&scratch);
    boxes = DrawGlyphAndText(painter, QRect(0, 0, 200, 60), &glyph, sample, centred, fx, tsEnabled, 0,
                             gdLayoutOnly);
    const int blockHeight = text.height() + 2 + 16;
    EXPECT_EQ(boxes.glyph.topLeft(), QPoint((200 - 16) / 2 + 5, (60 - blockHeight) / 2 + text.height() + 2));
    EXPECT_EQ(scratch, Blank(200, 60)) << "layout only draws nothing";
}

TEST(StyDraw, MaskedGlyphLeavesTheBackgroundWhereTheMaskIsWhite)
{
    QImage image(2, 1, QImage::Format_RGB32), mask(2, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, clRed);
    image.setPixelColor(1, 0, clBlack);
    mask.setPixelColor(0, 0, clBlack);
    mask.setPixelColor(1, 0, clWhite);
    QImage target(2, 1, QImage::Format_RGB32);
    target.fill(clLime);
    QPainter painter(&target);
    DrawMaskedImage(painter, QRect(0, 0, 2, 1), image, mask, QRect(0, 0, 2, 1));
    painter.end();
    EXPECT_EQ(target.pixelColor(0, 0), clRed);
    EXPECT_EQ(target.pixelColor(1, 0), clLime);
}

TEST(StyDraw, VerticalGradientRunsFromColourToEndColourTopToBottom)
{
    TStyGradient gradient;
    gradient.SetColor(clRed);
    gradient.SetEndColor(clBlue);
    const QImage image =
        Drawn(10, 32, [&](QPainter &painter) { FillGradient(painter, QRect(0, 0, 10, 32), gradient); });
    EXPECT_EQ(image.pixelColor(5, 0), clRed);
    EXPECT_EQ(image.pixelColor(5, 31), clBlue);
    EXPECT_EQ(image.pixelColor(5, 16), gradient.Colors()[8]);
    gradient.SetStyle(gstHorizontal);
    const QImage across =
        Drawn(32, 10, [&](QPainter &painter) { FillGradient(painter, QRect(0, 0, 32, 10), gradient); });
    EXPECT_EQ(across.pixelColor(0, 5), clRed);
    EXPECT_EQ(across.pixelColor(31, 5), clBlue);
}

} // namespace
