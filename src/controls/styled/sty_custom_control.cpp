#include "controls/styled/sty_custom_control.h"

#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_draw.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_theme.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRegion>

namespace tav::styled {

void BroadcastToChildren(QWidget &widget, QEvent::Type type)
{
    for (QObject *child : widget.children()) {
        if (!child->isWidgetType())
            continue;
        QEvent event(type);
        QCoreApplication::sendEvent(child, &event);
    }
}

int IndexOfComponentClass(const QObject *form, const QMetaObject *componentClass)
{
    if (!form || !form->isWidgetType() || !static_cast<const QWidget *>(form)->isWindow() || !componentClass)
        return -1;
    const QList<QObject *> components = form->findChildren<QObject *>();
    for (qsizetype index = 0; index < components.size(); ++index)
        if (components[index]->metaObject()->inherits(componentClass))
            return int(index);
    return -1;
}

} // namespace tav::styled

using namespace tav::styled;

namespace {

// One line around the inside of rect.
void FrameRect(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.save();
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

TStyCustomControl::TStyCustomControl(QWidget *parent)
    : QWidget(parent), color_(SysBtnFace()), backFX_(new TStyBitmapEffectObject(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    imageLink_.OnChange = [this](TStyBaseContainer *sender) { ImageListChanged(sender); };
    resize(100, 40);
    setFocusPolicy(Qt::NoFocus);
    backFX_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
}

TStyCustomControl::~TStyCustomControl()
{
    backFX_->OnChange = nullptr;
    imageLink_.OnChange = nullptr;
    if (imageList_)
        imageList_->UnRegisterChanges(imageLink_);
}

void TStyCustomControl::SetColor(const QColor &value)
{
    if (value == color_)
        return;
    color_ = value;
    update();
}

void TStyCustomControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    RecreateWindow();
}

void TStyCustomControl::RecreateWindow()
{
    // An opaque control paints every pixel itself; a transparent one lets the parent show first.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
    CreateParams();
    ++recreateCount_;
    update();
}

void TStyCustomControl::SetBackFXPass(bool value)
{
    if (value == backFXPass_)
        return;
    backFXPass_ = value;
    BackFXPassChanged();
}

void TStyCustomControl::SetBackFX(const TStyBitmapEffectObject &value)
{
    backFX_->Assign(value);
}

void TStyCustomControl::SetCtlXP(bool value)
{
    if (value == ctlXP_)
        return;
    ctlXP_ = value;
    ThemeChanged();
}

void TStyCustomControl::SetCtl3D(bool value)
{
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    update();
}

void TStyCustomControl::SetImageList(TStyCustomImageList *value)
{
    if (RebindImageList(*this, imageList_, imageLink_, value, [this] { ImageListChanged(nullptr); }))
        ImageListChanged(nullptr);
}

void TStyCustomControl::SetIndex(int index, int value)
{
    if (value < 0 || value == indexes_[index])
        return;
    indexes_[index] = value;
    if (imageList_)
        ImageListChanged(nullptr);
}

bool TStyCustomControl::NoImage() const
{
    return !imageList_ || !imageList_->IsValidIndex(ListIndex(), ImageIndex());
}

void TStyCustomControl::SetFrameTracking(bool value)
{
    if (value == frameTracking_)
        return;
    frameTracking_ = value;
    update();
}

void TStyCustomControl::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("Internal"), [this](const QVariant &value) { SetImageList(ReadGlobalListRef(value)); },
        [this] { return WriteGlobalListRef(imageList_); }, IsGlobalList(imageList_));
}

void TStyCustomControl::Loaded()
{
    TStyLoadable::Loaded();
    if (imageList_)
        ImageListChanged(nullptr);
}

void TStyCustomControl::ThemeChanged()
{
    update();
    BroadcastToChildren(*this, CM_STYTHEMECHANGED);
}

bool TStyCustomControl::UseThemedBackground() const
{
    return transparent_ && GetUseThemes() && ctlXP_ && !ParentBackAvailable();
}

bool TStyCustomControl::DrawParentBackground(QPainter &, const QRect &, QPoint, unsigned)
{
    return false;
}

void TStyCustomControl::PaintBackground(QPainter &painter)
{
    // The themed parent background is what Qt already painted behind a transparent widget.
    if (UseThemedBackground() && ThemeParentBackgroundAllowed())
        return;
    if (DrawsParentBackground() && DrawParentBackground(painter, contentsRect(), QPoint(0, 0), 0))
        return;
    painter.fillRect(contentsRect(), color_);
}

bool TStyCustomControl::ThemedFrameInUse() const
{
    return SupportsThemedFrame() && GetUseThemes() && ctlXP_;
}

void TStyCustomControl::ObjectChanged(QObject *)
{
    if (!Loading())
        update();
}

void TStyCustomControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
    mouseAbove_ = true;
}

void TStyCustomControl::MouseExit()
{
    mouseAbove_ = false;
    if (!hasFocus_ && frameTracking_)
        update();
    if (OnMouseExit)
        OnMouseExit(this);
}

void TStyCustomControl::GetThemeInfo(QString &className, int &part, int &state) const
{
    className = QStringLiteral("EDIT");
    part = EP_EDITTEXT;
    state = 1;
    if (hasFocus_)
        state = 5;
    if (mouseAbove_)
        state = 2;
    if (IsReadOnly())
        state = 6;
    if (!isEnabled())
        state = 4;
}

void TStyCustomControl::DrawThemedFrame(QPainter &painter)
{
    QString className;
    int part = 0;
    int state = 0;
    GetThemeInfo(className, part, state);
    if (std::optional<TStyTheme> theme = OpenThemeData(this, className)) {
        DrawThemeBackground(*theme, painter, part, state, rect());
        CloseThemeData(*theme);
    }
}

void TStyCustomControl::DrawHotFrame(QPainter &painter)
{
    if (ThemedFrameInUse()) {
        DrawThemedFrame(painter);
        return;
    }
    const QColor windowFrame = palette().color(QPalette::WindowText);
    QRect frame = rect();
    if (ctl3D_) {
        FrameRect(painter, frame.adjusted(1, 1, 0, 0), windowFrame);
        FrameRect(painter, frame.adjusted(0, 0, -1, -1), SysBtnFace());
        DrawEdge(painter, frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    } else {
        FrameRect(painter, frame, windowFrame);
    }
}

void TStyCustomControl::DrawNormalFrame(QPainter &painter)
{
    if (hasFocus_ || !frameTracking_ || mouseAbove_)
        return;
    if (ThemedFrameInUse()) {
        DrawThemedFrame(painter);
        return;
    }
    FrameRect(painter, rect(), SysBtnFace());
    if (ctl3D_)
        FrameRect(painter, rect().adjusted(1, 1, -1, -1), SysBtnFace());
}

void TStyCustomControl::FillBackgroundStrip(QPainter &painter, const QRect &rect)
{
    if (ThemedFrameInUse())
        return;
    if (DrawsParentBackground() && DrawParentBackground(painter, rect, QPoint(0, 0), 0))
        return;
    painter.fillRect(rect, color_);
}

void TStyCustomControl::BackgroundChanged()
{
    backFX_->InvalidateBuffer();
    if (DrawsParentBackground()) {
        repaint();
        BroadcastToChildren(*this, CM_STYBACKCHANGED);
    } else {
        update();
    }
}

bool TStyCustomControl::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == CM_STYBACKCHANGED) {
        if (!Loading())
            BackgroundChanged();
    } else if (type == CM_STYFOCUSGAINED || type == CM_STYFOCUSLOST) {
        const auto &handler = type == CM_STYFOCUSGAINED ? OnFocusGained : OnFocusLost;
        if (handler)
            handler(this);
    } else if (type == CM_STYPARENTBACKQUERY) {
        if (DrawsParentBackground())
            BroadcastToChildren(*this, CM_STYBACKCHANGED);
    } else if (type == CM_STYTHEMECHANGED || type == ThemeChangedEventType()) {
        ThemeChanged();
    } else {
        return QWidget::event(event);
    }
    return true;
}

void TStyCustomControl::paintEvent(QPaintEvent *)
{
    if (Loading())
        return;
    QPainter painter(this);
    PaintBackground(painter);
    // The frame lies in the margin outside the contents only.
    painter.setClipRegion(QRegion(rect()) - QRegion(contentsRect()));
    if (frameTracking_ && (hasFocus_ || mouseAbove_))
        DrawHotFrame(painter);
    else
        DrawNormalFrame(painter);
}

void TStyCustomControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    backFX_->InvalidateBuffer();
    if (DrawsParentBackground())
        BroadcastToChildren(*this, CM_STYBACKCHANGED);
}

void TStyCustomControl::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (DrawsParentBackground()) {
        backFX_->InvalidateBuffer();
        update();
    }
}

void TStyCustomControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    hasFocus_ = true;
    if (frameTracking_)
        update();
    QCoreApplication::postEvent(this, new QEvent(CM_STYFOCUSGAINED));
}

void TStyCustomControl::focusOutEvent(QFocusEvent *event)
{
    hasFocus_ = false;
    if (frameTracking_)
        update();
    QWidget::focusOutEvent(event);
    QCoreApplication::postEvent(this, new QEvent(CM_STYFOCUSLOST));
}

void TStyCustomControl::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TStyCustomControl::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    MouseExit();
}

void TStyCustomControl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !transparent_)
        update();
}
