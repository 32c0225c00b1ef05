#include "controls/styled/sty_region.h"

#include "controls/styled/sty_captions.h"

#include <QVariantList>

using namespace tav::styled;

TStyRgnShadow::TStyRgnShadow(QObject *parent) : TStyShadow(parent)
{
    SetStyle(hssNone);
}

TStyRegionBorder::TStyRegionBorder(QObject *parent)
    : TStyObject(parent), colors_{SysBtnHighlight(), SysBtnShadow(), QColor(Qt::black)}
{
}

void TStyRegionBorder::SetStyle(TStyRegionBorderStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Change();
}

void TStyRegionBorder::SetColor(int index, const QColor &value)
{
    if (value == colors_[index])
        return;
    colors_[index] = value;
    Change();
}

void TStyRegionBorder::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *border = qobject_cast<const TStyRegionBorder *>(&source);
    if (!border)
        AssignError(source);
    style_ = border->style_;
    for (int index = 0; index < 3; ++index)
        colors_[index] = border->colors_[index];
    Change();
}

TStyRegion::TStyRegion(QObject *parent)
    : TStyObject(parent), mask_(new TStyRegionMask(this)), shadow_(new TStyRgnShadow(this)),
      border_(new TStyRegionBorder(this))
{
    for (TStyObject *child : {static_cast<TStyObject *>(mask_), static_cast<TStyObject *>(shadow_),
                              static_cast<TStyObject *>(border_)})
        child->OnChange = [this](TStyObject *sender) { ChildChanged(sender); };
    points_.OnChange = [this](TStyPointList *) { PointsChanged(); };
}

void TStyRegion::SetShape(TStyRegionShape value)
{
    if (value == shape_)
        return;
    shape_ = value;
    Change();
}

void TStyRegion::SetExtPos(TStyExtPos value)
{
    if (value == extPos_)
        return;
    extPos_ = value;
    Change();
}

void TStyRegion::SetRound(int index, int value)
{
    if (value == round_[index])
        return;
    round_[index] = value;
    Change();
}

void TStyRegion::SetUserRegion(const QRegion &value)
{
    userRegion_ = value.isEmpty() ? QByteArray() : RegionToData(value);
    Change();
}

QRegion TStyRegion::UserRegion() const
{
    return RegionFromData(userRegion_, int(userRegion_.size()));
}

void TStyRegion::PointsChanged()
{
    QPolygon polygon;
    for (int index = 0; index < points_.Count(); ++index) {
        QPoint point;
        points_.GetPoint(index, point);
        polygon << point;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (polygon.size() > 2)
        path.addPolygon(polygon);
    SetUserRegion(RegionOfPath(path));
}

void TStyRegion::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("PointList"),
        [this](const QVariant &value) {
            const QVariantList numbers = value.toList();
            TStyPointList points;
            for (qsizetype index = 0; index + 1 < numbers.size(); index += 2)
                points.AddPoint(QPoint(numbers[index].toInt(), numbers[index + 1].toInt()));
            points.OnChange = points_.OnChange;
            points_ = points;
            points_.Changed();
        },
        [this] {
            QVariantList numbers;
            for (int index = 0; index < points_.Count(); ++index) {
                QPoint point;
                points_.GetPoint(index, point);
                numbers << point.x() << point.y();
            }
            return QVariant(numbers);
        },
        points_.Count() > 0);
}

void TStyRegion::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *region = qobject_cast<const TStyRegion *>(&source);
    if (!region)
        AssignError(source);
    BeginUpdate();
    shape_ = region->shape_;
    extPos_ = region->extPos_;
    round_[0] = region->round_[0];
    round_[1] = region->round_[1];
    mask_->Assign(*region->mask_);
    shadow_->Assign(*region->shadow_);
    border_->Assign(*region->border_);
    const auto onChange = points_.OnChange;
    points_ = region->points_;
    points_.OnChange = onChange;
    userRegion_ = region->userRegion_;
    EndUpdate(true);
}

TStyBorderRegion::TStyBorderRegion(QObject *parent) : TStyRegion(parent) {}
