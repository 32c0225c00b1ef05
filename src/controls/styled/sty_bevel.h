#pragma once

#include "controls/styled/sty_draw.h"
#include "controls/styled/sty_draw_bevel.h"
#include "controls/styled/sty_object.h"

#include <QColor>
#include <QRect>

class QPainter;

// The border of a bevel panel, a group box, a scroll box or a label: it paints itself around a
// rectangle and tells its owner how wide it is, so that the owner can shrink the area of its
// children.
class TStyBevel : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(tav::styled::bevel::TStyBevelStyle StyleInner READ StyleInner WRITE SetStyleInner)
    Q_PROPERTY(tav::styled::bevel::TStyBevelStyle StyleOuter READ StyleOuter WRITE SetStyleOuter)
    Q_PROPERTY(int WidthInner READ WidthInner WRITE SetWidthInner)
    Q_PROPERTY(int WidthOuter READ WidthOuter WRITE SetWidthOuter)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(tav::styled::bevel::TStyFrameSides BorderSides READ BorderSides WRITE SetBorderSides)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int BorderInnerWidth READ BorderInnerWidth WRITE SetBorderInnerWidth)
    Q_PROPERTY(tav::styled::bevel::TStyEdgeStyle EdgeStyle READ EdgeStyle WRITE SetEdgeStyle)
    Q_PROPERTY(QColor LightColor READ LightColor WRITE SetLightColor)
    Q_PROPERTY(tav::styled::bevel::TStyBevelMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(tav::styled::look::TStyBorderStyle StandardStyle READ StandardStyle WRITE SetStandardStyle)

public:
    using TStyBevelStyle = tav::styled::bevel::TStyBevelStyle;
    using TStyBevelMode = tav::styled::bevel::TStyBevelMode;
    using TStyEdgeStyle = tav::styled::bevel::TStyEdgeStyle;
    using TStyFrameSides = tav::styled::bevel::TStyFrameSides;
    using TStyBorderStyle = tav::styled::look::TStyBorderStyle;

    explicit TStyBevel(QObject *parent = nullptr);

    TStyBevelStyle StyleInner() const { return styles_[0]; }
    // bvShadow is shared by both styles: choosing it sets both, leaving it clears the other.
    void SetStyleInner(TStyBevelStyle value) { SetStyle(0, value); }
    TStyBevelStyle StyleOuter() const { return styles_[1]; }
    void SetStyleOuter(TStyBevelStyle value) { SetStyle(1, value); }
    // 0..50.
    int WidthInner() const { return widths_[0]; }
    void SetWidthInner(int value) { SetWidth(0, value); }
    int WidthOuter() const { return widths_[1]; }
    void SetWidthOuter(int value) { SetWidth(1, value); }
    QColor BorderColor() const { return colors_[0]; }
    void SetBorderColor(const QColor &value) { SetColor(0, value); }
    QColor LightColor() const { return colors_[1]; }
    void SetLightColor(const QColor &value) { SetColor(1, value); }
    QColor ShadowColor() const { return colors_[2]; }
    void SetShadowColor(const QColor &value) { SetColor(2, value); }
    TStyFrameSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TStyFrameSides value);
    // 0..255: the frame between the outer and the inner bevel.
    int BorderWidth() const { return borderWidths_[0]; }
    void SetBorderWidth(int value) { SetBorderWidthAt(0, value); }
    // 0..255: the frame inside the border of every mode.
    int BorderInnerWidth() const { return borderWidths_[1]; }
    void SetBorderInnerWidth(int value) { SetBorderWidthAt(1, value); }
    TStyEdgeStyle EdgeStyle() const { return edgeStyle_; }
    void SetEdgeStyle(TStyEdgeStyle value);
    TStyBevelMode Mode() const { return mode_; }
    void SetMode(TStyBevelMode value);
    TStyBorderStyle StandardStyle() const { return standardStyle_; }
    // Notifies the owner only while the standard style is what it draws.
    void SetStandardStyle(TStyBorderStyle value);

    // Set by a panel whose window frame draws the Windows border; the bevel then takes no room
    // for it.
    bool WindowFrame() const { return windowFrame_; }
    void SetWindowFrame(bool value) { windowFrame_ = value; }
    // The window must be made again: the kind of its frame changed, or it draws the border.
    // Reading it clears the change.
    bool NeedsRecreate();

    // The border's extent at the top and left (what an owner tests for 0) and at the bottom and
    // right; they differ only for the shadow.
    int Width() const { return topLeft_; }
    int BottomRightWidth() const { return bottomRight_; }
    // The area inside the border.
    QRect AdjustRect(const QRect &rect) const;
    // Draws the border into rect and gives back the area inside it; with suppressFill the frames
    // in the border colour are left out (the background shows through them).
    QRect Paint(QPainter &painter, QRect rect, bool suppressFill) const;

    void Change() override;
    void Assign(const TStyObject &source) override;
    QString SummaryText() const override;

private:
    void SetStyle(int index, TStyBevelStyle value);
    void SetWidth(int index, int value);
    void SetColor(int index, const QColor &value);
    void SetBorderWidthAt(int index, int value);
    bool IsShadow() const { return mode_ == tav::styled::bmCustom && styles_[0] == tav::styled::bvShadow; }
    void ComputeExtent();

    TStyBevelStyle styles_[2] = {tav::styled::bvNone, tav::styled::bvNone};
    int widths_[2] = {1, 1};
    QColor colors_[3];
    TStyFrameSides borderSides_ =
        tav::styled::fsBottom | tav::styled::fsLeft | tav::styled::fsRight | tav::styled::fsTop;
    int borderWidths_[2] = {0, 0};
    TStyEdgeStyle edgeStyle_ = tav::styled::etEtched;
    TStyBevelMode mode_ = tav::styled::bmCustom;
    TStyBorderStyle standardStyle_ = tav::styled::lsSingleLowered;
    bool windowFrame_ = false;
    bool frameKindChanged_ = false;
    int topLeft_ = 0;
    int bottomRight_ = 0;
};
