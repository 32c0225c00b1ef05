#include "controls/styled/sty_layout.h"

#include "platform/ui/canvas.h"

#include <algorithm>

using namespace tav::styled;

TStyGlyphTextLayout::TStyGlyphTextLayout(QObject *parent) : TStyObject(parent) {}

void TStyGlyphTextLayout::SetAlignment(TStyAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Change();
}

void TStyGlyphTextLayout::SetAlignText2Glyph(TStyTextArrange value)
{
    if (value == alignText2Glyph_)
        return;
    alignText2Glyph_ = value;
    Change();
}

void TStyGlyphTextLayout::SetOffset(int index, int value)
{
    if (value == offsets_[index])
        return;
    offsets_[index] = value;
    Change();
}

void TStyGlyphTextLayout::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Change();
}

void TStyGlyphTextLayout::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *layout = qobject_cast<const TStyGlyphTextLayout *>(&source);
    if (!layout)
        AssignError(source);
    alignment_ = layout->alignment_;
    alignText2Glyph_ = layout->alignText2Glyph_;
    offsets_[0] = layout->offsets_[0];
    offsets_[1] = layout->offsets_[1];
    spacing_ = layout->spacing_;
    Change();
}

TStyButtonLayout::TStyButtonLayout(QObject *parent) : TStyGlyphTextLayout(parent), arrowColor_(clBlack)
{
    SetAlignment(agCenter);
}

void TStyButtonLayout::SetArrow(bool value)
{
    if (value == arrow_)
        return;
    arrow_ = value;
    Change();
}

void TStyButtonLayout::SetArrowColor(const QColor &value)
{
    if (value == arrowColor_)
        return;
    arrowColor_ = value;
    Change();
}

void TStyButtonLayout::SetArrowIndent(int value)
{
    if (value == arrowIndent_)
        return;
    arrowIndent_ = value;
    Change();
}

void TStyButtonLayout::SetArrowPosition(TStyArrowPosition value)
{
    if (value == arrowPosition_)
        return;
    arrowPosition_ = value;
    Change();
}

void TStyButtonLayout::SetArrowSize(int value)
{
    value = std::clamp(value, 2, 10);
    if (value == arrowSize_)
        return;
    arrowSize_ = value;
    Change();
}

void TStyButtonLayout::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *layout = qobject_cast<const TStyButtonLayout *>(&source);
    if (!layout) {
        TStyGlyphTextLayout::Assign(source);
        return;
    }
    BeginUpdate();
    SetAlignment(layout->Alignment());
    SetAlignText2Glyph(layout->AlignText2Glyph());
    SetOffsetX(layout->OffsetX());
    SetOffsetY(layout->OffsetY());
    SetSpacing(layout->Spacing());
    SetArrow(layout->arrow_);
    SetArrowIndent(layout->arrowIndent_);
    SetArrowPosition(layout->arrowPosition_);
    SetArrowColor(layout->arrowColor_);
    SetArrowSize(layout->arrowSize_);
    EndUpdate(true);
}
