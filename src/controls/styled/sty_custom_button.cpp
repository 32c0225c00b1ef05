#include "controls/styled/sty_custom_button.h"

#include "controls/styled/sty_application.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_custom_control.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_glyph_stock.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_layout.h"
#include "controls/styled/sty_theme.h"

#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace tav::styled;

TStyCustomButton::TStyCustomButton(QWidget *parent)
    : QPushButton(parent), color_(SysBtnFace()), layout_(new TStyButtonLayout(this)),
      fontFX_(new TStyFxCaption(this))
{
    glyph_.OnChange = [this](TStyGlyph *) { SettingsChanged(TSource::Settings); };
    layout_->OnChange = [this](TStyObject *) { SettingsChanged(TSource::Settings); };
    fontFX_->OnChange = [this](TStyObject *) { SettingsChanged(TSource::FontFX); };
    imageLink_.OnChange = [this](TStyBaseContainer *) { ReloadFromImageList(); };
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
    resize(75, 25);
}

TStyCustomButton::~TStyCustomButton()
{
    StopRepeat();
    glyph_.OnChange = nullptr;
    layout_->OnChange = nullptr;
    fontFX_->OnChange = nullptr;
    imageLink_.OnChange = nullptr;
    if (imageList_)
        imageList_->UnRegisterChanges(imageLink_);
}

void TStyCustomButton::SetButtonLayout(TStyButtonLayout *value)
{
    if (value)
        layout_->Assign(*value);
}

void TStyCustomButton::SetColor(const QColor &value)
{
    if (value == color_)
        return;
    color_ = value;
    update();
}

void TStyCustomButton::SetFontFX(TStyFxCaption *value)
{
    if (value)
        fontFX_->Assign(*value);
}

void TStyCustomButton::SetGlyph(const QImage &value)
{
    if (!Loading() && imageList_)
        UnlinkImageList();
    glyph_.SetGlyph(value);
    update();
}

void TStyCustomButton::SetUseCaption(bool value)
{
    if (value == useCaption_)
        return;
    useCaption_ = value;
    SettingsChanged(TSource::None);
}

void TStyCustomButton::SetMultiLine(bool value)
{
    if (value == multiLine_)
        return;
    multiLine_ = value;
    SettingsChanged(TSource::None);
}

void TStyCustomButton::SetNumGlyphs(int value)
{
    if (value == glyph_.NumGlyphs())
        return;
    glyph_.SetNumGlyphs(value);
    update();
}

void TStyCustomButton::SetExtStyle(TStyUserButtonStyle value)
{
    if (value == extStyle_)
        return;
    glyph_.SetUnColored(value == ubsFlatUnColored || value == ubsNavigator || value == ubsExplorer);
    extStyle_ = value;
    update();
}

void TStyCustomButton::SetStockGlyphKind(int value)
{
    if (value == stockGlyphKind_)
        return;
    stockGlyphKind_ = value;
    update();
}

void TStyCustomButton::UnlinkImageList()
{
    imageList_->UnRegisterChanges(imageLink_);
    disconnect(imageList_, nullptr, this, nullptr);
    imageList_ = nullptr;
}

void TStyCustomButton::SetImageList(TStyCustomImageList *value)
{
    if (value == imageList_)
        return;
    if (imageList_)
        UnlinkImageList();
    imageList_ = value;
    if (value) {
        value->RegisterChanges(imageLink_);
        // The list has already dropped the link when it goes; only the reference is left to clear.
        connect(value, &QObject::destroyed, this, [this] { imageList_ = nullptr; });
    }
    ReloadFromImageList();
}

void TStyCustomButton::SetIndex(int index, int value)
{
    if (value < 0 || value == indexes_[index])
        return;
    indexes_[index] = value;
    if (imageList_)
        ReloadFromImageList();
}

void TStyCustomButton::ReloadFromImageList()
{
    if (stockGlyphKind_ != 0)
        return;
    if (!imageList_ || !imageList_->IsValidIndex(ListIndex(), ImageIndex()))
        glyph_.SetGlyph(QImage());
    else
        glyph_.SetGlyph(imageList_->GetBitmap(ListIndex(), ImageIndex()));
    update();
}

void TStyCustomButton::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("Internal"), [this](const QVariant &value) { SetImageList(ReadGlobalListRef(value)); },
        [this] { return WriteGlobalListRef(imageList_); }, IsGlobalList(imageList_));
    filer.DefineProperty(
        QStringLiteral("Glyph"), [this](const QVariant &value) { SetGlyph(value.value<QImage>()); },
        [this] { return QVariant(Glyph()); }, GlyphStored());
    // The older designs' three button looks; any other name is passed over.
    filer.DefineProperty(
        QStringLiteral("Style"),
        [this](const QVariant &value) {
            const QString name = value.toString();
            if (name == QLatin1String("nbsAutoDetect"))
                extStyle_ = ubsAutoDetect;
            else if (name == QLatin1String("nbsWin31"))
                extStyle_ = ubsWin31;
            else if (name == QLatin1String("nbsWin40"))
                extStyle_ = ubsWin40;
        },
        nullptr, false);
}

void TStyCustomButton::Loaded()
{
    TStyLoadable::Loaded();
    if (imageList_ && imageList_->IsValidIndex(ListIndex(), ImageIndex()))
        ReloadFromImageList();
    update();
}

void TStyCustomButton::setVisible(bool visible)
{
    if (!visible) {
        hot_ = false;
        StopRepeat();
    }
    QPushButton::setVisible(visible);
}

