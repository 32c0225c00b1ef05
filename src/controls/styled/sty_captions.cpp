#include "controls/styled/sty_captions.h"

#include <QGuiApplication>
#include <QPalette>

namespace tav::styled {

QColor SysBtnHighlight()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Light);
}

QColor SysBtnShadow()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Dark);
}

QColor SysBtnFace()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor SysGrayText()
{
    return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

} // namespace tav::styled

using namespace tav::styled;

TSty3DCaption::TSty3DCaption(QObject *parent) : TStyObject(parent)
{
    colors_[0] = SysBtnHighlight();
    colors_[1] = SysBtnShadow();
}

void TSty3DCaption::SetDisabledStyle(TStyDisabledStyle value)
{
    if (value == disabledStyle_)
        return;
    disabledStyle_ = value;
    Change();
}

void TSty3DCaption::SetDepth(int index, int value)
{
    const auto depth = static_cast<quint8>(value);
    if (depth == depths_[index])
        return;
    depths_[index] = depth;
    Change();
}

void TSty3DCaption::SetColor(int index, const QColor &value)
{
    if (value == colors_[index])
        return;
    colors_[index] = value;
    Change();
}

void TSty3DCaption::SetStyle(TStyThreeDStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Change();
}

void TSty3DCaption::SetOrientation(TStyThreeDOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    Change();
}

void TSty3DCaption::SetTracing(int value)
{
    if (value == tracing_)
        return;
    tracing_ = value;
    Change();
}

int TSty3DCaption::Depth(TStyThreeDStyle style) const
{
    switch (style) {
    case tdSunken:
    case tdRaised:
        return LightDepth();
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised:
        return LightDepth() + ShadowDepth();
    case tdShadow:
        return ShadowDepth();
    default:
        return 0;
    }
}

void TSty3DCaption::CopyCaption(const TSty3DCaption &source)
{
    disabledStyle_ = source.disabledStyle_;
    depths_[0] = source.depths_[0];
    depths_[1] = source.depths_[1];
    colors_[0] = source.colors_[0];
    colors_[1] = source.colors_[1];
    style_ = source.style_;
    orientation_ = source.orientation_;
    tracing_ = source.tracing_;
}

void TSty3DCaption::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *caption = qobject_cast<const TSty3DCaption *>(&source);
    if (!caption)
        AssignError(source);
    CopyCaption(*caption);
    Change();
}

QString TSty3DCaption::SummaryText() const
{
    static const char *const words[] = {"Disabled",      "sunken",        "raised",     "sunken shadow",
                                        "raised shadow", "PColor sunken", "",           "shadow",
                                        "outline",       "extrude",       "extrude enh"};
    return QStringLiteral("{%1}").arg(QString::fromLatin1(words[style_]));
}

TStyFxCaption::TStyFxCaption(QObject *parent) : TSty3DCaption(parent) {}

void TStyFxCaption::SetAngle(int value)
{
    const auto angle = static_cast<quint16>(value == 360 ? 0 : value);
    if (angle == angle_)
        return;
    angle_ = angle;
    Change();
}

void TStyFxCaption::SetPos(int index, int value)
{
    const auto position = static_cast<quint16>(value);
    if (position == position_[index])
        return;
    position_[index] = position;
    Change();
}

void TStyFxCaption::SetPosition(int x, int y)
{
    const bool wasUpdating = Updating();
    BeginUpdate();
    SetPosX(x);
    SetPosY(y);
    if (!wasUpdating)
        EndUpdate(false);
}

void TStyFxCaption::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *fx = qobject_cast<const TStyFxCaption *>(&source);
    if (!fx) {
        TSty3DCaption::Assign(source);
        return;
    }
    CopyCaption(*fx);
    position_[0] = fx->position_[0];
    position_[1] = fx->position_[1];
    angle_ = fx->angle_;
    Change();
}

QString TStyFxCaption::SummaryText() const
{
    QString text = TSty3DCaption::SummaryText();
    if (angle_ == 0)
        return text;
    if (text == QLatin1String("{Disabled}"))
        text = QStringLiteral("{");
    else
        text.replace(text.size() - 1, 1, QLatin1Char(','));
    return text + QStringLiteral(" rot: %1°}").arg(angle_);
}
