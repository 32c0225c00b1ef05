#include "controls/styled/sty_custom_parent_panel.h"

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_image_lists.h"

#include <QPainter>

using namespace tav::styled;

bool TStyCustomParentPanel::ParentBackAvailable() const
{
    return backBitmap_ || TStyCustomBevelPanel::ParentBackAvailable();
}

const QImage *TStyCustomParentPanel::GetBackBitmap() const
{
    return backBitmap_ ? &*backBitmap_ : TStyCustomBevelPanel::GetBackBitmap();
}

QPoint TStyCustomParentPanel::GetBackOffset(QPoint point) const
{
    return backBitmap_ ? point : TStyCustomBevelPanel::GetBackOffset(point);
}

bool TStyCustomParentPanel::DrawParentBackground(QPainter &painter, const QRect &rect, QPoint offset,
                                                 unsigned flags)
{
    if (!backBitmap_)
        return TStyCustomBevelPanel::DrawParentBackground(painter, rect, offset, flags);
    if (Loading())
        return false;
    painter.drawImage(rect, *backBitmap_, rect.translated(offset));
    return true;
}

bool TStyCustomParentPanel::DrawsParentBackground() const
{
    return backBitmap_ || ParentBackAvailable();
}

void TStyCustomParentPanel::Loaded()
{
    TStyCustomBevelPanel::Loaded();
    UpdateBackBitmap(true);
    BroadcastToChildren(*this, CM_STYBACKCHANGED);
}

bool TStyCustomParentPanel::NeedsBackBitmap() const
{
    if (!Transparent())
        return !NoImage();
    return BackFX()->IsActive() && BackFXPass();
}

void TStyCustomParentPanel::PaintBackBitmap(QImage &bitmap)
{
    QPainter painter(&bitmap);
    ImageList()->DrawExt(painter, bitmap.rect(), ListIndex(), ImageIndex());
}

bool TStyCustomParentPanel::BackBitmapCovers() const
{
    const QRect client = contentsRect();
    return backBitmap_ && backBitmap_->rect().contains(client.topLeft()) &&
           backBitmap_->rect().contains(client.bottomRight());
}

void TStyCustomParentPanel::UpdateBackBitmap(bool force)
{
    if (!NeedsBackBitmap()) {
        backBitmap_.reset();
        return;
    }
    if (!force && BackBitmapCovers())
        return;
    if (Transparent()) {
        // The parent's background, passed through the effects, is the picture.
        backBitmap_.reset();
        if (!GetBackBitmap())
            return;
        QImage copy(size(), QImage::Format_RGB888);
        QPainter painter(&copy);
        DrawParentBackground(painter, copy.rect(), QPoint(0, 0), 0);
        painter.end();
        backBitmap_ = copy;
        return;
    }
    QImage bitmap(size(), QImage::Format_RGB888);
    bitmap.fill(Color());
    PaintBackBitmap(bitmap);
    backBitmap_ = bitmap;
}

void TStyCustomParentPanel::PaintBackground(QPainter &painter)
{
    if (DrawsParentBackground() && DrawParentBackground(painter, contentsRect(), QPoint(0, 0), 0))
        return;
    TStyCustomBevelPanel::PaintBackground(painter);
}

void TStyCustomParentPanel::BackFXPassChanged()
{
    ObjectChanged(BackFX());
}

void TStyCustomParentPanel::ImageListChanged(QObject *sender)
{
    ObjectChanged(sender);
    BroadcastToChildren(*this, CM_STYBACKCHANGED);
}

void TStyCustomParentPanel::ObjectChanged(QObject *sender)
{
    if (Loading())
        return;
    UpdateBackBitmap(true);
    TStyCustomBevelPanel::ObjectChanged(sender);
}

bool TStyCustomParentPanel::event(QEvent *event)
{
    if (event->type() == CM_STYBACKCHANGED && BackFXPass())
        UpdateBackBitmap(true);
    return TStyCustomBevelPanel::event(event);
}

void TStyCustomParentPanel::paintEvent(QPaintEvent *)
{
    if (Loading())
        return;
    QPainter painter(this);
    PaintBackground(painter);
    Bevel()->Paint(painter, contentsRect(), true);
    DrawWindowFrame(painter);
}

void TStyCustomParentPanel::resizeEvent(QResizeEvent *event)
{
    if (!Loading())
        UpdateBackBitmap(false);
    TStyCustomBevelPanel::resizeEvent(event);
}

void TStyCustomParentPanel::moveEvent(QMoveEvent *event)
{
    if (BackFXPass()) {
        UpdateBackBitmap(true);
        BroadcastToChildren(*this, CM_STYBACKCHANGED);
    }
    TStyCustomBevelPanel::moveEvent(event);
}
