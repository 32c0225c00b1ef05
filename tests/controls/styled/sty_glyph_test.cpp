#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_draw_fill.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_glyph.h"
#include "controls/styled/sty_glyph_stock.h"
#include "controls/styled/sty_layout.h"
#include "controls/styled/sty_resources.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace tav::styled;

namespace {

constexpr QRgb Background = 0xFFFF00FF;

// A 16 × 16 picture: a dark square on the transparent colour, marked by the seed.
QImage Picture(int width, int seed)
{
    QImage image(width, 16, QImage::Format_BGR888);
    image.fill(QColor::fromRgb(Background));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < width - 4; ++x)
            image.setPixel(x, y, qRgb(seed, 40, 200 - seed));
    return image;
}

// What a strip keeps of a picture: black where it is transparent.
QImage AsStored(const QImage &picture)
{
    QImage stored = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x)
            if (stored.pixel(x, y) == Background)
                stored.setPixel(x, y, 0xFF000000);
    return stored;
}

QImage Shown(TStyGlyph &glyph, int state)
{
    const int index = glyph.IndexForState(state);
    return index < 0 ? QImage() : glyph.GlyphList()->GetBitmap(index).convertToFormat(QImage::Format_RGB32);
}

TEST(StyGlyph, PictureWidthSetsTheNumberOfStatePictures)
{
    struct Case
    {
        int width;
        int height;
        int numGlyphs;
    };
    for (const Case test :
         std::vector<Case>{{64, 16, 4}, {96, 16, 1}, {50, 16, 3}, {16, 16, 1}, {80, 16, 5}}) {
        TStyGlyph glyph;
        glyph.SetNumGlyphs(3);
        glyph.SetGlyph(QImage(test.width, test.height, QImage::Format_BGR888));
        EXPECT_EQ(glyph.NumGlyphs(), test.numGlyphs) << test.width << " × " << test.height;
        glyph.SetNumGlyphs(0);
        EXPECT_EQ(glyph.NumGlyphs(), test.numGlyphs);
    }
}

TEST(StyGlyph, StatesWithoutTheirOwnPictureShowTheFirstOrItsCopies)
{
    const QImage picture = Picture(16, 10);
    const QColor transparent = QColor::fromRgb(Background);
    const QImage disabled = AsStored(MakeDisabledBitmap(picture, transparent));
    const QImage shaded = AsStored(MakeShadedBitmap(picture, transparent));
    ASSERT_NE(disabled, AsStored(picture));
    ASSERT_NE(shaded, AsStored(picture));

    struct Case
    {
        bool unColored;
        int state;
        const QImage *expected;
    };
    const std::vector<Case> cases = {
        {false, 0, &picture}, {false, 1, &disabled}, {false, 2, &picture}, {false, 3, &picture},
        {false, 4, &picture}, {false, 5, &picture},  {false, 6, &picture}, {false, 7, &disabled},
        {false, 8, &picture}, {true, 0, &shaded},    {true, 1, &disabled}, {true, 2, &picture},
        {true, 4, &picture},  {true, 3, &picture},   {true, 6, &picture},
    };
    for (const Case &test : cases) {
        TStyGlyph glyph;
        glyph.SetGlyph(picture);
        glyph.SetUnColored(test.unColored);
        const QImage expected = test.expected == &picture ? AsStored(picture) : *test.expected;
        EXPECT_EQ(Shown(glyph, test.state), expected)
            << "UnColored " << test.unColored << ", state " << test.state;
    }
}

TEST(StyGlyph, OwnStatePicturesAreUsedWhereThePictureHasThem)
{
    QImage pictures(48, 16, QImage::Format_BGR888);
    {
        QPainter painter(&pictures);
        for (int part = 0; part < 3; ++part)
            painter.drawImage(part * 16, 0, Picture(16, 30 * (part + 1)));
    }
    TStyGlyph glyph;
    glyph.SetGlyph(pictures);
    ASSERT_EQ(glyph.NumGlyphs(), 3);
    EXPECT_EQ(Shown(glyph, 1), AsStored(Picture(16, 60)));
    EXPECT_EQ(Shown(glyph, 2), AsStored(Picture(16, 90)));
    EXPECT_EQ(Shown(glyph, 4), AsStored(Picture(16, 30)));
    EXPECT_EQ(glyph.IndexForState(7), glyph.IndexForState(1));
}

