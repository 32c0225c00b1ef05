#pragma once

#include "controls/styled/sty_object.h"

#include <QColor>

namespace tav::styled::layout {
Q_NAMESPACE

// Nine places in a rectangle, row by row.
enum TStyAlignment
{
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight
};
Q_ENUM_NS(TStyAlignment)

// Where a button's text sits relative to its glyph.
enum TStyTextArrange
{
    taLeft,
    taLeftTop,
    taRight,
    taRightTop,
    taTop,
    taTopLeft,
    taBottom,
    taBottomLeft
};
Q_ENUM_NS(TStyTextArrange)

// Beside what a drop-down arrow is drawn.
enum TStyArrowPosition
{
    apRightText,
    apLeftText,
    apRightGlyph,
    apLeftGlyph
};
Q_ENUM_NS(TStyArrowPosition)

} // namespace tav::styled::layout

namespace tav::styled {
using namespace layout;
}

// How a glyph and its caption are arranged and where the pair sits in the control.
class TStyGlyphTextLayout : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(tav::styled::layout::TStyAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(
        tav::styled::layout::TStyTextArrange AlignText2Glyph READ AlignText2Glyph WRITE SetAlignText2Glyph)
    Q_PROPERTY(int OffsetX READ OffsetX WRITE SetOffsetX)
    Q_PROPERTY(int OffsetY READ OffsetY WRITE SetOffsetY)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)

public:
    using TStyAlignment = tav::styled::layout::TStyAlignment;
    using TStyTextArrange = tav::styled::layout::TStyTextArrange;

    explicit TStyGlyphTextLayout(QObject *parent = nullptr);

    TStyAlignment Alignment() const { return alignment_; }
    void SetAlignment(TStyAlignment value);
    TStyTextArrange AlignText2Glyph() const { return alignText2Glyph_; }
    void SetAlignText2Glyph(TStyTextArrange value);
    int OffsetX() const { return offsets_[0]; }
    void SetOffsetX(int value) { SetOffset(0, value); }
    int OffsetY() const { return offsets_[1]; }
    void SetOffsetY(int value) { SetOffset(1, value); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    void Assign(const TStyObject &source) override;

private:
    void SetOffset(int index, int value);

    TStyTextArrange alignText2Glyph_ = tav::styled::taRight;
    int offsets_[2] = {0, 0};
    int spacing_ = 2;
    TStyAlignment alignment_ = tav::styled::agTopLeft;
};

// A button's layout: the glyph-and-text arrangement, centred by default, and an optional
// drop-down arrow.
class TStyButtonLayout : public TStyGlyphTextLayout
{
    Q_OBJECT
    Q_PROPERTY(bool Arrow READ Arrow WRITE SetArrow)
    Q_PROPERTY(QColor ArrowColor READ ArrowColor WRITE SetArrowColor)
    Q_PROPERTY(int ArrowIndent READ ArrowIndent WRITE SetArrowIndent)
    Q_PROPERTY(tav::styled::layout::TStyArrowPosition ArrowPosition READ ArrowPosition WRITE SetArrowPosition)
    Q_PROPERTY(int ArrowSize READ ArrowSize WRITE SetArrowSize)

public:
    using TStyArrowPosition = tav::styled::layout::TStyArrowPosition;

    explicit TStyButtonLayout(QObject *parent = nullptr);

    bool Arrow() const { return arrow_; }
    void SetArrow(bool value);
    QColor ArrowColor() const { return arrowColor_; }
    void SetArrowColor(const QColor &value);
    int ArrowIndent() const { return arrowIndent_; }
    void SetArrowIndent(int value);
    TStyArrowPosition ArrowPosition() const { return arrowPosition_; }
    void SetArrowPosition(TStyArrowPosition value);
    // 2..10 pixels.
    int ArrowSize() const { return arrowSize_; }
    void SetArrowSize(int value);

    void Assign(const TStyObject &source) override;

private:
    bool arrow_ = false;
    QColor arrowColor_;
    int arrowIndent_ = 3;
    TStyArrowPosition arrowPosition_ = tav::styled::apRightText;
    int arrowSize_ = 3;
};
