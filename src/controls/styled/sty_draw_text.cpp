#include "controls/styled/sty_draw_text.h"

#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_gradient.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <vector>

namespace tav::styled {
namespace {

constexpr int unbounded = 1 << 20;
constexpr int alignmentMask = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;

struct Copy
{
    QPoint offset;
    QColor color;
};

QFont TracedFont(const QFont &font, int tracing)
{
    QFont traced = font;
    if (tracing != 0)
        traced.setLetterSpacing(QFont::AbsoluteSpacing, tracing);
    return traced;
}

int AngleOf(const TSty3DCaption &caption)
{
    const auto *fx = qobject_cast<const TStyFxCaption *>(&caption);
    return fx ? fx->Angle() : 0;
}

// The text's own extent, unturned.
QSize TextExtent(const QFont &font, const QString &text, unsigned textFlags, int width)
{
    const int flags = QtTextFlags(textFlags) & ~alignmentMask;
    const QFontMetrics metrics(font);
    const bool wraps = (textFlags & DT_WORDBREAK) && width > 0;
    return metrics.boundingRect(QRect(0, 0, wraps ? width : unbounded, unbounded), flags, text).size();
}

// Where the copies of the text go and in what colours, positions relative to the first.
std::vector<Copy> Copies(const TSty3DCaption &caption, TSty3DCaption::TStyThreeDStyle style,
                         const QColor &textColor)
{
    const int ld = caption.LightDepth(), sd = caption.ShadowDepth();
    const QColor light = caption.LightColor(), shadow = caption.ShadowColor();
    std::vector<Copy> copies;
    QPoint position;
    const auto add = [&](int dx, int dy, const QColor &color) {
        position += QPoint(dx, dy);
        copies.push_back({position, color});
    };
    switch (style) {
    case tdSunken:
        add(ld, ld, light);
        add(-ld, -ld, textColor);
        break;
    case tdRaised:
        add(0, 0, light);
        add(ld, ld, textColor);
        break;
    case tdShadow:
        add(sd, sd, shadow);
        add(-sd, -sd, textColor);
        break;
    case tdSunkenShadow:
    case tdPColorSunken:
        add(0, 0, shadow);
        add(ld + sd, ld + sd, light);
        add(-ld, -ld, textColor);
        break;
    case tdRaisedShadow:
    case tdPColorRaised:
        add(ld + sd, ld + sd, shadow);
        add(-(ld + sd), -(ld + sd), light);
        add(ld, ld, textColor);
        break;
    case tdExtrude:
    case tdExtrudeEnh: {
        QPoint start, step(1, 1);
        switch (caption.Orientation()) {
        case toTopLeft:
            break;
        case toBottomLeft:
            start = {0, sd + 1};
            step = {1, -1};
            break;
        case toBottomRight:
            start = {sd + 1, sd + 1};
            step = {-1, -1};
            break;
        case toTopRight:
            start = {sd + 1, 0};
            step = {-1, 1};
            break;
        }
        for (int i = 0; i < sd; ++i) {
            const int fromLast = sd - i;
            copies.push_back({start + step * i, style == tdExtrude
                                                    ? shadow
                                                    : InterpolateColor(shadow, light, fromLast - 1, sd)});
        }
        copies.push_back({start + step * sd, textColor});
        break;
    }
    default:
        add(0, 0, textColor);
        break;
    }
    return copies;
}

// One copy of the text in rect, turned by angle about rect's top-left.
void DrawCopy(QPainter &painter, const QString &text, const QRect &rect, int flags, int angle,
              const QSize &extent)
{
    if (angle == 0) {
        painter.drawText(rect, flags, text);
        return;
    }
    QTransform turn;
    turn.rotate(-angle);
    const QRect bounds = turn.mapRect(QRect(QPoint(0, 0), extent));
    painter.save();
    painter.translate(rect.left() - bounds.left(), rect.top() - bounds.top());
    painter.rotate(-angle);
    painter.drawText(QRect(QPoint(0, 0), extent), flags & ~alignmentMask, text);
    painter.restore();
}

} // namespace

int QtTextFlags(unsigned textFlags)
{
    int flags = 0;
    if (textFlags & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (textFlags & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (textFlags & DT_VCENTER)
        flags |= Qt::AlignVCenter;
    else if (textFlags & DT_BOTTOM)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (textFlags & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (textFlags & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    if (textFlags & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (textFlags & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    if (!(textFlags & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    return flags;
}

unsigned AlignmentTextFlags(TStyAlignment alignment)
{
    static const unsigned columns[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static const unsigned rows[] = {0, DT_VCENTER, DT_BOTTOM};
    return columns[alignment % 3] | rows[alignment / 3];
}

void Draw3DText(QPainter &painter, const QString &text, const TSty3DCaption &caption, const QRect *clip,
                unsigned state, unsigned textFlags, QRect &rect)
{
    const QFont font = TracedFont(painter.font(), caption.Tracing());
    const int angle = AngleOf(caption);
    if (rect.isEmpty()) {
        rect = QRect(rect.topLeft(), TextExtent(font, text, textFlags, rect.width()));
        return;
    }
    TSty3DCaption::TStyThreeDStyle style = caption.Style();
    QColor textColor = painter.pen().color();
    if (!(state & tsEnabled) && caption.DisabledStyle() != dsNone) {
        textColor = SysGrayText();
        if (caption.DisabledStyle() == ds3d || (caption.DisabledStyle() == dsAuto && (state & tsDisabled3D)))
            style = tdSunken;
    } else if (style == tdPColorSunken || style == tdPColorRaised) {
        textColor = painter.brush().color();
    }

    painter.save();
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    if (clip)
        painter.setClipRect(*clip, Qt::IntersectClip);
    const int flags = QtTextFlags(textFlags);
    const QSize extent = TextExtent(font, text, textFlags, rect.width());
    QRect area = rect;
    area.setHeight(rect.height() - caption.Depth(style));
    if (style == tdOutline) {
        const int sd = caption.ShadowDepth();
        const QRect placed = QFontMetrics(font).boundingRect(area, flags, text);
        QPainterPath path;
        path.addText(QPointF(placed.left() + sd / 2, placed.top() + sd / 2 + QFontMetrics(font).ascent()),
                     font, text);
        if (angle != 0) {
            QTransform turn;
            turn.rotate(-angle);
            const QRectF bounds = turn.map(path).boundingRect();
            path = turn.map(path).translated(rect.left() - bounds.left(), rect.top() - bounds.top());
        }
        painter.strokePath(path, QPen(textColor, sd));
    } else {
        for (const Copy &copy : Copies(caption, style, textColor)) {
            painter.setPen(copy.color);
            DrawCopy(painter, text, area.translated(copy.offset), flags, angle, extent);
        }
    }
    painter.restore();
}

QSize MeasureText(const QString &text, const TSty3DCaption *caption, const QFont &font, unsigned textFlags,
                  int width)
{
    QSize size = TextExtent(TracedFont(font, caption ? caption->Tracing() : 0), text, textFlags, width);
    if (!caption)
        return size;
    if (const int angle = AngleOf(*caption)) {
        QTransform turn;
        turn.rotate(-angle);
        size = turn.mapRect(QRect(QPoint(0, 0), size)).size();
    }
    return size + QSize(caption->Depth(), caption->Depth());
}

QRect PlaceBox(TStyAlignment alignment, const QSize &inner, const QRect &outer)
{
    const int column = alignment % 3, row = alignment / 3;
    const int dx = outer.width() - inner.width(), dy = outer.height() - inner.height();
    const int x = column == 0 ? 0 : column == 1 ? dx / 2 : dx;
    const int y = row == 0 ? 0 : row == 1 ? dy / 2 : dy;
    return QRect(outer.topLeft() + QPoint(x, y), inner);
}

QRect PlaceText(TStyAlignment alignment, const QString &text, const TSty3DCaption *caption, const QFont &font,
                unsigned textFlags, const QRect &rect)
{
    return PlaceBox(alignment, MeasureText(text, caption, font, textFlags, rect.width()), rect);
}

int CaptionHeight(const TSty3DCaption *caption, const QFont &font)
{
    return QFontMetrics(font).height() + (caption ? caption->Depth() : 0);
}

bool IsTrueTypeFont(const QFont &font)
{
    const QFontInfo info(font);
    return QFontDatabase::isScalable(info.family(), info.styleName());
}

} // namespace tav::styled
