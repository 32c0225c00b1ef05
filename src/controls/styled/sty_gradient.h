#pragma once

#include "controls/styled/sty_object.h"

#include <QColor>
#include <QList>

namespace tav::styled::gradient {
Q_NAMESPACE

// The shape of the colour bands of a gradient fill.
enum TStyGradientStyle
{
    gstHorizontal,
    gstVertical,
    gstSquare,
    gstElliptic,
    gstTopLeft,
    gstTopRight,
    gstBottomLeft,
    gstBottomRight,
    gstTopLeftDiagonal,
    gstTopRightDiagonal
};
Q_ENUM_NS(TStyGradientStyle)

} // namespace tav::styled::gradient

namespace tav::styled {
using namespace gradient;

// Appends count colours going evenly from a to b. Starting afresh empties the list first; else the
// ramp leaves out its first colour, which the previous ramp ended with. One colour is a itself.
void AppendColorRamp(const QColor &a, const QColor &b, int count, bool startAfresh, QList<QColor> &list);
// The colour step/steps of the way from a to b, each channel rounded to the nearest integer.
QColor InterpolateColor(const QColor &a, const QColor &b, int step, int steps);
// The palette of a colour table: its colours in order, none for an empty table. Colours are drawn
// as they are, so the palette only tells which colours a fill uses.
QList<QColor> CreateRampPalette(const QList<QColor> &list);

} // namespace tav::styled

// A colour ramp: from Color to EndColor, or through the colour stops of ColorList, in ColorCount
// colours. The table of colours is rebuilt before every change is announced.
class TStyGradient : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int ColorCount READ ColorCount WRITE SetColorCount)
    Q_PROPERTY(tav::styled::gradient::TStyGradientStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QColor EndColor READ EndColor WRITE SetEndColor)
    Q_PROPERTY(bool PaletteRealize READ PaletteRealize WRITE SetPaletteRealize)
    Q_PROPERTY(bool TwoColors READ TwoColors WRITE SetTwoColors)

public:
    using TStyGradientStyle = tav::styled::gradient::TStyGradientStyle;

    explicit TStyGradient(QObject *parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor &value);
    // 2..236.
    int ColorCount() const { return colorCount_; }
    void SetColorCount(int value);
    TStyGradientStyle Style() const { return style_; }
    void SetStyle(TStyGradientStyle value);
    QColor EndColor() const { return endColor_; }
    void SetEndColor(const QColor &value);
    bool PaletteRealize() const { return paletteRealize_; }
    void SetPaletteRealize(bool value);
    bool TwoColors() const { return twoColors_; }
    void SetTwoColors(bool value);

    // The colour stops of the many-colours mode; after editing them call Change().
    QList<QColor> &ColorList() { return colorList_; }
    const QList<QColor> &ColorList() const { return colorList_; }
    // The colours a fill paints, one band each.
    const QList<QColor> &Colors() const { return colors_; }
    // The table as a palette when PaletteRealize is on, else empty.
    const QList<QColor> &Palette() const { return palette_; }

    void Change() override;
    void Assign(const TStyObject &source) override;
    void DefineProperties(TStyFiler &filer) override;
    QString SummaryText() const override;

private:
    void BuildColors();

    quint8 colorCount_ = 16;
    QColor color_;
    QList<QColor> colors_;
    QColor endColor_;
    bool paletteRealize_ = false;
    QList<QColor> palette_;
    TStyGradientStyle style_ = tav::styled::gstVertical;
    QList<QColor> colorList_;
    bool twoColors_ = true;
};
