#include "controls/styled/sty_form_shape.h"

#include "controls/styled/sty_application.h"
#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_fill.h"
#include "controls/styled/sty_image_lists.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

using namespace tav::styled;

namespace tav::styled {

TStyFormFrame FormFrameOf(const QWidget &form)
{
    const QRect outer = form.frameGeometry();
    const QRect client = form.geometry();
    TStyFormFrame frame;
    frame.hasBorder = !form.windowFlags().testFlag(Qt::FramelessWindowHint);
    frame.fx = client.left() - outer.left();
    frame.fy = outer.bottom() - client.bottom();
    frame.caption = client.top() - outer.top() - frame.fy;
    return frame;
}

QRegion FormShapeRegion(const TStyRegion &region, QSize outerSize, const TStyFormFrame &frame, bool minimized,
                        bool showCaption, bool designing)
{
    const QRect band(0, 0, outerSize.width(), frame.fy + frame.caption);
    if (minimized)
        return QRegion(band);
    const QRect rect =
        QRect(0, 0, outerSize.width() - 2 * frame.fx, outerSize.height() - 2 * frame.fy - frame.caption)
            .adjusted(-1, -1, 1, 1);
    QRegion shape = region.CreateRegion(rect, designing);
    if (shape.isEmpty())
        return {};
    shape.translate(frame.fx, frame.fy + frame.caption);
    if (region.Shadow()->Style() != hssNone)
        shape += shape.translated(region.Shadow()->Depth(), region.Shadow()->Depth());
    if ((showCaption && frame.hasBorder) || designing)
        return shape.united(band);
    return shape.subtracted(band);
}

} // namespace tav::styled

TStyFormShape::TStyFormShape(QWidget *form, bool designing)
    : TStyWndProcComponent(form), designing_(designing), region_(new TStyBorderRegion(this)),
      fillObject_(new TStyFillObject(this))
{
    if (designing_ && CheckOneInstance(form, &staticMetaObject, false))
        throw OneInstanceError(QString::fromLatin1(metaObject()->className()), 0);
    fillObject_->SetStyle(sfNone);
    region_->OnChange = [this](TStyObject *) {
        ApplyRegion();
        if (QWidget *window = Form())
            window->update();
    };
    fillObject_->OnChange = [this](TStyObject *) {
        if (QWidget *window = Form())
            window->update();
    };
}

QWidget *TStyFormShape::Form() const
{
    return qobject_cast<QWidget *>(parent());
}

void TStyFormShape::SetFlag(int index, bool value)
{
    if (value == flags_[index])
        return;
    flags_[index] = value;
    ApplyRegion();
    if (QWidget *window = Form())
        window->update();
}

TStyCustomImageList *TStyFormShape::ImageList() const
{
    return imageList_;
}

void TStyFormShape::SetImageList(TStyCustomImageList *value)
{
    imageList_ = value;
}

bool TStyFormShape::UsesMaskBitmap() const
{
    return UseRgnBitmap() && region_->Shape() == rsBitmap;
}

void TStyFormShape::ApplyRegion()
{
    QWidget *form = Form();
    if (Loading() || !form)
        return;
    const bool minimized = form->isMinimized();
    const TStyFormFrame frame = FormFrameOf(*form);
    const QImage &maskBitmap = region_->Mask()->Bitmap();
    if (!minimized && region_->Shape() == rsBitmap && !maskBitmap.isNull()) {
        const int depth = region_->Shadow()->Depth();
        form->resize(maskBitmap.width() + depth, maskBitmap.height() + depth);
    }
    const QSize outer = form->frameGeometry().size();
    shapeRect_ = QRect(0, 0, form->width(), form->height()).adjusted(-1, -1, 1, 1);
    windowRegion_ = FormShapeRegion(*region_, outer, frame, minimized, ShowFormCaption(), designing_);
    if (designing_)
        return;
    const QRegion clientMask = windowRegion_.translated(-frame.fx, -(frame.fy + frame.caption));
    if (clientMask.isEmpty())
        form->clearMask();
    else
        form->setMask(clientMask);
}

