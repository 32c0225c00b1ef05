#include "controls/styled/sty_image_lists.h"

#include "controls/styled/sty_container_items.h"
#include "controls/styled/sty_draw_fill.h"
#include "controls/styled/sty_image_list.h"

#include <QPainter>

using namespace tav::styled;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

} // namespace

void TStyCustomImageList::DrawExt(QPainter &painter, const QRect &rect, int listIndex, int imageIndex) const
{
    if (!IsValidIndex(listIndex, imageIndex))
        return;
    if (IsMasked(listIndex)) {
        const auto *strip = qobject_cast<const TStyImageListItem *>(Items(listIndex));
        DrawMaskedImage(painter, rect, strip->Image(), strip->Mask(), GetImageRect(listIndex, imageIndex));
        return;
    }
    DrawBitmapMode(painter, rect, GetBitmap(listIndex, imageIndex), bmTransparent);
}

void TStyBitmapList::SetDefaultPixelFormat(TStySavePixelFormat value)
{
    if (defaultPixelFormat_ == value)
        return;
    defaultPixelFormat_ = value;
    Change();
}

TStyBitmapListItem *TStyBitmapList::Bitmaps(int listIndex) const
{
    return qobject_cast<TStyBitmapListItem *>(Items(listIndex));
}

TStyListItem *TStyBitmapList::NewItem()
{
    auto *item = new TStyBitmapListItem(this);
    item->SetPixelFormat(defaultPixelFormat_);
    return item;
}

void TStyBitmapList::Assign(const TStyCustomContainer &source)
{
    // The inherited Assign tells of the whole change once.
    if (const auto *list = qobject_cast<const TStyBitmapList *>(&source))
        defaultPixelFormat_ = list->defaultPixelFormat_;
    TStyCustomImageList::Assign(source);
}

QImage TStyBitmapList::Picture(int listIndex) const
{
    const TStyBitmapListItem *item = Bitmaps(listIndex);
    return item ? item->Bitmap() : QImage();
}

QImage TStyBitmapList::GetCanvas(int listIndex) const
{
    return Picture(listIndex);
}

QRect TStyBitmapList::GetImageRect(int listIndex, int) const
{
    return QRect(QPoint(0, 0), Picture(listIndex).size());
}

int TStyBitmapList::GetSize(int listIndex, int which) const
{
    const QImage picture = Picture(listIndex);
    return which == 0 ? picture.width() : picture.height();
}

int TStyBitmapList::Count(int listIndex) const
{
    return Picture(listIndex).isNull() ? 0 : 1;
}

bool TStyBitmapList::IsValidIndex(int listIndex, int) const
{
    return !Picture(listIndex).isNull();
}

QImage TStyBitmapList::GetBitmap(int listIndex, int) const
{
    return Picture(listIndex);
}

bool TStyBitmapList::IsMasked(int) const
{
    return false;
}

QList<QRgb> TStyBitmapList::GetPalette(int listIndex) const
{
    return Picture(listIndex).colorTable();
}

QRgb TStyBitmapList::GetTransparentColor(int listIndex, int) const
{
    const QImage picture = Picture(listIndex);
    return picture.isNull() ? White : BitmapTransparentColor(picture);
}

QRgb TStyBitmapList::GetPixel(QPoint point, int listIndex, int) const
{
    const QImage picture = Picture(listIndex);
    return picture.valid(point) ? picture.pixel(point) : White;
}

void TStyBitmapList::Draw(QPainter &painter, int x, int y, int listIndex, int) const
{
    const QImage picture = Picture(listIndex);
    if (!picture.isNull())
        painter.drawImage(QPoint(x, y), picture);
}

void TStyImageList::SetDefaultPixelFormat(TStySavePixelFormat value)
{
    if (defaultPixelFormat_ == value)
        return;
    defaultPixelFormat_ = value;
    Change();
}

TStyImageListItem *TStyImageList::Strips(int listIndex) const
{
    return qobject_cast<TStyImageListItem *>(Items(listIndex));
}

TStyListItem *TStyImageList::NewItem()
{
    auto *item = new TStyImageListItem(this);
    item->SetPixelFormat(defaultPixelFormat_);
    return item;
}

void TStyImageList::Assign(const TStyCustomContainer &source)
{
    // The inherited Assign tells of the whole change once.
    if (const auto *list = qobject_cast<const TStyImageList *>(&source))
        defaultPixelFormat_ = list->defaultPixelFormat_;
    TStyCustomImageList::Assign(source);
}

QImage TStyImageList::GetCanvas(int listIndex) const
{
    const TStyImageListItem *strip = Strips(listIndex);
    return strip ? strip->Image() : QImage();
}

QRect TStyImageList::GetImageRect(int listIndex, int imageIndex) const
{
    const TStyImageListItem *strip = Strips(listIndex);
    return strip ? strip->ImageRect(imageIndex) : QRect();
}

int TStyImageList::GetSize(int listIndex, int which) const
{
    const TStyImageListItem *strip = Strips(listIndex);
    if (!strip)
        return 0;
    return which == 0 ? strip->Width() : strip->Height();
}

int TStyImageList::Count(int listIndex) const
{
    const TStyImageListItem *strip = Strips(listIndex);
    return strip ? strip->ImageCount() : -1;
}

bool TStyImageList::IsValidIndex(int listIndex, int imageIndex) const
{
    const TStyImageListItem *strip = Strips(listIndex);
    return strip && imageIndex >= 0 && imageIndex < strip->ImageCount();
}

QImage TStyImageList::GetBitmap(int listIndex, int imageIndex) const
{
    return IsValidIndex(listIndex, imageIndex) ? Strips(listIndex)->GetBitmap(imageIndex) : QImage();
}

bool TStyImageList::IsMasked(int listIndex) const
{
    const TStyImageListItem *strip = Strips(listIndex);
    return strip && strip->Masked();
}

QList<QRgb> TStyImageList::GetPalette(int listIndex) const
{
    return GetCanvas(listIndex).colorTable();
}

QRgb TStyImageList::GetTransparentColor(int listIndex, int imageIndex) const
{
    if (!IsValidIndex(listIndex, imageIndex))
        return White;
    const QRect rect = GetImageRect(listIndex, imageIndex);
    return Strips(listIndex)->Image().pixel(rect.bottomLeft()) | 0xFF000000;
}

QRgb TStyImageList::GetPixel(QPoint point, int listIndex, int imageIndex) const
{
    if (!IsValidIndex(listIndex, imageIndex))
        return White;
    const QRect rect = GetImageRect(listIndex, imageIndex);
    const QPoint at = rect.topLeft() + point;
    return rect.contains(at) ? Strips(listIndex)->Image().pixel(at) : White;
}

void TStyImageList::Draw(QPainter &painter, int x, int y, int listIndex, int imageIndex) const
{
    if (IsValidIndex(listIndex, imageIndex))
        Strips(listIndex)->Draw(painter, x, y, imageIndex);
}

bool RebindImageList(QObject &owner, QPointer<TStyCustomImageList> &reference, TStyChangeLink &link,
                     TStyCustomImageList *value, const std::function<void()> &gone)
{
    if (value == reference)
        return false;
    if (reference) {
        reference->UnRegisterChanges(link);
        QObject::disconnect(reference, nullptr, &owner, nullptr);
    }
    reference = value;
    if (value) {
        value->RegisterChanges(link);
        QObject::connect(value, &QObject::destroyed, &owner, [&reference, gone] {
            reference = nullptr;
            gone();
        });
    }
    return true;
}
