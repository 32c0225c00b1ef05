#include "controls/styled/sty_custom_bevel_panel.h"

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_image_lists.h"

#include <QCoreApplication>
#include <QPainter>

using namespace tav::styled;

TStyCustomBevelPanel::TStyCustomBevelPanel(QWidget *parent)
    : TStyCustomPanel(parent), bevel_(new TStyBevel(this))
{
    bevel_->SetWindowFrame(true);
    bevel_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
}

TStyCustomBevelPanel::~TStyCustomBevelPanel()
{
    bevel_->OnChange = nullptr;
}

void TStyCustomBevelPanel::SetBevel(TStyBevel *value)
{
    bevel_->Assign(*value);
    QEvent event(CM_STYBEVELCHANGED);
    QCoreApplication::sendEvent(this, &event);
}

void TStyCustomBevelPanel::Loaded()
{
    TStyCustomPanel::Loaded();
    bevel_->SetWindowFrame(UsesWindowFrame());
    CreateParams();
    Realign();
}

QRect TStyCustomBevelPanel::AlignRect(const QRect &rect) const
{
    return bevel_->AdjustRect(rect);
}

void TStyCustomBevelPanel::CreateParams()
{
    // The Windows mode's frame: a sunken client edge, or one line without the 3-D look.
    int margin = 0;
    if (bevel_->Mode() == bmWindows && bevel_->WindowFrame() && !ThemedFrameInUse())
        margin = Ctl3D() ? 2 : 1;
    setContentsMargins(margin, margin, margin, margin);
}

void TStyCustomBevelPanel::ObjectChanged(QObject *sender)
{
    if (!Loading() && sender == bevel_) {
        bevel_->SetWindowFrame(UsesWindowFrame());
        if (bevel_->NeedsRecreate())
            RecreateWindow();
        Realign();
    }
    TStyCustomPanel::ObjectChanged(sender);
}

void TStyCustomBevelPanel::MouseEnter()
{
    if (!HasFocus() && FrameTracking())
        update();
    TStyCustomPanel::MouseEnter();
}

void TStyCustomBevelPanel::DrawHotFrame(QPainter &painter)
{
    if (bevel_->Mode() == bmWindows) {
        TStyCustomPanel::DrawHotFrame(painter);
        return;
    }
    bevel_->Paint(painter, contentsRect(), true);
}

void TStyCustomBevelPanel::DrawNormalFrame(QPainter &painter)
{
    if (HasFocus() || !FrameTracking() || MouseAbove())
        return;
    if (bevel_->Mode() == bmWindows) {
        TStyCustomPanel::DrawNormalFrame(painter);
        return;
    }
    // The border is hidden under what lies behind the panel until the mouse or the focus comes.
    const int w = width(), h = height(), t = bevel_->Width(), b = bevel_->BottomRightWidth();
    const auto strip = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    FillBackgroundStrip(painter, strip(0, 0, w, t));
    FillBackgroundStrip(painter, strip(0, t, t, h));
    FillBackgroundStrip(painter, strip(t, h - b - 1, w, h));
    FillBackgroundStrip(painter, strip(w - b, t, w, h - b));
}

void TStyCustomBevelPanel::DrawWindowFrame(QPainter &painter)
{
    const QMargins margins = contentsMargins();
    if (margins.isNull())
        return;
    QRect frame = rect();
    if (margins.left() == 2) {
        DrawEdge(painter, frame, EDGE_SUNKEN, BF_RECT);
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

void TStyCustomBevelPanel::paintEvent(QPaintEvent *)
{
    if (Loading())
        return;
    QPainter painter(this);
    PaintBackground(painter);
    if (FrameTracking() && (HasFocus() || MouseAbove())) {
        DrawHotFrame(painter);
    } else if (FrameTracking()) {
        DrawNormalFrame(painter);
    } else {
        bevel_->Paint(painter, contentsRect(), Transparent());
        DrawWindowFrame(painter);
    }
}
