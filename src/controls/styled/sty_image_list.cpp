#include "controls/styled/sty_image_list.h"

#include "controls/styled/sty_draw_fill.h"
#include "controls/styled/sty_streams.h"

#include <QPainter>

#include <cstring>

namespace tav::styled {
namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

[[noreturn]] void InvalidImageSize()
{
    throw EInvalidGraphicOperation(SInvalidImageSize);
}

// A monochrome bitmap whose pixel 1 is white (the background shows) and 0 black.
QImage NewMask(int width, int height)
{
    QImage mask(width, height, QImage::Format_Mono);
    mask.setColorTable({Black, White});
    mask.fill(0);
    return mask;
}

QImage AsMask(const QImage &source)
{
    QImage mask = NewMask(source.width(), source.height());
    const QImage light = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < light.height(); ++y)
        for (int x = 0; x < light.width(); ++x)
            if (qGray(light.pixel(x, y)) >= 128)
                mask.setPixel(x, y, 1);
    return mask;
}

// The strip widened to width; the new part is black, and black in the mask (shown).
QImage Widened(const QImage &image, int width, int height, QImage::Format format)
{
    if (image.isNull())
        return format == QImage::Format_Mono ? NewMask(width, height) : [&] {
            QImage blank(width, height, format);
            blank.fill(0);
            return blank;
        }();
    return image.copy(0, 0, width, height);
}

} // namespace

QRgb BitmapTransparentColor(const QImage &bitmap)
{
    if (bitmap.isNull())
        return White;
    return bitmap.pixel(0, bitmap.height() - 1) | 0xFF000000;
}

} // namespace tav::styled

using namespace tav::styled;

TStyImageListItem::TStyImageListItem(QObject *owner) : TStyListItem(owner) {}

TStyImageListItem::TStyImageListItem(int width, int height, QObject *owner) : TStyListItem(owner)
{
    if (width < 1 || height < 1)
        InvalidImageSize();
    width_ = width;
    height_ = height;
}

void TStyImageListItem::SetAllocBy(int value)
{
    value = std::max(value, 1);
    if (allocBy_ == value)
        return;
    allocBy_ = value;
    Change();
}

void TStyImageListItem::SetMasked(bool value)
{
    if (masked_ == value)
        return;
    masked_ = value;
    mask_ = masked_ && !image_.isNull() ? NewMask(image_.width(), height_) : QImage();
    for (Offset &offset : offsets_)
        offset.masked = masked_;
    Change();
}

void TStyImageListItem::SetWidth(int value)
{
    if (value < 1)
        InvalidImageSize();
    if (width_ == value)
        return;
    width_ = value;
    Clear();
}

void TStyImageListItem::SetHeight(int value)
{
    if (value < 1)
        InvalidImageSize();
    if (height_ == value)
        return;
    height_ = value;
    Clear();
}

void TStyImageListItem::SetPixelFormat(TStySavePixelFormat value)
{
    if (pixelFormat_ == value)
        return;
    pixelFormat_ = value;
    Change();
}

QRect TStyImageListItem::ImageRect(int index) const
{
    if (index < 0 || index >= ImageCount())
        return {};
    return QRect(offsets_[std::size_t(index)].x, 0, width_, height_);
}

void TStyImageListItem::CheckIndex(int index) const
{
    if (index < 0 || index >= ImageCount())
        throw EInvalidGraphicOperation(SImageIndexError);
}

void TStyImageListItem::CheckImage(const QImage &image) const
{
    if (image.isNull() || image.height() != height_ || image.width() % width_ != 0)
        InvalidImageSize();
}

void TStyImageListItem::Reserve(int count)
{
    const int needed = usedWidth_ + count * width_;
    if (needed > MaxStripWidth)
        throw EInvalidGraphicOperation(STooManyImages);
    if (image_.width() >= needed)
        return;
    int width = image_.isNull() ? 0 : image_.width();
    while (width < needed)
        width += allocBy_ * width_;
    width = std::min(width, MaxStripWidth);
    image_ = Widened(image_, width, height_, QImage::Format_BGR888);
    if (masked_)
        mask_ = Widened(mask_, width, height_, QImage::Format_Mono);
}

