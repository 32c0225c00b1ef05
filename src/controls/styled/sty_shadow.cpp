#include "controls/styled/sty_shadow.h"

#include "controls/styled/sty_captions.h"

#include <algorithm>

using namespace tav::styled;

TStyShadow::TStyShadow(QObject *parent) : TStyObject(parent), color_(SysBtnShadow()) {}

void TStyShadow::SetColor(const QColor &value)
{
    if (value == color_)
        return;
    color_ = value;
    Change();
}

void TStyShadow::SetDepth(int value)
{
    value = std::clamp(value, 0, 40);
    if (value == depth_)
        return;
    depth_ = value;
    Change();
}

void TStyShadow::SetStyle(TStyShadowStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Change();
}

void TStyShadow::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *shadow = qobject_cast<const TStyShadow *>(&source);
    if (!shadow)
        AssignError(source);
    color_ = shadow->color_;
    depth_ = shadow->depth_;
    style_ = shadow->style_;
    Change();
}

QString TStyShadow::SummaryText() const
{
    if (style_ == hssNone)
        return QStringLiteral("{Disabled}");
    return QStringLiteral("{%1, %2}")
        .arg(style_ == hssSolid ? QStringLiteral("solid") : QStringLiteral("tracing"))
        .arg(depth_);
}
