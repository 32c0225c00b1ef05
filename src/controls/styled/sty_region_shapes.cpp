#include "controls/styled/sty_region.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <initializer_list>
#include <numbers>

using namespace tav::styled;

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;
// Chains that start on a top or bottom edge run the other way round their quarter circle; the
// angle is turned with this constant rather than an exact right angle.
constexpr double QuarterTurn = 1.57;

QPainterPath Polygon(const QRect &rect, std::initializer_list<QPointF> points)
{
    QPolygonF polygon;
    for (const QPointF &point : points)
        polygon << QPointF(std::round(point.x()), std::round(point.y())) + QPointF(rect.topLeft());
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(int left, int top, int right, int bottom)
{
    QPainterPath path;
    path.addEllipse(QRectF(left, top, right - left, bottom - top));
    return path;
}

QPainterPath Ellipse(const QRect &rect)
{
    return Ellipse(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

QPainterPath RoundRect(const QRect &rect, int roundX, int roundY)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), roundX / 2.0, roundY / 2.0);
    return path;
}

QPainterPath Rect(const QRect &rect)
{
    QPainterPath path;
    path.addRect(QRectF(rect));
    return path;
}

bool LeftSide(TStyExtPos pos)
{
    return pos == epLeftTop || pos == epTopLeft || pos == epBottomLeft || pos == epLeftBottom;
}

bool TopSide(TStyExtPos pos)
{
    return pos < epRightBottom;
}

// True when the nose or chain starts on a left or right edge.
bool StartsOnSide(TStyExtPos pos)
{
    return pos == epLeftTop || pos == epRightTop || pos == epRightBottom || pos == epLeftBottom;
}

// The rectangle shrunk by n on the two sides the position names.
QRect Shrunk(const QRect &rect, TStyExtPos pos, int n)
{
    QRect body = rect;
    (LeftSide(pos) ? body.setLeft(rect.left() + n) : body.setRight(rect.right() - n));
    (TopSide(pos) ? body.setTop(rect.top() + n) : body.setBottom(rect.bottom() - n));
    return body;
}

// The corner of the shrunk body at the position (right and bottom exclusive) and the signs of
// the way out to the unshrunk corner.
struct Corner
{
    QPoint point;
    int sx;
    int sy;
};

Corner BodyCorner(const QRect &body, TStyExtPos pos)
{
    const bool left = LeftSide(pos);
    const bool top = TopSide(pos);
    return {QPoint(left ? body.left() : body.left() + body.width(),
                   top ? body.top() : body.top() + body.height()),
            left ? -1 : 1, top ? -1 : 1};
}

} // namespace

namespace tav::styled {

QRegion RegionOfPath(const QPainterPath &path)
{
    const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (path.isEmpty() || bounds.isEmpty())
        return {};
    QImage image(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    painter.fillPath(path, Qt::black);
    painter.end();
    // Rows with the same runs as the row above only make that band taller.
    QList<QRect> runs;
    qsizetype bandStart = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QList<QRect> row;
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && qAlpha(line[x]) == 0)
                ++x;
            const int start = x;
            while (x < image.width() && qAlpha(line[x]) != 0)
                ++x;
            if (x > start)
                row << QRect(bounds.left() + start, bounds.top() + y, x - start, 1);
        }
        const qsizetype bandSize = runs.size() - bandStart;
        bool same =
            !row.isEmpty() && bandSize == row.size() && runs[bandStart].bottom() == bounds.top() + y - 1;
        for (qsizetype index = 0; same && index < row.size(); ++index)
            same = runs[bandStart + index].left() == row[index].left() &&
                   runs[bandStart + index].width() == row[index].width();
        if (same) {
            for (qsizetype index = bandStart; index < runs.size(); ++index)
                runs[index].setBottom(bounds.top() + y);
            continue;
        }
        bandStart = runs.size();
        runs << row;
    }
    QRegion region;
    region.setRects(runs.constData(), int(runs.size()));
    return region;
}

} // namespace tav::styled

QPainterPath TStyRegion::NosePath(const QRect &rect, bool round) const
{
    const int n = rect.width() / 10;
    const QRect body = Shrunk(rect, extPos_, n);
    const bool side = StartsOnSide(extPos_);
    const int offset = !round ? 5 : side ? RoundY() : RoundX();
    const int length = int(std::lround(std::sqrt(2.0 * n * n)));
    const Corner corner = BodyCorner(body, extPos_);
    const QPoint tip = corner.point + QPoint(corner.sx * n, corner.sy * n);
    const QPoint along = side ? QPoint(0, -corner.sy) : QPoint(-corner.sx, 0);
    QPainterPath nose;
    nose.addPolygon(QPolygonF(QList<QPointF>{QPointF(tip), QPointF(corner.point + along * offset),
                                             QPointF(corner.point + along * (offset + length))}));
    nose.closeSubpath();
    return (round ? RoundRect(body, RoundX(), RoundY()) : Rect(body)).united(nose);
}

