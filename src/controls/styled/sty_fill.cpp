#include "controls/styled/sty_fill.h"

#include "controls/styled/sty_draw_fill.h"
#include "controls/styled/sty_draw_text.h"
#include "platform/ui/canvas.h"

#include <QPainter>

using namespace tav::styled;

TStyShapeFill::TStyShapeFill(QObject *parent) : TStyObject(parent), gradient_(new TStyGradient(this))
{
    gradient_->OnChange = [this](TStyObject *sender) { ChildChanged(sender); };
}

void TStyShapeFill::SetBitmap(const QImage &value)
{
    if (value == bitmap_)
        return;
    bitmap_ = value;
    Change();
}

void TStyShapeFill::SetStyle(TStyFillStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Change();
}

void TStyShapeFill::SetGradient(TStyGradient *value)
{
    gradient_->Assign(*value);
}

void TStyShapeFill::SetTileMode(TStyTileMode value)
{
    if (value == tileMode_)
        return;
    tileMode_ = value;
    Change();
}

bool TStyShapeFill::IsEmpty() const
{
    switch (style_) {
    case sfNone:
        return true;
    case sfBitmap:
        return bitmap_.isNull();
    case sfBitmapList:
        return listBitmap_.isNull();
    default:
        return false;
    }
}

QList<QColor> TStyShapeFill::GetPalette() const
{
    const auto table = [](const QImage &image) {
        QList<QColor> colors;
        for (QRgb rgb : image.colorTable())
            colors.append(QColor::fromRgb(rgb));
        return colors;
    };
    switch (style_) {
    case sfBrushBitmap:
    case sfBitmap:
        return table(bitmap_);
    case sfBitmapList:
        return table(listBitmap_);
    case sfGradient:
        return gradient_->Palette();
    default:
        return {};
    }
}

void TStyShapeFill::CopyShapeFill(const TStyShapeFill &source)
{
    bitmap_ = source.bitmap_;
    listBitmap_ = source.listBitmap_;
    style_ = source.style_;
    tileMode_ = source.tileMode_;
    gradient_->Assign(*source.gradient_);
}

void TStyShapeFill::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *fill = qobject_cast<const TStyShapeFill *>(&source);
    if (!fill)
        AssignError(source);
    BeginUpdate();
    CopyShapeFill(*fill);
    EndUpdate(true);
}

QString TStyShapeFill::SummaryText() const
{
    static const char *const names[] = {"Disabled", "", "Brush", "Bitmap", "BitmapList", "Gradient"};
    return QStringLiteral("{%1}").arg(QString::fromLatin1(names[style_]));
}

TStyFillObject::TStyFillObject(QObject *parent) : TStyShapeFill(parent), brush_(clWhite)
{
    SetStyle(sfNone);
}

void TStyFillObject::PlacementChanged()
{
    if ((Style() == sfBitmap || Style() == sfBitmapList) && TileMode() == tmNone)
        Change();
}

void TStyFillObject::SetAlignment(TStyAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    PlacementChanged();
}

void TStyFillObject::SetBrush(const QBrush &value)
{
    if (value == brush_)
        return;
    brush_ = value;
    Change();
}

void TStyFillObject::SetOffset(int index, int value)
{
    if (value == offsets_[index])
        return;
    offsets_[index] = value;
    PlacementChanged();
}

void TStyFillObject::SetOptions(TStyFillOptions value)
{
    if (value == options_)
        return;
    options_ = value;
    Change();
}

void TStyFillObject::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *fill = qobject_cast<const TStyFillObject *>(&source);
    if (!fill) {
        TStyShapeFill::Assign(source);
        return;
    }
    BeginUpdate();
    CopyShapeFill(*fill);
    alignment_ = fill->alignment_;
    brush_ = fill->brush_;
    offsets_[0] = fill->offsets_[0];
    offsets_[1] = fill->offsets_[1];
    options_ = fill->options_;
    EndUpdate(true);
}

void TStyFillObject::FillInner(QPainter &painter, const QRect &rect, const QColor &backColor) const
{
    if (options_.testFlag(foFillInner))
        painter.fillRect(rect, backColor);
}

bool TStyFillObject::FillPicture(QPainter &painter, const QRect &rect, const QColor &backColor) const
{
    const QImage &picture = Style() == sfBitmap ? Bitmap() : ListBitmap();
    if (picture.isNull()) {
        FillInner(painter, rect, backColor);
        return false;
    }
    switch (TileMode()) {
    case tmNone: {
        FillInner(painter, rect, backColor);
        const QRect box = PlaceBox(alignment_, picture.size(), rect).translated(offsets_[0], offsets_[1]);
        painter.drawImage(box.topLeft(), picture);
        break;
    }
    case tmCenter:
        FillInner(painter, rect, backColor);
        DrawBitmapMode(painter, rect, picture, bmCenter);
        break;
    case tmStretch:
        DrawBitmapMode(painter, rect, picture, bmStretch);
        break;
    case tmTile:
        DrawBitmapMode(painter, rect, picture, bmTile);
        break;
    }
    return true;
}

bool TStyFillObject::FillRect(QPainter &painter, const QRect &rect, const QColor &backColor) const
{
    switch (Style()) {
    case sfNone:
        return false;
    case sfBrushBitmap:
        // The whole bitmap is the pattern: the platform has no 8 × 8 limit on pattern brushes.
        if (!Bitmap().isNull())
            painter.fillRect(rect, QBrush(Bitmap()));
        return true;
    case sfBrush:
        painter.save();
        if (brush_.style() != Qt::SolidPattern) {
            painter.setBackground(backColor);
            painter.setBackgroundMode(Qt::OpaqueMode);
        }
        painter.setBrush(brush_);
        painter.setPen(Qt::NoPen);
        painter.drawRect(rect);
        painter.restore();
        return true;
    case sfBitmap:
    case sfBitmapList:
        return FillPicture(painter, rect, backColor);
    case sfGradient:
        FillGradient(painter, rect, *Gradient());
        return true;
    }
    return false;
}
