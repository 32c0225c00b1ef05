#pragma once

#include "controls/styled/sty_container.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <functional>

class QPainter;
class TStyBitmapListItem;
class TStyImageListItem;

// A container of pictures that a control shows by two numbers: ListIndex picks the item and
// ImageIndex the picture in it. Controls keep a pointer to one, an ImageIndex and a ListIndex,
// and listen to it through a change link.
class TStyCustomImageList : public TStyCustomContainer
{
    Q_OBJECT

public:
    explicit TStyCustomImageList(QObject *owner = nullptr) : TStyCustomContainer(owner) {}

    using TStyCustomContainer::Count;
    // The bitmap the item's pictures are drawn from (null when none).
    virtual QImage GetCanvas(int listIndex) const = 0;
    // Where the picture lies in that bitmap.
    virtual QRect GetImageRect(int listIndex, int imageIndex) const = 0;
    // The picture size: which 0 the width, 1 the height.
    virtual int GetSize(int listIndex, int which) const = 0;
    // The pictures of an item; -1 for an item that does not exist where the item holds a strip.
    virtual int Count(int listIndex) const = 0;
    virtual bool IsValidIndex(int listIndex, int imageIndex) const = 0;
    // One picture as a bitmap of its own (null for a bad index).
    virtual QImage GetBitmap(int listIndex, int imageIndex) const = 0;
    virtual bool IsMasked(int listIndex) const = 0;
    virtual QList<QRgb> GetPalette(int listIndex) const = 0;
    virtual QRgb GetTransparentColor(int listIndex, int imageIndex) const = 0;
    // A pixel of the picture; white for a bad index.
    virtual QRgb GetPixel(QPoint point, int listIndex, int imageIndex) const = 0;
    virtual void Draw(QPainter &painter, int x, int y, int listIndex, int imageIndex) const = 0;
    // The picture fitted into rect: through its mask when it has one, otherwise with its
    // bottom-left colour left out.
    void DrawExt(QPainter &painter, const QRect &rect, int listIndex, int imageIndex) const;
};

// Bitmaps, one per item; ImageIndex is not used.
class TStyBitmapList : public TStyCustomImageList
{
    Q_OBJECT
    Q_PROPERTY(bool DefaultCompressed READ DefaultCompressed WRITE SetDefaultCompressed)
    Q_PROPERTY(tav::styled::savepixelformat::TStySavePixelFormat DefaultPixelFormat READ DefaultPixelFormat
                   WRITE SetDefaultPixelFormat)

public:
    explicit TStyBitmapList(QObject *owner = nullptr) : TStyCustomImageList(owner) {}

    TStySavePixelFormat DefaultPixelFormat() const { return defaultPixelFormat_; }
    void SetDefaultPixelFormat(TStySavePixelFormat value);
    TStyBitmapListItem *Bitmaps(int listIndex) const;

    using TStyCustomImageList::Count;
    int FileKind() const override { return 1; }
    void Assign(const TStyCustomContainer &source) override;

    QImage GetCanvas(int listIndex) const override;
    QRect GetImageRect(int listIndex, int imageIndex) const override;
    int GetSize(int listIndex, int which) const override;
    int Count(int listIndex) const override;
    bool IsValidIndex(int listIndex, int imageIndex) const override;
    QImage GetBitmap(int listIndex, int imageIndex) const override;
    bool IsMasked(int listIndex) const override;
    QList<QRgb> GetPalette(int listIndex) const override;
    QRgb GetTransparentColor(int listIndex, int imageIndex) const override;
    QRgb GetPixel(QPoint point, int listIndex, int imageIndex) const override;
    void Draw(QPainter &painter, int x, int y, int listIndex, int imageIndex) const override;

protected:
    TStyListItem *NewItem() override;

private:
    QImage Picture(int listIndex) const;

    TStySavePixelFormat defaultPixelFormat_ = spfDefault;
};

// Image strips, one per item; ImageIndex picks the image in the strip.
class TStyImageList : public TStyCustomImageList
{
    Q_OBJECT
    Q_PROPERTY(bool DefaultCompressed READ DefaultCompressed WRITE SetDefaultCompressed)
    Q_PROPERTY(tav::styled::savepixelformat::TStySavePixelFormat DefaultPixelFormat READ DefaultPixelFormat
                   WRITE SetDefaultPixelFormat)

public:
    explicit TStyImageList(QObject *owner = nullptr) : TStyCustomImageList(owner) {}

    TStySavePixelFormat DefaultPixelFormat() const { return defaultPixelFormat_; }
    void SetDefaultPixelFormat(TStySavePixelFormat value);
    TStyImageListItem *Strips(int listIndex) const;

    using TStyCustomImageList::Count;
    int FileKind() const override { return 0; }
    void Assign(const TStyCustomContainer &source) override;

    QImage GetCanvas(int listIndex) const override;
    QRect GetImageRect(int listIndex, int imageIndex) const override;
    int GetSize(int listIndex, int which) const override;
    int Count(int listIndex) const override;
    bool IsValidIndex(int listIndex, int imageIndex) const override;
    QImage GetBitmap(int listIndex, int imageIndex) const override;
    bool IsMasked(int listIndex) const override;
    QList<QRgb> GetPalette(int listIndex) const override;
    QRgb GetTransparentColor(int listIndex, int imageIndex) const override;
    QRgb GetPixel(QPoint point, int listIndex, int imageIndex) const override;
    void Draw(QPainter &painter, int x, int y, int listIndex, int imageIndex) const override;

protected:
    TStyListItem *NewItem() override;

private:
    TStySavePixelFormat defaultPixelFormat_ = spfDefault;
};

// Moves a control's reference from its image list to another: the old list's change notices stop
// reaching the link and the new list's reach it. When the new list goes, the reference is cleared
// (the list has dropped the link itself by then) and gone runs. False when value is the list already.
bool RebindImageList(QObject &owner, QPointer<TStyCustomImageList> &reference, TStyChangeLink &link,
                     TStyCustomImageList *value, const std::function<void()> &gone);
