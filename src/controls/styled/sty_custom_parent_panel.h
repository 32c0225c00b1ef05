#pragma once

#include "controls/styled/sty_custom_bevel_panel.h"

#include <optional>

// A bevel panel that keeps its background as a bitmap, for its transparent children to copy
// from: a picture of its image list, or its own copy of its parent's background with its effects
// run over it. The bitmap exists only while an image or a passed-on effect needs it.
class TStyCustomParentPanel : public TStyCustomBevelPanel
{
    Q_OBJECT

public:
    explicit TStyCustomParentPanel(QWidget *parent = nullptr) : TStyCustomBevelPanel(parent) {}

    bool HasBackBitmap() const { return backBitmap_.has_value(); }
    bool ParentBackAvailable() const override;
    const QImage *GetBackBitmap() const override;
    QPoint GetBackOffset(QPoint point) const override;
    bool DrawParentBackground(QPainter &painter, const QRect &rect, QPoint offset, unsigned flags) override;
    bool DrawsParentBackground() const override;
    void Loaded() override;

protected:
    // Builds, keeps or drops the bitmap; without force a bitmap that still covers the contents
    // is kept.
    virtual void UpdateBackBitmap(bool force);
    // Whether the panel keeps a bitmap at all.
    virtual bool NeedsBackBitmap() const;
    // Paints the bitmap's own picture.
    virtual void PaintBackBitmap(QImage &bitmap);
    // The bitmap covers the contents.
    bool BackBitmapCovers() const;
    std::optional<QImage> &BackBitmap() { return backBitmap_; }

    void PaintBackground(QPainter &painter) override;
    void BackFXPassChanged() override;
    void ImageListChanged(QObject *sender) override;
    void ObjectChanged(QObject *sender) override;
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    std::optional<QImage> backBitmap_;
};