QPainterPath TStyRegion::BubblePath(const QRect &rect) const
{
    const int n = rect.width() / 6;
    const QRect body = Shrunk(rect, extPos_, n);
    QPainterPath path = shape_ == rsThinkBubble        ? Rect(body)
                        : shape_ == rsRoundThinkBubble ? RoundRect(body, RoundX(), RoundY())
                                                       : Ellipse(body);
    const Corner corner = BodyCorner(body, extPos_);
    const QPoint outer = corner.point + QPoint(corner.sx * n, corner.sy * n);
    const bool side = StartsOnSide(extPos_);
    for (int i = 0; i <= BubbleCount + 1; ++i) {
        const double a = 90.0 / (BubbleCount + 1) * i * DegreesToRadians;
        const int d = int(std::lround(i * (n * 2 * std::numbers::pi / 4) / BubbleCount / BubbleCount));
        QPoint centre;
        if (side) {
            centre = QPoint(corner.point.x() + corner.sx * int(std::lround(n * std::cos(a))),
                            outer.y() - corner.sy * int(std::lround(n * std::sin(a))));
        } else {
            const double b = QuarterTurn - a;
            centre = QPoint(outer.x() - corner.sx * int(std::lround(n * std::cos(b))),
                            corner.point.y() + corner.sy * int(std::lround(n * std::sin(b))));
        }
        if (d / 2 > 0)
            path = path.united(
                Ellipse(centre.x() - d / 2, centre.y() - d / 2, centre.x() + d / 2, centre.y() + d / 2));
    }
    return path;
}

QPainterPath TStyRegion::ShapePath(const QRect &rect) const
{
    const double w = rect.width();
    const double h = rect.height();
    const int wi = rect.width();
    const int hi = rect.height();
    const int left = rect.left();
    const int top = rect.top();
    // The two corner ellipses and the band above the top that the shields lose.
    const auto shieldCut = [&] {
        return Ellipse(left - wi / 2, top - hi / 5, left + wi / 2, top + hi / 5)
            .united(Ellipse(left + wi / 2, top - hi / 5, left + wi / 2 + wi, top + hi / 5))
            .united(Rect(QRect(left, top - 40, wi, 40)));
    };
    switch (shape_) {
    case rsRect:
        return Rect(rect);
    case rsRoundRect:
        return RoundRect(rect, RoundX(), RoundY());
    case rsNoseRect:
    case rsRoundNoseRect:
        return NosePath(rect, shape_ == rsRoundNoseRect);
    case rsElliptic:
        return Ellipse(rect);
    case rsStar:
        return Polygon(rect, {{double(wi / 2), 0},
                              {0.65 * w, 0.38 * h},
                              {w, 0.38 * h},
                              {0.7 * w, 0.6 * h},
                              {0.85 * w, h},
                              {double(wi / 2), 0.75 * h},
                              {0.15 * w, h},
                              {0.3 * w, 0.6 * h},
                              {0, 0.38 * h},
                              {0.35 * w, 0.38 * h}});
    case rsRoundShield:
        return Ellipse(left, top - (hi - hi / 5), left + wi, top + hi).subtracted(shieldCut());
    case rsSharpShield: {
        const int eighth = 8 * hi / 7;
        return Ellipse(left - wi, top - eighth, left + wi, top + eighth)
            .intersected(Ellipse(left, top - eighth, left + 2 * wi, top + eighth))
            .subtracted(shieldCut());
    }
    case rsDiamond:
        return Polygon(rect,
                       {{double(wi / 2), 0}, {0, double(hi / 2)}, {double(wi / 2), h}, {w, double(hi / 2)}});
    case rsOctagon:
        return Polygon(rect, {{double(wi / 3 * 2), 0},
                              {double(wi / 3), 0},
                              {0, double(hi / 3)},
                              {0, double(hi / 3 * 2)},
                              {double(wi / 3), h},
                              {double(wi / 3 * 2), h},
                              {w, double(hi / 3 * 2)},
                              {w, double(hi / 3)}});
    case rsComb:
        return Polygon(rect, {{double(wi / 2), 0},
                              {0, double(hi / 4)},
                              {0, double(hi / 4 * 3)},
                              {double(wi / 2), h},
                              {w, double(hi / 4 * 3)},
                              {w, double(hi / 4)}});
    case rsHalfRound:
        return Ellipse(left, top - hi, left + wi, top + hi).intersected(Rect(rect));
    case rsThinkBubble:
    case rsRoundThinkBubble:
    case rsEllipticThinkBubble:
        return BubblePath(rect);
    case rsBitmap:
    case rsUserRegion:
    case rsPointList:
        break;
    }
    return {};
}

QRegion TStyRegion::CreateRegion(const QRect &rect, bool designing) const
{
    switch (shape_) {
    case rsBitmap:
        return mask_->Region();
    case rsUserRegion:
        return designing ? QRegion(rect) : UserRegion();
    case rsPointList:
        return UserRegion();
    default:
        return RegionOfPath(ShapePath(rect));
    }
}
