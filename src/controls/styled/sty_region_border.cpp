#include "controls/styled/sty_region.h"

#include <QPainter>

using namespace tav::styled;

namespace {

// The outline of the shape as a pen traces it: polygons through their points, round shapes
// through their arcs, the other kinds along the edge of their region.
QPainterPath Outline(const TStyRegion &region, const QRect &rect)
{
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    if (region.Shape() == rsPointList) {
        QPolygon polygon;
        for (int index = 0; index < region.Points().Count(); ++index) {
            QPoint point;
            region.Points().GetPoint(index, point);
            polygon << point;
        }
        QPainterPath path;
        path.addPolygon(polygon);
        path.closeSubpath();
        return path;
    }
    QPainterPath path = region.ShapePath(inner);
    if (path.isEmpty())
        path.addRegion(region.CreateRegion(rect, false));
    return path;
}

// Light on the upper left half of the bounds, shadow on the lower right half.
void TwoColourOutline(QPainter &painter, const QPainterPath &outline, const QColor &light,
                      const QColor &shadow)
{
    const QRectF bounds = outline.boundingRect().adjusted(-1, -1, 1, 1);
    const QPolygonF upperLeft{bounds.topLeft(), bounds.topRight(), bounds.bottomLeft()};
    const QPolygonF lowerRight{bounds.topRight(), bounds.bottomRight(), bounds.bottomLeft()};
    for (const auto &[half, colour] : {std::pair{upperLeft, light}, std::pair{lowerRight, shadow}}) {
        painter.save();
        QPainterPath clip;
        clip.addPolygon(half);
        painter.setClipPath(clip, Qt::IntersectClip);
        painter.strokePath(outline, QPen(colour, 0));
        painter.restore();
    }
}

} // namespace

void TStyBorderRegion::PaintBorder(QPainter &painter, const QRect &rect) const
{
    const TStyRegionBorder &border = *Border();
    TStyRegionBorderStyle style = border.Style();
    if (style == rbNone)
        return;
    QColor light = border.LightColor();
    QColor shadow = border.ShadowColor();
    const bool lowered = style == rbLowered || style == rbSingleLowered || style == rbLoweredpsb;
    if (lowered) {
        std::swap(light, shadow);
        style = style == rbLowered ? rbRaised : style == rbSingleLowered ? rbSingleRaised : rbRaisedpsb;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    if (Shape() == rsBitmap) {
        const QImage &picture = lowered ? Mask()->BorderDown() : Mask()->BorderUp();
        if (!picture.isNull())
            painter.drawImage(rect.topLeft(), picture);
        painter.restore();
        return;
    }
    const QPainterPath outline = Outline(*this, rect);
    switch (style) {
    case rbSingle:
        painter.strokePath(outline, QPen(border.SingleColor(), 0));
        break;
    case rbRaised:
        TwoColourOutline(painter, outline, light, shadow);
        break;
    case rbSingleRaised:
        painter.strokePath(outline, QPen(border.SingleColor(), 0));
        TwoColourOutline(painter, Outline(*this, rect.adjusted(1, 1, -1, -1)), light, shadow);
        break;
    default:
        // Two rings of the two colours: the outline and the one inside it.
        TwoColourOutline(painter, outline, light, shadow);
        TwoColourOutline(painter, Outline(*this, rect.adjusted(1, 1, -1, -1)), light, shadow);
        break;
    }
    painter.restore();
}
