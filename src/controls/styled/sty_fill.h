#pragma once

#include "controls/styled/sty_gradient.h"
#include "controls/styled/sty_layout.h"
#include "controls/styled/sty_object.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QList>

class QPainter;

namespace tav::styled::fill {
Q_NAMESPACE

// What an area is filled with.
enum TStyFillStyle
{
    sfNone,
    sfBrushBitmap,
    sfBrush,
    sfBitmap,
    sfBitmapList,
    sfGradient
};
Q_ENUM_NS(TStyFillStyle)

// How a picture covers the area: placed once, centred, stretched or repeated.
enum TStyTileMode
{
    tmNone,
    tmCenter,
    tmStretch,
    tmTile
};
Q_ENUM_NS(TStyTileMode)

enum TStyFillOption
{
    foFillInner = 0x1,
    foQuickDraw = 0x2,
    foGrUseBitmap = 0x4
};
Q_DECLARE_FLAGS(TStyFillOptions, TStyFillOption)
Q_FLAG_NS(TStyFillOptions)

} // namespace tav::styled::fill

Q_DECLARE_OPERATORS_FOR_FLAGS(tav::styled::fill::TStyFillOptions)

namespace tav::styled {
using namespace fill;
}

// How an area is filled: a brush, a brush pattern from a bitmap, a picture of its own or of an
// image list, or a gradient.
class TStyShapeFill : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE SetBitmap)
    Q_PROPERTY(tav::styled::fill::TStyFillStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(TStyGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(tav::styled::fill::TStyTileMode TileMode READ TileMode WRITE SetTileMode)

public:
    using TStyFillStyle = tav::styled::fill::TStyFillStyle;
    using TStyTileMode = tav::styled::fill::TStyTileMode;

    explicit TStyShapeFill(QObject *parent = nullptr);

    const QImage &Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage &value);
    TStyFillStyle Style() const { return style_; }
    void SetStyle(TStyFillStyle value);
    TStyGradient *Gradient() const { return gradient_; }
    void SetGradient(TStyGradient *value);
    TStyTileMode TileMode() const { return tileMode_; }
    void SetTileMode(TStyTileMode value);

    // The picture taken from an image list for sfBitmapList; whoever sets it announces the change.
    const QImage &ListBitmap() const { return listBitmap_; }
    void SetListBitmap(const QImage &value) { listBitmap_ = value; }

    // Nothing to fill with: no style, or a picture style without its picture.
    bool IsEmpty() const;
    // The colours the fill draws with, as far as its source has a colour table.
    QList<QColor> GetPalette() const;

    void Assign(const TStyObject &source) override;
    QString SummaryText() const override;

protected:
    // Copies the fill's own settings without notifying.
    void CopyShapeFill(const TStyShapeFill &source);

private:
    QImage bitmap_;
    QImage listBitmap_;
    TStyFillStyle style_ = tav::styled::sfBrush;
    TStyGradient *gradient_;
    TStyTileMode tileMode_ = tav::styled::tmTile;
};

// A shape fill that paints rectangles: a picture placed by an alignment and offsets, and the area
// around a picture filled with the background colour.
class TStyFillObject : public TStyShapeFill
{
    Q_OBJECT
    Q_PROPERTY(tav::styled::layout::TStyAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QBrush Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(int OffsetX READ OffsetX WRITE SetOffsetX)
    Q_PROPERTY(int OffsetY READ OffsetY WRITE SetOffsetY)
    Q_PROPERTY(tav::styled::fill::TStyFillOptions Options READ Options WRITE SetOptions)

public:
    using TStyAlignment = tav::styled::layout::TStyAlignment;
    using TStyFillOptions = tav::styled::fill::TStyFillOptions;

    explicit TStyFillObject(QObject *parent = nullptr);

    TStyAlignment Alignment() const { return alignment_; }
    void SetAlignment(TStyAlignment value);
    const QBrush &Brush() const { return brush_; }
    void SetBrush(const QBrush &value);
    int OffsetX() const { return offsets_[0]; }
    void SetOffsetX(int value) { SetOffset(0, value); }
    int OffsetY() const { return offsets_[1]; }
    void SetOffsetY(int value) { SetOffset(1, value); }
    TStyFillOptions Options() const { return options_; }
    void SetOptions(TStyFillOptions value);

    // Paints rect in the fill's style over backColor; false when nothing of the fill was painted
    // (no style, or a picture style without its picture).
    bool FillRect(QPainter &painter, const QRect &rect, const QColor &backColor) const;

    void Assign(const TStyObject &source) override;

private:
    void SetOffset(int index, int value);
    // The placement settings only show while one picture is placed untiled.
    void PlacementChanged();
    bool FillPicture(QPainter &painter, const QRect &rect, const QColor &backColor) const;
    void FillInner(QPainter &painter, const QRect &rect, const QColor &backColor) const;

    TStyAlignment alignment_ = tav::styled::agTopLeft;
    QBrush brush_;
    int offsets_[2] = {0, 0};
    TStyFillOptions options_ = {tav::styled::foFillInner, tav::styled::foGrUseBitmap};
};
