#pragma once

#include "controls/styled/sty_object.h"

#include <QByteArray>
#include <QImage>
#include <QRegion>

namespace tav::styled::regionmask {
Q_NAMESPACE

// The depth at which the mask's bitmaps are stored in a design.
enum TStySavePixelFormat
{
    spfDefault,
    spfMono,
    spf4bit,
    spf8bit
};
Q_ENUM_NS(TStySavePixelFormat)

} // namespace tav::styled::regionmask

namespace tav::styled {
using namespace regionmask;

// A region as stored bytes: a 32-bit little-endian count, then per rectangle its left, top, right
// and bottom (right and bottom exclusive), 32-bit little-endian each.
QByteArray RegionToData(const QRegion &region);
// The reverse; a block whose size does not match its count gives an empty region, as does an
// expected size other than the block's.
QRegion RegionFromData(const QByteArray &data, int expectedSize);

} // namespace tav::styled

// The stored shape of a form drawn from a bitmap: the region taken from the bitmap's pixels, the
// bitmap itself and two border pictures (up and down), kept in the design.
class TStyRegionMask : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(int RegionDataSize READ RegionDataSize WRITE SetRegionDataSize)
    Q_PROPERTY(bool Compressed READ Compressed WRITE SetCompressed)
    Q_PROPERTY(tav::styled::regionmask::TStySavePixelFormat PixelFormat READ PixelFormat WRITE SetPixelFormat)

public:
    using TStySavePixelFormat = tav::styled::regionmask::TStySavePixelFormat;

    explicit TStyRegionMask(QObject *parent = nullptr);

    int RegionDataSize() const { return regionDataSize_; }
    void SetRegionDataSize(int value) { regionDataSize_ = value; }
    bool Compressed() const { return compressed_; }
    void SetCompressed(bool value) { compressed_ = value; }
    TStySavePixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TStySavePixelFormat value) { pixelFormat_ = value; }

    const QByteArray &RegionData() const { return regionData_; }
    // Stores the region's data and its size.
    void SetRegion(const QRegion &region);
    // The stored region; empty when there is none or the data does not match its size.
    QRegion Region() const;

    const QImage &Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage &value) { bitmap_ = value; }
    const QImage &BorderUp() const { return borderUp_; }
    void SetBorderUp(const QImage &value) { borderUp_ = value; }
    const QImage &BorderDown() const { return borderDown_; }
    void SetBorderDown(const QImage &value) { borderDown_ = value; }

    // "RegionData", "BorderBmp", "BorderUpBmp" and "BorderDnBmp".
    void DefineProperties(TStyFiler &filer) override;
    void Assign(const TStyObject &source) override;

private:
    // The depth asked of the bitmap writer for PixelFormat.
    int SaveDepth() const;
    void DefineBitmap(TStyFiler &filer, const QString &name, QImage &bitmap);

    int regionDataSize_ = 0;
    bool compressed_ = false;
    TStySavePixelFormat pixelFormat_ = tav::styled::spfDefault;
    QByteArray regionData_;
    QImage bitmap_;
    QImage borderUp_;
    QImage borderDown_;
};