void TStyImageListItem::Put(int index, const QImage &image, const QImage &mask)
{
    const QRect slot = ImageRect(index);
    const QImage colours = image.convertToFormat(QImage::Format_BGR888);
    for (int y = 0; y < height_; ++y)
        std::memcpy(image_.scanLine(y) + slot.x() * 3, colours.constScanLine(y), std::size_t(width_) * 3);
    if (!masked_)
        return;
    const QImage masks = mask.isNull() ? NewMask(width_, height_) : AsMask(mask);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            mask_.setPixel(slot.x() + x, y, masks.pixelIndex(x, y));
}

int TStyImageListItem::AddBlank()
{
    Reserve(1);
    offsets_.push_back({quint16(usedWidth_), std::uint8_t(masked_)});
    usedWidth_ += width_;
    const QRect slot = ImageRect(ImageCount() - 1);
    for (int y = 0; y < height_; ++y) {
        std::memset(image_.scanLine(y) + slot.x() * 3, 0, std::size_t(width_) * 3);
        if (masked_)
            for (int x = slot.left(); x <= slot.right(); ++x)
                mask_.setPixel(x, y, 0);
    }
    Change();
    return ImageCount() - 1;
}

int TStyImageListItem::Add(const QImage &image, const QImage &mask)
{
    if (image.isNull() && mask.isNull())
        return AddBlank();
    CheckImage(image);
    if (!mask.isNull() && mask.size() != image.size())
        InvalidImageSize();
    const int count = image.width() / width_;
    Reserve(count);
    const int first = ImageCount();
    BeginUpdate();
    for (int part = 0; part < count; ++part) {
        offsets_.push_back({quint16(usedWidth_), std::uint8_t(masked_)});
        usedWidth_ += width_;
        const QRect source(part * width_, 0, width_, height_);
        Put(ImageCount() - 1, image.copy(source), mask.isNull() ? QImage() : mask.copy(source));
    }
    EndUpdate(true);
    return first;
}

void TStyImageListItem::AddImages(const TStyImageListItem &other)
{
    if (other.width_ != width_ || other.height_ != height_)
        InvalidImageSize();
    if (other.IsEmpty())
        return;
    const QRect used(0, 0, other.usedWidth_, height_);
    Add(other.image_.copy(used), other.masked_ ? other.mask_.copy(used) : QImage());
}

void TStyImageListItem::Replace(int index, const QImage &image, const QImage &mask)
{
    CheckIndex(index);
    if (image.isNull() || image.size() != QSize(width_, height_) ||
        (!mask.isNull() && mask.size() != image.size()))
        InvalidImageSize();
    Put(index, image, mask);
    Change();
}

