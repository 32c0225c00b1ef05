#pragma once

#include "controls/styled/sty_object.h"
#include "controls/styled/sty_point_list.h"
#include "controls/styled/sty_region_mask.h"
#include "controls/styled/sty_shadow.h"

#include <QByteArray>
#include <QColor>
#include <QPainterPath>
#include <QRegion>

class QPainter;

namespace tav::styled::region {
Q_NAMESPACE

// The outline of a shaped form.
enum TStyRegionShape
{
    rsRect,
    rsRoundRect,
    rsBitmap,
    rsNoseRect,
    rsRoundNoseRect,
    rsElliptic,
    rsStar,
    rsRoundShield,
    rsSharpShield,
    rsDiamond,
    rsOctagon,
    rsComb,
    rsHalfRound,
    rsUserRegion,
    rsThinkBubble,
    rsRoundThinkBubble,
    rsEllipticThinkBubble,
    rsPointList
};
Q_ENUM_NS(TStyRegionShape)

// The corner a nose or a chain of bubbles leaves from, and the edge it starts on.
enum TStyExtPos
{
    epLeftTop,
    epTopLeft,
    epTopRight,
    epRightTop,
    epRightBottom,
    epBottomRight,
    epBottomLeft,
    epLeftBottom
};
Q_ENUM_NS(TStyExtPos)

// How the outline of a shaped form is drawn.
enum TStyRegionBorderStyle
{
    rbNone,
    rbLowered,
    rbRaised,
    rbSingle,
    rbSingleRaised,
    rbSingleLowered,
    rbRaisedpsb,
    rbLoweredpsb
};
Q_ENUM_NS(TStyRegionBorderStyle)

} // namespace tav::styled::region

namespace tav::styled {
using namespace region;
}

// The shadow of a shaped form: none unless asked for.
class TStyRgnShadow : public TStyShadow
{
    Q_OBJECT
    Q_PROPERTY(tav::styled::shadow::TStyShadowStyle Style READ Style WRITE SetStyle)

public:
    explicit TStyRgnShadow(QObject *parent = nullptr);
};

// The colours and kind of the outline of a shaped form.
class TStyRegionBorder : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(tav::styled::region::TStyRegionBorderStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QColor LightColor READ LightColor WRITE SetLightColor)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(QColor SingleColor READ SingleColor WRITE SetSingleColor)

public:
    using TStyRegionBorderStyle = tav::styled::region::TStyRegionBorderStyle;

    explicit TStyRegionBorder(QObject *parent = nullptr);

    TStyRegionBorderStyle Style() const { return style_; }
    void SetStyle(TStyRegionBorderStyle value);
    QColor LightColor() const { return colors_[0]; }
    void SetLightColor(const QColor &value) { SetColor(0, value); }
    QColor ShadowColor() const { return colors_[1]; }
    void SetShadowColor(const QColor &value) { SetColor(1, value); }
    QColor SingleColor() const { return colors_[2]; }
    void SetSingleColor(const QColor &value) { SetColor(2, value); }

    void Assign(const TStyObject &source) override;

private:
    void SetColor(int index, const QColor &value);

    TStyRegionBorderStyle style_ = tav::styled::rbSingle;
    QColor colors_[3];
};

// A shape for a form: one of the drawn outlines, a bitmap's stored region, a region of the
// program's own or a polygon of points; it makes the region of the shape for a rectangle.
class TStyRegion : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(tav::styled::region::TStyRegionShape Shape READ Shape WRITE SetShape)
    Q_PROPERTY(tav::styled::region::TStyExtPos ExtPos READ ExtPos WRITE SetExtPos)
    Q_PROPERTY(TStyRegionMask *Mask READ Mask)
    Q_PROPERTY(int RoundX READ RoundX WRITE SetRoundX)
    Q_PROPERTY(int RoundY READ RoundY WRITE SetRoundY)
    Q_PROPERTY(TStyRgnShadow *Shadow READ Shadow)

public:
    using TStyRegionShape = tav::styled::region::TStyRegionShape;
    using TStyExtPos = tav::styled::region::TStyExtPos;

    static constexpr int BubbleCount = 4;

    explicit TStyRegion(QObject *parent = nullptr);

    TStyRegionShape Shape() const { return shape_; }
    void SetShape(TStyRegionShape value);
    TStyExtPos ExtPos() const { return extPos_; }
    void SetExtPos(TStyExtPos value);
    TStyRegionMask *Mask() const { return mask_; }
    int RoundX() const { return round_[0]; }
    void SetRoundX(int value) { SetRound(0, value); }
    int RoundY() const { return round_[1]; }
    void SetRoundY(int value) { SetRound(1, value); }
    TStyRgnShadow *Shadow() const { return shadow_; }
    TStyRegionBorder *Border() const { return border_; }

    // The polygon of rsPointList; every change rebuilds the user region from it.
    const TStyPointList &Points() const { return points_; }
    TStyPointList &Points() { return points_; }
    // The region of rsUserRegion, kept as stored region data.
    void SetUserRegion(const QRegion &value);
    QRegion UserRegion() const;

    // The shape's region for rect; empty means the form keeps its rectangle. While designing a
    // user region shows as the plain rectangle.
    QRegion CreateRegion(const QRect &rect, bool designing) const;
    // The outline of a drawn shape for rect; empty for the bitmap, user region and point list.
    QPainterPath ShapePath(const QRect &rect) const;

    // "PointList": the points as a list of x, y pairs.
    void DefineProperties(TStyFiler &filer) override;
    void Assign(const TStyObject &source) override;

private:
    void SetRound(int index, int value);
    void PointsChanged();
    QPainterPath NosePath(const QRect &rect, bool round) const;
    QPainterPath BubblePath(const QRect &rect) const;

    TStyRegionShape shape_ = tav::styled::rsRoundRect;
    TStyExtPos extPos_ = tav::styled::epLeftTop;
    TStyRegionMask *mask_;
    int round_[2] = {20, 20};
    TStyRgnShadow *shadow_;
    TStyRegionBorder *border_;
    TStyPointList points_;
    QByteArray userRegion_;
};

// A shape with a painted outline.
class TStyBorderRegion : public TStyRegion
{
    Q_OBJECT
    Q_PROPERTY(TStyRegionBorder *Border READ Border)

public:
    explicit TStyBorderRegion(QObject *parent = nullptr);

    // Draws the outline of the shape for rect after its area was filled.
    void PaintBorder(QPainter &painter, const QRect &rect) const;
};

namespace tav::styled {

// The region of the filled pixels of a path (pixel centres inside it).
QRegion RegionOfPath(const QPainterPath &path);

} // namespace tav::styled
