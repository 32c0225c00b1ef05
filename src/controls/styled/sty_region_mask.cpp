#include "controls/styled/sty_region_mask.h"

#include "controls/styled/sty_streams.h"

#include <QBuffer>
#include <QtEndian>

using namespace tav::styled;

namespace tav::styled {
namespace {

constexpr int RectBytes = 16;

void PutInt(QByteArray &data, std::int32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    data.append(bytes, 4);
}

std::int32_t IntAt(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<std::int32_t>(data.constData() + offset);
}

} // namespace

QByteArray RegionToData(const QRegion &region)
{
    QByteArray data;
    PutInt(data, std::int32_t(region.rectCount()));
    for (const QRect &rect : region) {
        PutInt(data, rect.left());
        PutInt(data, rect.top());
        PutInt(data, rect.right() + 1);
        PutInt(data, rect.bottom() + 1);
    }
    return data;
}

QRegion RegionFromData(const QByteArray &data, int expectedSize)
{
    if (data.size() != expectedSize || data.size() < 4)
        return {};
    const std::int32_t count = IntAt(data, 0);
    if (count < 0 || data.size() != 4 + qsizetype(count) * RectBytes)
        return {};
    QRegion region;
    for (std::int32_t index = 0; index < count; ++index) {
        const qsizetype at = 4 + qsizetype(index) * RectBytes;
        region += QRect(QPoint(IntAt(data, at), IntAt(data, at + 4)),
                        QPoint(IntAt(data, at + 8) - 1, IntAt(data, at + 12) - 1));
    }
    return region;
}

} // namespace tav::styled

TStyRegionMask::TStyRegionMask(QObject *parent) : TStyObject(parent) {}

void TStyRegionMask::SetRegion(const QRegion &region)
{
    regionData_ = region.isEmpty() ? QByteArray() : RegionToData(region);
    regionDataSize_ = int(regionData_.size());
    Change();
}

QRegion TStyRegionMask::Region() const
{
    if (regionDataSize_ == 0)
        return {};
    return RegionFromData(regionData_, regionDataSize_);
}

int TStyRegionMask::SaveDepth() const
{
    static const int depths[] = {0, 2, 16, 256};
    return depths[pixelFormat_];
}

void TStyRegionMask::DefineBitmap(TStyFiler &filer, const QString &name, QImage &bitmap)
{
    filer.DefineBinaryProperty(
        name, [this, &bitmap](QIODevice &device) { ReadBitmap(device, bitmap, compressed_); },
        [this, &bitmap](QIODevice &device) { WriteBitmap(device, bitmap, compressed_, SaveDepth()); },
        !bitmap.isNull());
}

void TStyRegionMask::DefineProperties(TStyFiler &filer)
{
    filer.DefineBinaryProperty(
        QStringLiteral("RegionData"), [this](QIODevice &device) { regionData_ = device.readAll(); },
        [this](QIODevice &device) { device.write(regionData_); }, regionDataSize_ > 0);
    DefineBitmap(filer, QStringLiteral("BorderBmp"), bitmap_);
    DefineBitmap(filer, QStringLiteral("BorderUpBmp"), borderUp_);
    DefineBitmap(filer, QStringLiteral("BorderDnBmp"), borderDown_);
}

void TStyRegionMask::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *mask = qobject_cast<const TStyRegionMask *>(&source);
    if (!mask)
        AssignError(source);
    regionData_.clear();
    regionDataSize_ = mask->regionDataSize_;
    if (regionDataSize_ > 0)
        regionData_ = mask->regionData_;
    bitmap_ = mask->bitmap_;
    borderUp_ = mask->borderUp_;
    borderDown_ = mask->borderDown_;
    Change();
}