void TStyImageListItem::ReplaceMasked(int index, const QImage &image, QRgb transparentColor)
{
    CheckIndex(index);
    if (image.isNull() || image.size() != QSize(width_, height_))
        InvalidImageSize();
    if (!masked_) {
        Replace(index, image, QImage());
        return;
    }
    QImage colours = image.convertToFormat(QImage::Format_RGB32);
    QImage mask = NewMask(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if ((colours.pixel(x, y) & RGB_MASK) == (transparentColor & RGB_MASK)) {
                colours.setPixel(x, y, Black);
                mask.setPixel(x, y, 1);
            }
    Put(index, colours, mask);
    Change();
}

QImage TStyImageListItem::GetBitmap(int index) const
{
    CheckIndex(index);
    return image_.copy(ImageRect(index));
}

void TStyImageListItem::Draw(QPainter &painter, int x, int y, int index) const
{
    const QRect source = ImageRect(index);
    if (source.isEmpty())
        return;
    const QRect target(x, y, width_, height_);
    if (!masked_) {
        painter.drawImage(target.topLeft(), image_, source);
        return;
    }
    const bool blended = drawingStyle_ == 0 || drawingStyle_ == 1;
    if (!blended && !bkColor_.isValid()) {
        DrawMaskedImage(painter, target, image_, mask_, source);
        return;
    }
    // On a background of its own, so that the checker pattern covers the image only.
    QImage shown(width_, height_, QImage::Format_RGB32);
    shown.fill(bkColor_.isValid() ? bkColor_.rgb() : White);
    {
        QPainter onShown(&shown);
        DrawMaskedImage(onShown, shown.rect(), image_, mask_, source);
    }
    if (blended && blendColor_.isValid())
        for (int row = 0; row < height_; ++row)
            for (int column = 0; column < width_; ++column)
                if ((row + column) % 2 == drawingStyle_)
                    shown.setPixel(column, row, blendColor_.rgb());
    painter.drawImage(target.topLeft(), shown);
}

void TStyImageListItem::Clear()
{
    image_ = QImage();
    mask_ = QImage();
    offsets_.clear();
    usedWidth_ = 0;
    Change();
}

std::uint8_t TStyImageListItem::GetFlags() const
{
    return TStyListItem::GetFlags() | ifData | PixelFormatFlags(pixelFormat_);
}

void TStyImageListItem::WriteData(QIODevice &stream) const
{
    TStyListItem::WriteData(stream);
    WriteInteger(stream, height_);
    WriteInteger(stream, width_);
    WriteInteger(stream, allocBy_);
    WriteByte(stream, masked_);
    WriteInteger(stream, ImageCount());
    if (IsEmpty())
        return;
    const QRect used(0, 0, usedWidth_, height_);
    WriteBitmap(stream, image_.copy(used), Compressed(), PixelFormatColours(pixelFormat_));
    if (masked_)
        WriteBitmap(stream, mask_.copy(used), Compressed(), 2);
}

void TStyImageListItem::ReadData(QIODevice &stream)
{
    const Header header = ReadHeader(stream);
    const std::int32_t height = ReadInteger(stream);
    const std::int32_t width = ReadInteger(stream);
    const std::int32_t allocBy = ReadInteger(stream);
    const bool masked = ReadItemByte(stream) != 0;
    const std::int32_t count = ReadInteger(stream);
    if (height < 1 || width < 1 || width > MaxStripWidth || count < 0 || count > MaxStripWidth / width)
        InvalidImageSize();
    QImage image;
    QImage mask;
    if (count > 0) {
        const QSize size(count * width, height);
        ReadBitmap(stream, image, header.flags & ifCompressed);
        if (image.size() != size)
            InvalidImageSize();
        image = image.convertToFormat(QImage::Format_BGR888);
        if (masked) {
            ReadBitmap(stream, mask, header.flags & ifCompressed);
            if (mask.size() != size)
                InvalidImageSize();
            mask = AsMask(mask);
        }
    }
    TakeHeader(header);
    height_ = height;
    width_ = width;
    allocBy_ = std::max(allocBy, 1);
    masked_ = masked;
    pixelFormat_ = PixelFormatFromFlags(header.flags);
    image_ = image;
    mask_ = mask;
    offsets_.clear();
    for (int index = 0; index < count; ++index)
        offsets_.push_back({quint16(index * width), std::uint8_t(masked)});
    usedWidth_ = count * width;
    Change();
}

void TStyImageListItem::AssignItem(const TStyListItem &source)
{
    TStyListItem::AssignItem(source);
    if (const auto *strip = qobject_cast<const TStyImageListItem *>(&source)) {
        allocBy_ = strip->allocBy_;
        masked_ = strip->masked_;
        width_ = strip->width_;
        height_ = strip->height_;
        pixelFormat_ = strip->pixelFormat_;
        image_ = strip->image_;
        mask_ = strip->mask_;
        offsets_ = strip->offsets_;
        usedWidth_ = strip->usedWidth_;
    }
    Change();
}

void TStyImageListItem::DefineProperties(TStyFiler &filer)
{
    DefineInternal(filer);
}