int TStyFormShape::HitTest(QPoint point) const
{
    const QWidget *form = Form();
    if (!form || !FormDragable() || rightButtonDown_ || !form->rect().contains(point) || form->childAt(point))
        return HitClient;
    return HitCaption;
}

bool TStyFormShape::HasBackground() const
{
    if (UsesMaskBitmap())
        return !region_->Mask()->Bitmap().isNull();
    return fillObject_->Style() != sfNone && !designing_;
}

const QImage *TStyFormShape::BackBitmap() const
{
    if (UsesMaskBitmap())
        return region_->Mask()->Bitmap().isNull() ? nullptr : &region_->Mask()->Bitmap();
    if (fillObject_->Style() == sfNone || !Form())
        return nullptr;
    if (fillBitmap_.size() != Form()->size())
        PaintFill();
    return &fillBitmap_;
}

void TStyFormShape::PaintFill() const
{
    const QWidget *form = Form();
    fillBitmap_ = QImage(form->size(), QImage::Format_RGB32);
    QPainter painter(&fillBitmap_);
    fillObject_->FillRect(painter, fillBitmap_.rect(), form->palette().color(QPalette::Window));
}

void TStyFormShape::PaintBackground(QPainter &painter)
{
    QWidget *form = Form();
    if (!form)
        return;
    if (UsesMaskBitmap()) {
        if (!designing_) {
            painter.drawImage(QPoint(0, 0), region_->Mask()->Bitmap());
        } else {
            QPainterPath outline;
            outline.addRegion(region_->Mask()->Region());
            painter.strokePath(outline, QPen(Qt::black, 0));
        }
    } else if (fillObject_->Style() != sfNone) {
        PaintFill();
        painter.drawImage(QPoint(0, 0), fillBitmap_);
    }
    region_->PaintBorder(painter, shapeRect_);
}

void TStyFormShape::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("Internal"), [this](const QVariant &value) { SetImageList(ReadGlobalListRef(value)); },
        [this] { return WriteGlobalListRef(imageList_); }, IsGlobalList(imageList_));
}

void TStyFormShape::Loaded()
{
    TStyWndProcComponent::Loaded();
    ApplyRegion();
}

bool TStyFormShape::MousePress(const QMouseEvent &event)
{
    if (event.button() == Qt::RightButton) {
        rightButtonDown_ = HitTest(event.position().toPoint()) == HitCaption;
        return false;
    }
    if (event.button() != Qt::LeftButton || HitTest(event.position().toPoint()) != HitCaption)
        return false;
    QWidget *form = Form();
    QWindow *window = form->windowHandle();
    if (!window || !window->startSystemMove()) {
        // The window system does not move windows for us: the form follows the mouse.
        following_ = true;
        grabOffset_ = event.globalPosition().toPoint() - form->pos();
    }
    return true;
}

bool TStyFormShape::MouseMove(const QMouseEvent &event)
{
    if (!following_)
        return false;
    Form()->move(event.globalPosition().toPoint() - grabOffset_);
    return true;
}

bool TStyFormShape::MouseRelease(const QMouseEvent &event)
{
    if (event.button() == Qt::RightButton)
        rightButtonDown_ = false;
    if (event.button() != Qt::LeftButton || !following_)
        return false;
    following_ = false;
    return true;
}

bool TStyFormShape::WindowProc(QEvent &event)
{
    switch (event.type()) {
    case QEvent::Resize:
        ApplyRegion();
        Form()->update();
        return false;
    case QEvent::Paint: {
        QPainter painter(Form());
        PaintBackground(painter);
        return false;
    }
    case QEvent::MouseButtonPress:
        return MousePress(static_cast<QMouseEvent &>(event));
    case QEvent::MouseMove:
        return MouseMove(static_cast<QMouseEvent &>(event));
    case QEvent::MouseButtonRelease:
        return MouseRelease(static_cast<QMouseEvent &>(event));
    default:
        return false;
    }
}
