#include "controls/styled/sty_custom_panel.h"

#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_custom_scroll_box.h"
#include "controls/styled/sty_form_shape.h"
#include "controls/styled/sty_image_lists.h"

#include <QLayout>
#include <QPainter>

namespace tav::styled {

TStyBackSource BackSourceOf(const QWidget *parent)
{
    if (const auto *control = qobject_cast<const TStyCustomControl *>(parent))
        return {control->ParentBackAvailable(), control->GetBackBitmap(),
                [control](QPoint point) { return control->GetBackOffset(point); }};
    if (const TStyCustomScrollBox *box = TStyCustomScrollBox::OfContents(parent))
        return {box->HasBackground(), box->BackBitmap(),
                [box](QPoint point) { return box->BackOffset(point); }};
    const int shapeIndex = IndexOfComponentClass(parent, &TStyFormShape::staticMetaObject);
    if (shapeIndex >= 0) {
        const auto *shape = static_cast<const TStyFormShape *>(parent->findChildren<QObject *>()[shapeIndex]);
        return {shape->HasBackground(), shape->BackBitmap(), [](QPoint point) { return point; }};
    }
    return {};
}

} // namespace tav::styled

using namespace tav::styled;

TStyCustomPanel::TStyCustomPanel(QWidget *parent) : TStyCustomControl(parent)
{
    SetColor(SysBtnFace());
}

TStyBackSource TStyCustomPanel::Source() const
{
    if (!Transparent())
        return {};
    return BackSourceOf(parentWidget());
}

bool TStyCustomPanel::ParentBackAvailable() const
{
    return Source().available;
}

const QImage *TStyCustomPanel::GetBackBitmap() const
{
    const TStyBackSource source = Source();
    return source.available ? source.bitmap : nullptr;
}

QPoint TStyCustomPanel::GetBackOffset(QPoint point) const
{
    const TStyBackSource source = Source();
    if (!source.available)
        return point;
    return source.offset(pos()) + point;
}

bool TStyCustomPanel::DrawParentBackground(QPainter &painter, const QRect &rect, QPoint offset, unsigned)
{
    const TStyBackSource source = Source();
    if (Loading() || !source.available || !source.bitmap)
        return false;
    const QPoint origin = source.offset(pos());
    const QRect from = rect.translated(origin + offset);
    painter.drawImage(rect, *source.bitmap, from);
    return true;
}

void TStyCustomPanel::Realign()
{
    if (QLayout *layout = this->layout()) {
        const QRect area = ChildArea();
        const QRect contents = contentsRect();
        layout->setContentsMargins(area.left() - contents.left(), area.top() - contents.top(),
                                   contents.right() - area.right(), contents.bottom() - area.bottom());
    }
}

bool TStyCustomPanel::event(QEvent *event)
{
    // A layout set later takes the child area at once.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::ChildAdded)
        Realign();
    return TStyCustomControl::event(event);
}