void TStyCustomButton::SettingsChanged(TSource sender)
{
    if (Loading())
        return;
    if (sender == TSource::Font || sender == TSource::FontFX) {
        // A font that only comes in fixed sizes cannot be turned.
        if (fontFX_->Angle() != 0 && !IsTrueTypeFont(font())) {
            if (sender == TSource::FontFX) {
                QFont turnable = font();
                turnable.setFamily(QStringLiteral("Arial"));
                setFont(turnable);
                return;
            }
            fontFX_->SetAngle(0);
        }
    }
    update();
}

void TStyCustomButton::Click()
{
    if (dropDownMenu_ && !dropping_) {
        if (OnClick)
            OnClick(this);
        DropDown();
        return;
    }
    const QPointer<QDialog> dialog = qobject_cast<QDialog *>(window());
    const int result = modalResult_;
    if (OnClick)
        OnClick(this);
    if (dialog && result != 0)
        dialog->done(result);
}

void TStyCustomButton::DropDown()
{
    if (!dropDownMenu_ || dropping_)
        return;
    if (!Active())
        setFocus();
    setDown(true);
    repaint();
    dropping_ = true;
    if (OnDropDown)
        OnDropDown(this);
    const QPoint at = dropDownRight_ ? QPoint(width(), dropDownIndent_) : QPoint(dropDownIndent_, height());
    const QPointer<TStyCustomButton> alive(this);
    dropDownMenu_->exec(mapToGlobal(at));
    if (!alive)
        return;
    // The click that closed the menu must not go on to another widget.
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    dropping_ = false;
    drawState_ = dsNormal;
    setDown(false);
    update();
}

void TStyCustomButton::StartRepeat()
{
    repeatTimer_ = StyApplication().AddTimer(repeatingDelay_, [this](QObject *) {
        if (hot_)
            RepeatTick();
    });
}

void TStyCustomButton::StopRepeat()
{
    const std::uint16_t ident = repeatTimer_;
    repeatTimer_ = 0;
    TStyTimerItem *timer = ident != 0 ? StyApplication().GetTimer(ident) : nullptr;
    if (!timer)
        return;
    timer->OnTimer = nullptr;
    timer->SetEnabled(false);
    StyApplication().RemoveTimer(ident);
}

void TStyCustomButton::RepeatTick()
{
    if (TStyTimerItem *timer = StyApplication().GetTimer(repeatTimer_))
        timer->SetInterval(repeatingInterval_);
    Click();
}

void TStyCustomButton::DrawContent(QPainter &painter, const QRect &rect, unsigned textFlags)
{
    const unsigned textState = (isEnabled() ? tsEnabled : 0) | tsDisabled3D;
    glyph_.Draw(painter, useCaption_ ? text() : QString(), *layout_, *fontFX_, textFlags, textState, 0, rect,
                drawState_);
}

void TStyCustomButton::DrawButton(QPainter &painter)
{
    QRect rect = this->rect();
    drawState_ = !isEnabled() ? dsDisabled : isDown() ? dsPressed : hot_ ? dsHot : dsNormal;
    unsigned flags = bfNormalFrame;
    if (Active())
        flags |= bfActive;
    if (hasFocus())
        flags |= bfFocused;
    if (hot_)
        flags |= bfMouseOver;
    if (extStyle_ == ubsExplorer || extStyle_ == ubsExplorerColored || extStyle_ == ubsWinXP ||
        extStyle_ == ubsWinXPCombo || extStyle_ == ubsWinXPTool)
        painter.fillRect(rect, color_);
    DrawButtonFace(this, painter, hot_, color_, flags, drawState_, extStyle_, rect);
    if (extStyle_ == ubsWinXPCombo && GetUseThemes())
        return;
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    DrawContent(painter, rect, multiLine_ ? DT_WORDBREAK : DT_SINGLELINE);
}

bool TStyCustomButton::event(QEvent *event)
{
    if (event->type() == CM_STYTHEMECHANGED || event->type() == ThemeChangedEventType()) {
        update();
        return true;
    }
    return QPushButton::event(event);
}

void TStyCustomButton::paintEvent(QPaintEvent *)
{
    if (stockGlyphKind_ != 0 && glyph_.Bitmap().isNull()) {
        QImage symbol;
        LoadStockGlyph(&symbol, stockGlyphKind_);
        glyph_.SetGlyph(symbol);
        glyph_.SetNumGlyphs(1);
    }
    QPainter painter(this);
    DrawButton(painter);
}

void TStyCustomButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
    else if (event->type() == QEvent::FontChange)
        SettingsChanged(TSource::Font);
}

void TStyCustomButton::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    if (drawState_ == dsNormal && OnMouseEnter)
        OnMouseEnter(this);
    if (!hot_) {
        hot_ = true;
        update();
    }
}

void TStyCustomButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    if (OnMouseExit)
        OnMouseExit(this);
    if (hot_) {
        hot_ = false;
        drawState_ = dsNormal;
        update();
    }
    if (hideHint_)
        QToolTip::hideText();
}

void TStyCustomButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && repeatedClick_ && repeatTimer_ == 0)
        StartRepeat();
}

void TStyCustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && repeatedClick_)
        StopRepeat();
}

void TStyCustomButton::moveEvent(QMoveEvent *event)
{
    QPushButton::moveEvent(event);
    if (!Loading())
        BoundsChanged(2);
}

void TStyCustomButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    if (!Loading())
        BoundsChanged(1);
}
