#pragma once

#include "controls/styled/sty_container.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <vector>

class QPainter;

namespace tav::styled {

// The widest strip an image list keeps.
inline constexpr int MaxStripWidth = 32768;

inline const QString SInvalidImageSize = QStringLiteral("Μη έγκυρο μέγεθος εικόνας");
inline const QString STooManyImages = QStringLiteral("Πάρα πολλές εικόνες");
inline const QString SImageIndexError = QStringLiteral("Μη έγκυρος αριθμός εικόνας στη λίστα εικόνων");

// The colour a bitmap treats as transparent: its bottom-left pixel (white for an empty one).
QRgb BitmapTransparentColor(const QImage &bitmap);

} // namespace tav::styled

// An image strip: images of Width × Height side by side in one 24-bit bitmap, with their masks
// in a monochrome bitmap of the same size when Masked (white where the background shows). The
// strip grows by AllocBy images at a time.
class TStyImageListItem : public TStyListItem
{
    Q_OBJECT
    Q_PROPERTY(int AllocBy READ AllocBy WRITE SetAllocBy)
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    Q_PROPERTY(bool Masked READ Masked WRITE SetMasked)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
    explicit TStyImageListItem(QObject *owner = nullptr);
    // A strip of the given image size; a size below 1 raises EInvalidGraphicOperation.
    TStyImageListItem(int width, int height, QObject *owner = nullptr);

    int AllocBy() const { return allocBy_; }
    void SetAllocBy(int value);
    bool Masked() const { return masked_; }
    // Switching masks on gives every image a mask that shows all of it.
    void SetMasked(bool value);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new image size empties the strip; a size below 1 raises EInvalidGraphicOperation.
    void SetWidth(int value);
    void SetHeight(int value);
    TStySavePixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TStySavePixelFormat value);

    // Drawing settings of Draw: background and blend colours (invalid: none) and the style
    // (0 and 1 blend the image with the blend colour in a checker pattern, 2 draws it as it is).
    QColor BkColor() const { return bkColor_; }
    void SetBkColor(const QColor &value) { bkColor_ = value; }
    QColor BlendColor() const { return blendColor_; }
    void SetBlendColor(const QColor &value) { blendColor_ = value; }
    int DrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(int value) { drawingStyle_ = value; }

    int ImageCount() const { return int(offsets_.size()); }
    int UsedWidth() const { return usedWidth_; }
    const QImage &Image() const { return image_; }
    // The masks; null while not Masked.
    const QImage &Mask() const { return mask_; }
    // The rectangle of an image in the strip; empty for a bad index.
    QRect ImageRect(int index) const;

    // Appends one black image with a mask that shows it and returns its index.
    int AddBlank();
    // Appends the images of a bitmap whose height is Height and whose width is a whole multiple
    // of Width, with their masks; both null adds a blank image. Returns the first new index.
    int Add(const QImage &image, const QImage &mask);
    // Appends all images of a strip of the same image size.
    void AddImages(const TStyImageListItem &other);
    void Replace(int index, const QImage &image, const QImage &mask);
    // Stores the image with its mask made from the transparent colour: those pixels become black
    // in the image and white in the mask.
    void ReplaceMasked(int index, const QImage &image, QRgb transparentColor);
    // Width × Height with the image copied; a bad index raises EInvalidGraphicOperation.
    QImage GetBitmap(int index) const;
    void Draw(QPainter &painter, int x, int y, int index) const;

    void Clear() override;
    bool IsEmpty() const override { return offsets_.empty(); }
    void ReadData(QIODevice &stream) override;
    void WriteData(QIODevice &stream) const override;
    std::uint8_t GetFlags() const override;
    void AssignItem(const TStyListItem &source) override;
    void DefineProperties(TStyFiler &filer) override;

private:
    struct Offset
    {
        quint16 x = 0;
        std::uint8_t masked = 0;
    };
    void CheckIndex(int index) const;
    void CheckImage(const QImage &image) const;
    // Makes room for count more images or raises, changing nothing.
    void Reserve(int count);
    void Put(int index, const QImage &image, const QImage &mask);

    int allocBy_ = 4;
    bool masked_ = false;
    int width_ = 16;
    int height_ = 16;
    TStySavePixelFormat pixelFormat_ = spfDefault;
    QColor bkColor_;
    QColor blendColor_;
    int drawingStyle_ = 2;
    QImage image_;
    QImage mask_;
    std::vector<Offset> offsets_;
    int usedWidth_ = 0;
};
