#pragma once

#include "controls/styled/sty_region.h"
#include "controls/styled/sty_wndproc.h"

#include <QImage>
#include <QPointer>
#include <QRegion>

class QMouseEvent;
class QPainter;
class QWidget;
class TStyCustomImageList;
class TStyFillObject;

namespace tav::styled {

// The frame of a form: frame widths, caption height (the top margin is fy + caption) and whether
// the form has a border at all.
struct TStyFormFrame
{
    int fx = 0;
    int fy = 0;
    int caption = 0;
    bool hasBorder = false;
};

// The frame of a top-level widget as its window system placed it.
TStyFormFrame FormFrameOf(const QWidget &form);

// The window region of a shaped form of outerSize (frame included), in frame coordinates: the
// shape for the client area grown by 1 on every side, its shadow's copy when it casts one, and
// the caption band kept (showCaption on a bordered form, or while designing) or cut away. A
// minimized form is its caption band. Empty: the form keeps its rectangle.
QRegion FormShapeRegion(const TStyRegion &region, QSize outerSize, const TStyFormFrame &frame, bool minimized,
                        bool showCaption, bool designing);

} // namespace tav::styled

// Gives its form a shaped window: the region of Region applied as the form's mask, the
// background painted with FillObject (or the mask's bitmap) and the shape's outline, and a form
// that is dragged by its body. Transparent panels placed directly on the form copy its background.
class TStyFormShape : public TStyWndProcComponent
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(TStyBorderRegion *Region READ Region)
    Q_PROPERTY(bool ShowFormCaption READ ShowFormCaption WRITE SetShowFormCaption)
    Q_PROPERTY(bool FormDragable READ FormDragable WRITE SetFormDragable)
    Q_PROPERTY(bool UseRgnBitmap READ UseRgnBitmap WRITE SetUseRgnBitmap)
    Q_PROPERTY(TStyFillObject *FillObject READ FillObject)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)

public:
    static constexpr int HitClient = 1;
    static constexpr int HitCaption = 2;

    // While designing, a second shape on the form (or an owner that is no form) raises
    // StyEOneInstError.
    explicit TStyFormShape(QWidget *form, bool designing = false);

    bool Designing() const { return designing_; }
    TStyBorderRegion *Region() const { return region_; }
    bool ShowFormCaption() const { return flags_[0]; }
    void SetShowFormCaption(bool value) { SetFlag(0, value); }
    bool FormDragable() const { return flags_[1]; }
    void SetFormDragable(bool value) { SetFlag(1, value); }
    bool UseRgnBitmap() const { return flags_[2]; }
    void SetUseRgnBitmap(bool value) { SetFlag(2, value); }
    TStyFillObject *FillObject() const { return fillObject_; }
    TStyCustomImageList *ImageList() const;
    void SetImageList(TStyCustomImageList *value);
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int value) { listIndex_ = value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }

    // The region last applied, in frame coordinates, and the shape's rectangle in the client.
    QRegion WindowRegion() const { return windowRegion_; }
    QRect ShapeRect() const { return shapeRect_; }
    // Shapes the form again for its size and settings; nothing while loading.
    void ApplyRegion();
    // What a press at the client point means: HitCaption starts a drag of the form.
    int HitTest(QPoint point) const;

    // What transparent panels on the form copy: the mask's bitmap or the painted fill.
    bool HasBackground() const;
    // None without a background; the fill is painted at the form's size when asked.
    const QImage *BackBitmap() const;
    // The form's background and the shape's outline.
    void PaintBackground(QPainter &painter);

    // "Internal" when ImageList is one of the program's shared lists.
    void DefineProperties(TStyFiler &filer) override;
    void Loaded() override;

protected:
    bool WindowProc(QEvent &event) override;

private:
    void SetFlag(int index, bool value);
    QWidget *Form() const;
    bool UsesMaskBitmap() const;
    void PaintFill() const;
    bool MousePress(const QMouseEvent &event);
    bool MouseMove(const QMouseEvent &event);
    bool MouseRelease(const QMouseEvent &event);

    bool designing_;
    TStyBorderRegion *region_;
    TStyFillObject *fillObject_;
    bool flags_[3] = {true, true, true};
    QPointer<TStyCustomImageList> imageList_;
    int listIndex_ = 0;
    int imageIndex_ = 0;
    QRegion windowRegion_;
    QRect shapeRect_;
    // Painted on demand, also from the const background query.
    mutable QImage fillBitmap_;
    bool rightButtonDown_ = false;
    bool following_ = false;
    QPoint grabOffset_;
};
