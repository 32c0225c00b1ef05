#include "controls/styled/sty_draw_bevel.h"

#include <QPainter>

namespace tav::styled {
namespace {

// One line of pixels along each side; the colour of the bottom and right wins at the corners
// where the two meet, as the diagonal of two filled halves would.
void DrawLines(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    // The first pixel of the bottom and right lines belongs to the top-left side.
    painter.fillRect(QRect(rect.left(), rect.bottom(), 1, 1), topLeft);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, 1), topLeft);
}

void DrawBand(QPainter &painter, QRect &rect, int width, const QColor &topLeft, const QColor &bottomRight)
{
    for (int line = 0; line < width; ++line) {
        DrawLines(painter, rect, topLeft, bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void FrameOnce(QPainter &painter, const QRect &rect, const QColor &color)
{
    DrawLines(painter, rect, color, color);
}

} // namespace

void DrawBevelEdge(QPainter &painter, QRect &rect, TStyBevelStyle style, int width, const QColor &light,
                   const QColor &shadow)
{
    switch (style) {
    case bvNone:
    case bvShadow:
        break;
    case bvLowered:
        DrawBand(painter, rect, width, shadow, light);
        break;
    case bvRaised:
        DrawBand(painter, rect, width, light, shadow);
        break;
    case bvFrameLowered:
    case bvFrameRaised: {
        // Two frames of the width, the second one pixel further right and down.
        const QColor &first = style == bvFrameLowered ? light : shadow;
        const QColor &second = style == bvFrameLowered ? shadow : light;
        QRect lower = rect.adjusted(1, 1, 0, 0);
        QRect upper = rect.adjusted(0, 0, -1, -1);
        for (int line = 0; line < width; ++line) {
            FrameOnce(painter, lower, first);
            FrameOnce(painter, upper, second);
            lower.adjust(1, 1, -1, -1);
            upper.adjust(1, 1, -1, -1);
        }
        rect.adjust(width + 1, width + 1, -(width + 1), -(width + 1));
        break;
    }
    case bvNormal:
        DrawBand(painter, rect, width, shadow, shadow);
        break;
    }
}

void DrawBevelBorder(QPainter &painter, QRect &rect, const QColor &frameColor, int frameWidth,
                     const QColor &shadowColor, int shadowWidth, const QColor &fillColor, bool suppressFill)
{
    if (shadowWidth > 0) {
        const QRect right(rect.right() - shadowWidth + 1, rect.top() + shadowWidth, shadowWidth,
                          rect.height() - shadowWidth);
        const QRect bottom(rect.left() + shadowWidth, rect.bottom() - shadowWidth + 1,
                           rect.width() - shadowWidth, shadowWidth);
        if (!suppressFill) {
            painter.fillRect(QRect(right.left(), rect.top(), shadowWidth, shadowWidth), fillColor);
            painter.fillRect(QRect(rect.left(), bottom.top(), shadowWidth, shadowWidth), fillColor);
        }
        painter.fillRect(right, shadowColor);
        painter.fillRect(bottom, shadowColor);
        rect.adjust(0, 0, -shadowWidth, -shadowWidth);
    }
    DrawFrames(painter, rect, frameColor, frameWidth, false);
}

void DrawFrames(QPainter &painter, QRect &rect, const QColor &color, int width, bool suppressFill)
{
    if (suppressFill) {
        rect.adjust(width, width, -width, -width);
        return;
    }
    DrawBand(painter, rect, width, color, color);
}

} // namespace tav::styled
