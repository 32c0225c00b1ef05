#include "controls/styled/sty_bevel.h"

#include "controls/styled/sty_captions.h"

#include <QPainter>

#include <algorithm>

using namespace tav::styled;

namespace {

unsigned EdgeValue(TStyEdgeStyle style)
{
    static constexpr unsigned values[] = {
        BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER, 0x9,
        EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
    return values[style];
}

unsigned SideFlags(TStyBevel::TStyFrameSides sides)
{
    unsigned flags = 0;
    if (sides & fsLeft)
        flags |= BF_LEFT;
    if (sides & fsTop)
        flags |= BF_TOP;
    if (sides & fsRight)
        flags |= BF_RIGHT;
    if (sides & fsBottom)
        flags |= BF_BOTTOM;
    return flags;
}

bool IsFrameStyle(TStyBevelStyle style)
{
    return style == bvFrameLowered || style == bvFrameRaised;
}

} // namespace

TStyBevel::TStyBevel(QObject *parent) : TStyObject(parent)
{
    colors_[0] = SysBtnFace();
    colors_[1] = SysBtnHighlight();
    colors_[2] = SysBtnShadow();
}

void TStyBevel::SetStyle(int index, TStyBevelStyle value)
{
    if (value == styles_[index])
        return;
    const int other = 1 - index;
    if (value == bvShadow)
        styles_[other] = bvShadow;
    else if (styles_[index] == bvShadow)
        styles_[other] = bvNone;
    styles_[index] = value;
    Change();
}

void TStyBevel::SetWidth(int index, int value)
{
    value = std::clamp(value, 0, 50);
    if (value == widths_[index])
        return;
    widths_[index] = value;
    Change();
}

void TStyBevel::SetColor(int index, const QColor &value)
{
    if (value == colors_[index])
        return;
    colors_[index] = value;
    Change();
}

void TStyBevel::SetBorderSides(TStyFrameSides value)
{
    if (value == borderSides_)
        return;
    borderSides_ = value;
    Change();
}

void TStyBevel::SetBorderWidthAt(int index, int value)
{
    value = std::clamp(value, 0, 255);
    if (value == borderWidths_[index])
        return;
    borderWidths_[index] = value;
    Change();
}

void TStyBevel::SetEdgeStyle(TStyEdgeStyle value)
{
    if (value == edgeStyle_)
        return;
    edgeStyle_ = value;
    Change();
}

void TStyBevel::SetMode(TStyBevelMode value)
{
    if (value == mode_)
        return;
    if (windowFrame_ && (mode_ == bmWindows || value == bmWindows))
        frameKindChanged_ = true;
    mode_ = value;
    Change();
}

void TStyBevel::SetStandardStyle(TStyBorderStyle value)
{
    if (value == standardStyle_)
        return;
    standardStyle_ = value;
    if (mode_ == bmStandard)
        Change();
}

bool TStyBevel::NeedsRecreate()
{
    const bool result = frameKindChanged_ || (mode_ == bmWindows && windowFrame_);
    frameKindChanged_ = false;
    return result;
}

void TStyBevel::ComputeExtent()
{
    const int inner = borderWidths_[1];
    switch (mode_) {
    case bmCustom:
        if (IsShadow()) {
            topLeft_ = widths_[0] + inner;
            bottomRight_ = widths_[0] + widths_[1] + inner;
            return;
        }
        topLeft_ = borderWidths_[0] + inner;
        if (styles_[1] != bvNone)
            topLeft_ += widths_[1] + (IsFrameStyle(styles_[1]) ? 1 : 0);
        if (styles_[0] != bvNone)
            topLeft_ += widths_[0] + (IsFrameStyle(styles_[0]) ? 1 : 0);
        break;
    case bmStandard:
        topLeft_ = StandardBorderWidth(standardStyle_) + inner;
        break;
    case bmEdge:
        topLeft_ = (borderSides_ ? 2 : 0) + inner;
        break;
    case bmWindows:
        topLeft_ = windowFrame_ ? 0 : inner + 2;
        break;
    }
    bottomRight_ = topLeft_;
}

QRect TStyBevel::AdjustRect(const QRect &rect) const
{
    if (IsShadow()) {
        const int topLeft = widths_[0] + borderWidths_[1];
        const int bottomRight = widths_[0] + widths_[1] + borderWidths_[1];
        return rect.adjusted(topLeft, topLeft, -bottomRight, -bottomRight);
    }
    return rect.adjusted(topLeft_, topLeft_, -topLeft_, -topLeft_);
}

QRect TStyBevel::Paint(QPainter &painter, QRect rect, bool suppressFill) const
{
    if (topLeft_ == 0)
        return rect;
    switch (mode_) {
    case bmCustom:
        if (IsShadow()) {
            DrawBevelBorder(painter, rect, colors_[1], widths_[0], colors_[2], widths_[1], colors_[0],
                            suppressFill);
            break;
        }
        DrawBevelEdge(painter, rect, styles_[1], widths_[1], colors_[1], colors_[2]);
        DrawFrames(painter, rect, colors_[0], borderWidths_[0], suppressFill);
        DrawBevelEdge(painter, rect, styles_[0], widths_[0], colors_[1], colors_[2]);
        break;
    case bmStandard:
        DrawStandardBorder(painter, rect, standardStyle_);
        break;
    case bmEdge:
        if (borderSides_) {
            QRect edge = rect;
            DrawEdge(painter, edge, EdgeValue(edgeStyle_), SideFlags(borderSides_));
            rect.adjust(2, 2, -2, -2);
        }
        break;
    case bmWindows:
        DrawStandardBorder(painter, rect, lsLoweredExt);
        break;
    }
    DrawFrames(painter, rect, colors_[0], borderWidths_[1], suppressFill);
    return rect;
}

void TStyBevel::Change()
{
    ComputeExtent();
    TStyObject::Change();
}

void TStyBevel::Assign(const TStyObject &source)
{
    const auto *bevel = qobject_cast<const TStyBevel *>(&source);
    if (!bevel) {
        TStyObject::Assign(source);
        return;
    }
    if (bevel == this)
        return;
    std::copy(std::begin(bevel->styles_), std::end(bevel->styles_), styles_);
    std::copy(std::begin(bevel->widths_), std::end(bevel->widths_), widths_);
    std::copy(std::begin(bevel->colors_), std::end(bevel->colors_), colors_);
    std::copy(std::begin(bevel->borderWidths_), std::end(bevel->borderWidths_), borderWidths_);
    borderSides_ = bevel->borderSides_;
    mode_ = bevel->mode_;
    standardStyle_ = bevel->standardStyle_;
    edgeStyle_ = bevel->edgeStyle_;
    windowFrame_ = bevel->windowFrame_;
    Change();
}

QString TStyBevel::SummaryText() const
{
    static const char *const texts[] = {"Custom style", "Standard style", "Edged style", "Windows style"};
    return QStringLiteral("{%1}").arg(QLatin1String(texts[mode_]));
}