TEST(StyGlyph, GlyphsOfOneSizeShareAStripAndFreedSlotsAreReused)
{
    ASSERT_EQ(GlyphCache(), nullptr);
    {
        TStyGlyph first;
        TStyGlyph second;
        ASSERT_NE(GlyphCache(), nullptr);
        first.SetGlyph(Picture(16, 1));
        second.SetGlyph(Picture(16, 2));
        EXPECT_EQ(first.IndexForState(0), 0);
        EXPECT_EQ(second.IndexForState(0), 1);
        EXPECT_EQ(first.GlyphList(), second.GlyphList());
        EXPECT_EQ(GlyphCache()->ListCount(), 1);

        int changes = 0;
        first.OnChange = [&changes](TStyGlyph *) { ++changes; };
        first.SetGlyph(Picture(16, 3));
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(second.GlyphList()->UsedCount(), 1);
        EXPECT_EQ(first.IndexForState(0), 0);
        EXPECT_EQ(first.GlyphList()->ImageCount(), 2);
        EXPECT_EQ(Shown(first, 0), AsStored(Picture(16, 3)));

        first.EditBitmap([](QImage &bitmap) { bitmap.setPixel(5, 5, qRgb(1, 2, 3)); });
        EXPECT_EQ(changes, 2);
        EXPECT_EQ(first.GlyphList(), nullptr);
        EXPECT_EQ(first.IndexForState(0), 0);
        EXPECT_EQ(Shown(first, 0).pixel(5, 5), qRgb(1, 2, 3));

        TStyGlyph small;
        small.SetGlyph(QImage(8, 8, QImage::Format_BGR888));
        small.IndexForState(0);
        EXPECT_EQ(GlyphCache()->ListCount(), 2);
    }
    EXPECT_EQ(GlyphCache(), nullptr);
}

TEST(StyGlyph, EmptyPictureDrawsTheCaptionAlone)
{
    TStyGlyphTextLayout layout;
    TStyFxCaption fx;
    const QRect rect(0, 0, 80, 24);
    const auto render = [&](const std::function<void(QPainter &)> &draw) {
        QImage image(rect.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        draw(painter);
        return image;
    };
    TStyGlyph empty;
    EXPECT_EQ(empty.IndexForState(0), -1);
    const QImage captionOnly = render([&](QPainter &painter) {
        DrawGlyphAndText(painter, rect, nullptr, QStringLiteral("Ok"), layout, fx, tsEnabled, 0);
    });
    EXPECT_EQ(render([&](QPainter &painter) {
                  empty.Draw(painter, QStringLiteral("Ok"), layout, fx, 0, tsEnabled, 0, rect, 0);
              }),
              captionOnly);

    TStyGlyph glyph;
    glyph.SetGlyph(Picture(16, 10));
    const QImage withGlyph = render([&](QPainter &painter) {
        glyph.Draw(painter, QStringLiteral("Ok"), layout, fx, 0, tsEnabled, 0, rect, 0);
    });
    EXPECT_NE(withGlyph, captionOnly);
    bool found = false;
    for (int y = 0; y < withGlyph.height() && !found; ++y)
        for (int x = 0; x < withGlyph.width() && !found; ++x)
            found = withGlyph.pixel(x, y) == qRgb(10, 40, 190);
    EXPECT_TRUE(found);
    EXPECT_EQ(withGlyph.pixel(0, 0), 0xFFFFFFFF);
}

TEST(StyGlyph, StockSymbolsAreTheirPartOfTheProgramsBitmap)
{
    const QImage symbols = LoadBitmapResource(StockGlyphsResource);
    ASSERT_EQ(symbols.size(), QSize(104, 14));
    EXPECT_EQ(symbols.depth(), 4 > symbols.depth() ? 4 : symbols.depth());
    QImage previous;
    for (int kind = 1; kind <= 8; ++kind) {
        QImage symbol;
        LoadStockGlyph(&symbol, kind);
        ASSERT_EQ(symbol.size(), QSize(13, 14)) << kind;
        EXPECT_EQ(symbol, symbols.copy((kind - 1) * 13, 0, 13, 14)) << kind;
        EXPECT_NE(symbol, previous) << kind;
        previous = symbol;
    }
    QImage untouched(3, 3, QImage::Format_BGR888);
    LoadStockGlyph(&untouched, 9);
    EXPECT_EQ(untouched.size(), QSize(3, 3));
    LoadStockGlyph(nullptr, 1);
}

} // namespace
