#include "controls/styled/sty_draw_glyph.h"

#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_draw.h"
#include "controls/styled/sty_draw_fill.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_layout.h"

#include <QPainter>

#include <algorithm>

namespace tav::styled {

void DrawArrow(QPainter &painter, const QPoint &origin, int size, const QColor &color, bool enabled)
{
    size = std::clamp(size, 2, 15);
    const QColor ink = enabled ? color : SysGrayText();
    for (int row = 0; row < size; ++row)
        painter.fillRect(QRect(origin.x() + row, origin.y() + row, 2 * size - 1 - 2 * row, 1), ink);
}

TStyGlyphTextBoxes DrawGlyphAndText(QPainter &painter, const QRect &target, const TStyGlyphSource *glyph,
                                    const QString &caption, const TStyGlyphTextLayout &layout,
                                    const TStyFxCaption &fx, unsigned state, unsigned textFlags,
                                    unsigned options)
{
    const bool hasGlyph = glyph && glyph->image && !glyph->rect.isEmpty();
    const bool hasText = !caption.isEmpty();
    const int gap = hasGlyph == hasText ? layout.Spacing() : 0;
    const bool multiLine = caption.contains(QLatin1Char('\n'));
    textFlags |= DT_EXPANDTABS;
    if (multiLine)
        textFlags |= DT_WORDBREAK | AlignmentTextFlags(layout.Alignment());

    const QSize textSize = hasText ? MeasureText(caption, &fx, painter.font(), textFlags) : QSize(0, 0);
    const QSize glyphSize = hasGlyph ? glyph->rect.size() : QSize(0, 0);
    QSize textBox = textSize, glyphBox = glyphSize;

    const auto *button = qobject_cast<const TStyButtonLayout *>(&layout);
    const bool arrow = button && button->Arrow();
    const int arrowWidth = arrow ? 2 * button->ArrowSize() - 1 : 0;
    const bool arrowByText =
        arrow && (button->ArrowPosition() == apRightText || button->ArrowPosition() == apLeftText);
    if (arrow) {
        QSize &widened = arrowByText ? textBox : glyphBox;
        widened.rwidth() += arrowWidth + button->ArrowIndent();
    }

    // Positions within the block that holds both.
    QPoint text, image;
    QSize block;
    const TStyTextArrange arrange = layout.AlignText2Glyph();
    if (arrange == taLeft || arrange == taLeftTop || arrange == taRight || arrange == taRightTop) {
        block = {textBox.width() + gap + glyphBox.width(), std::max(textBox.height(), glyphBox.height())};
        const int textY = (block.height() - textBox.height()) / 2;
        const int glyphY = (block.height() - glyphBox.height()) / 2;
        if (arrange == taLeft || arrange == taLeftTop) {
            text = {0, textY};
            image = {textBox.width() + gap, arrange == taLeft ? glyphY : 0};
        } else {
            image = {0, arrange == taRight ? glyphY : 1};
            text = {glyphBox.width() + gap, textY};
        }
    } else {
        block = {std::max(textBox.width(), glyphBox.width()), textBox.height() + gap + glyphBox.height()};
        const int textX = (block.width() - textBox.width()) / 2;
        const int glyphX = (block.width() - glyphBox.width()) / 2;
        if (arrange == taTop || arrange == taTopLeft) {
            text = {textX, 0};
            image = {arrange == taTop ? glyphX : 0, textBox.height() + gap};
        } else {
            image = {arrange == taBottom ? glyphX : 0, 0};
            text = {textX, glyphBox.height() + gap};
        }
    }

    const QPoint at = PlaceBox(layout.Alignment(), block, target).topLeft();
    const QPoint offset(layout.OffsetX(), layout.OffsetY());
    QRect glyphRect = QRect(at + image, glyphBox);
    QRect textRect = QRect(at + text + QPoint(1, 1), textBox).intersected(target);
    if (arrow && button->ArrowPosition() == apLeftText)
        textRect.translate(button->ArrowIndent() + arrowWidth, 0);
    glyphRect.translate(offset);
    textRect.translate(offset);

    if (!(options & gdLayoutOnly)) {
        if (hasText) {
            QRect drawn = textRect;
            Draw3DText(painter, caption, fx, nullptr, state, textFlags, drawn);
        }
        if (arrow) {
            const QRect beside = arrowByText ? textRect : glyphRect;
            const QSize content = arrowByText ? textSize : glyphSize;
            const int top = beside.top() + (beside.height() - button->ArrowSize()) / 2;
            const bool right =
                button->ArrowPosition() == apRightText || button->ArrowPosition() == apRightGlyph;
            const int left = right ? beside.left() + content.width() + button->ArrowIndent()
                             : button->ArrowPosition() == apLeftText
                                 ? beside.left() - button->ArrowIndent() - arrowWidth
                                 : beside.left();
            DrawArrow(painter, QPoint(left, top), button->ArrowSize(), button->ArrowColor(),
                      state & tsEnabled);
        }
        if (hasGlyph) {
            QPoint glyphAt = glyphRect.topLeft();
            if (arrow && button->ArrowPosition() == apLeftGlyph)
                glyphAt.rx() += arrowWidth + button->ArrowIndent();
            const QRect destination(glyphAt, glyphSize);
            if (glyph->mask)
                DrawMaskedImage(painter, destination, *glyph->image, *glyph->mask, glyph->rect);
            else
                painter.drawImage(destination, *glyph->image, glyph->rect);
        }
        QRect focus;
        if (options & gdFocusText)
            focus = textRect;
        if (options & gdFocusGlyph)
            focus = focus.united(glyphRect);
        if (!focus.isEmpty())
            DrawFocusRect(painter, focus.adjusted(-1, -1, 1, 1));
    }
    return {textRect, glyphRect, textRect.united(glyphRect)};
}

} // namespace tav::styled
