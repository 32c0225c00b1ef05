#pragma once

#include "controls/styled/sty_object.h"

#include <QColor>

namespace tav::styled::caption {
Q_NAMESPACE

// How a caption looks while its control is disabled.
enum TStyDisabledStyle
{
    dsAuto,
    dsStandard,
    ds3d,
    dsNone
};
Q_ENUM_NS(TStyDisabledStyle)

// The side towards which an extruded caption recedes.
enum TStyThreeDOrientation
{
    toBottomLeft,
    toBottomRight,
    toTopLeft,
    toTopRight
};
Q_ENUM_NS(TStyThreeDOrientation)

enum TStyThreeDStyle
{
    tdNone,
    tdSunken,
    tdRaised,
    tdSunkenShadow,
    tdRaisedShadow,
    tdPColorSunken,
    tdPColorRaised,
    tdShadow,
    tdOutline,
    tdExtrude,
    tdExtrudeEnh
};
Q_ENUM_NS(TStyThreeDStyle)

} // namespace tav::styled::caption

namespace tav::styled {
using namespace caption;
// The system colours of raised and sunken edges, taken from the application's palette.
QColor SysBtnHighlight();
QColor SysBtnShadow();
QColor SysBtnFace();
QColor SysGrayText();
} // namespace tav::styled

// The 3-D look of a caption: sunken, raised, shadowed, outlined or extruded text, and how the
// caption looks when its control is disabled.
class TSty3DCaption : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(
        tav::styled::caption::TStyDisabledStyle DisabledStyle READ DisabledStyle WRITE SetDisabledStyle)
    Q_PROPERTY(int LightDepth READ LightDepth WRITE SetLightDepth)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(QColor LightColor READ LightColor WRITE SetLightColor)
    Q_PROPERTY(tav::styled::caption::TStyThreeDOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(tav::styled::caption::TStyThreeDStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Tracing READ Tracing WRITE SetTracing)

public:
    using TStyDisabledStyle = tav::styled::caption::TStyDisabledStyle;
    using TStyThreeDOrientation = tav::styled::caption::TStyThreeDOrientation;
    using TStyThreeDStyle = tav::styled::caption::TStyThreeDStyle;

    explicit TSty3DCaption(QObject *parent = nullptr);

    TStyDisabledStyle DisabledStyle() const { return disabledStyle_; }
    void SetDisabledStyle(TStyDisabledStyle value);
    int LightDepth() const { return depths_[0]; }
    void SetLightDepth(int value) { SetDepth(0, value); }
    int ShadowDepth() const { return depths_[1]; }
    void SetShadowDepth(int value) { SetDepth(1, value); }
    QColor LightColor() const { return colors_[0]; }
    void SetLightColor(const QColor &value) { SetColor(0, value); }
    QColor ShadowColor() const { return colors_[1]; }
    void SetShadowColor(const QColor &value) { SetColor(1, value); }
    TStyThreeDStyle Style() const { return style_; }
    void SetStyle(TStyThreeDStyle value);
    TStyThreeDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TStyThreeDOrientation value);
    int Tracing() const { return tracing_; }
    void SetTracing(int value);

    // The extra height and width the style's copies take beside the text itself.
    int Depth() const { return Depth(style_); }
    // The same for another style, as a disabled caption is drawn in.
    int Depth(TStyThreeDStyle style) const;

    void Assign(const TStyObject &source) override;
    QString SummaryText() const override;

protected:
    // Copies the 3-D settings without notifying.
    void CopyCaption(const TSty3DCaption &source);

private:
    void SetDepth(int index, int value);
    void SetColor(int index, const QColor &value);

    TStyDisabledStyle disabledStyle_ = tav::styled::dsAuto;
    quint8 depths_[2] = {1, 1};
    QColor colors_[2];
    TStyThreeDStyle style_ = tav::styled::tdNone;
    TStyThreeDOrientation orientation_ = tav::styled::toTopLeft;
    int tracing_ = 0;
};

// A 3-D caption that can also be turned: Angle in degrees counter-clockwise, and the position the
// control last drew it at.
class TStyFxCaption : public TSty3DCaption
{
    Q_OBJECT
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(int PosY READ PosY WRITE SetPosY)

public:
    explicit TStyFxCaption(QObject *parent = nullptr);

    int Angle() const { return angle_; }
    // 0..360; a full turn is kept as 0.
    void SetAngle(int value);
    int PosX() const { return position_[0]; }
    void SetPosX(int value) { SetPos(0, value); }
    int PosY() const { return position_[1]; }
    void SetPosY(int value) { SetPos(1, value); }
    // Stores where the caption was painted without telling the owner, which is painting it.
    void SetPosition(int x, int y);

    void Assign(const TStyObject &source) override;
    QString SummaryText() const override;

private:
    void SetPos(int index, int value);

    quint16 angle_ = 0;
    quint16 position_[2] = {0, 0};
};
