#include "controls/styled/sty_control.h"

#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_custom_control.h"
#include "controls/styled/sty_custom_panel.h"
#include "controls/styled/sty_image_lists.h"

#include <QPainter>

using namespace tav::styled;

TStyControl::TStyControl(QWidget *parent) : QWidget(parent), color_(SysBtnFace())
{
    setFocusPolicy(Qt::NoFocus);
}

void TStyControl::SetColor(const QColor &value)
{
    if (value == color_)
        return;
    color_ = value;
    update();
}

void TStyControl::SetBounds(const QRect &bounds)
{
    const QRect old = geometry();
    setGeometry(bounds);
    unsigned changes = 0;
    if (old.topLeft() != bounds.topLeft())
        changes |= bcMoved;
    if (old.size() != bounds.size())
        changes |= bcResized;
    if (!Loading() && changes)
        BoundsChanged(changes);
}

void TStyControl::ThemeChanged()
{
    if (UseThemedLook())
        update();
}

void TStyControl::ObjectChanged(QObject *)
{
    if (UpdateLock > 0 || Loading())
        return;
    update();
}

void TStyControl::BoundsChanged(unsigned changes)
{
    if (OnBoundsChanged)
        OnBoundsChanged(this, changes);
}

void TStyControl::MouseEnter()
{
    if (isEnabled() && OnMouseEnter)
        OnMouseEnter(this);
}

void TStyControl::MouseExit()
{
    if (isEnabled() && OnMouseExit)
        OnMouseExit(this);
}

void TStyControl::DrawDesignFrame(QPainter &painter)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.restore();
}

void TStyControl::FillBackground(QPainter &painter)
{
    painter.fillRect(rect(), color_);
}

bool TStyControl::event(QEvent *event)
{
    if (event->type() == CM_STYTHEMECHANGED) {
        ThemeChanged();
        return true;
    }
    return QWidget::event(event);
}

void TStyControl::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TStyControl::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    MouseExit();
}

TStyBaseControl::TStyBaseControl(QWidget *parent)
    : TStyControl(parent), backFX_(new TStyBitmapEffectObject(this))
{
    imageLink_.OnChange = [this](TStyBaseContainer *sender) { ObjectChanged(sender); };
    backFX_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
}

TStyBaseControl::~TStyBaseControl()
{
    backFX_->OnChange = nullptr;
    imageLink_.OnChange = nullptr;
    if (imageList_)
        imageList_->UnRegisterChanges(imageLink_);
}

TStyCustomImageList *TStyBaseControl::ImageList() const
{
    return imageList_;
}

void TStyBaseControl::SetImageList(TStyCustomImageList *value)
{
    if (RebindImageList(*this, imageList_, imageLink_, value, [this] { ObjectChanged(nullptr); }))
        ObjectChanged(nullptr);
}

void TStyBaseControl::SetIndex(int index, int value)
{
    if (value < 0 || value == indexes_[index])
        return;
    indexes_[index] = value;
    if (imageList_)
        ObjectChanged(nullptr);
}

void TStyBaseControl::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("Internal"), [this](const QVariant &value) { SetImageList(ReadGlobalListRef(value)); },
        [this] { return WriteGlobalListRef(imageList_); }, IsGlobalList(imageList_));
}

bool TStyBaseControl::event(QEvent *event)
{
    if (event->type() == CM_STYBACKCHANGED) {
        if (isVisible()) {
            if (!Loading() && DrawsParentBackground())
                update();
            backFX_->InvalidateBuffer();
        }
        return true;
    }
    return TStyControl::event(event);
}

TStyBaseGraphicControl::TStyBaseGraphicControl(QWidget *parent) : TStyBaseControl(parent)
{
    resize(30, 30);
}

void TStyBaseGraphicControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    update();
}

bool TStyBaseGraphicControl::ParentBackAvailable() const
{
    return BackSourceOf(parentWidget()).available;
}

void TStyBaseGraphicControl::PaintBackground(QPainter &painter)
{
    const TStyBackSource source = transparent_ ? BackSourceOf(parentWidget()) : TStyBackSource();
    if (source.available && source.bitmap) {
        const QPoint origin = source.offset(pos());
        painter.drawImage(rect(), *source.bitmap, rect().translated(origin));
        return;
    }
    if (transparent_ && parentWidget()) {
        // Without a background to copy, a transparent label lets its parent show through.
        return;
    }
    FillBackground(painter);
}
