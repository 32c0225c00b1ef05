#pragma once

#include "controls/styled/sty_object.h"

#include <QColor>

namespace tav::styled::shadow {
Q_NAMESPACE

enum TStyShadowStyle
{
    hssNone,
    hssSolid,
    hssTracing
};
Q_ENUM_NS(TStyShadowStyle)

} // namespace tav::styled::shadow

namespace tav::styled {
using namespace shadow;
}

// The shadow a control casts: its colour, how far it falls (0..40 pixels) and whether it is solid
// or traced.
class TStyShadow : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Depth READ Depth WRITE SetDepth)
    Q_PROPERTY(tav::styled::shadow::TStyShadowStyle Style READ Style WRITE SetStyle)

public:
    using TStyShadowStyle = tav::styled::shadow::TStyShadowStyle;

    explicit TStyShadow(QObject *parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor &value);
    int Depth() const { return depth_; }
    void SetDepth(int value);
    TStyShadowStyle Style() const { return style_; }
    void SetStyle(TStyShadowStyle value);

    void Assign(const TStyObject &source) override;
    QString SummaryText() const override;

private:
    QColor color_;
    int depth_ = 6;
    TStyShadowStyle style_ = tav::styled::hssSolid;
};
