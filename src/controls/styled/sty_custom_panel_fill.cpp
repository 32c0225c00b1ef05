#include "controls/styled/sty_custom_panel_fill.h"

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_fill.h"

#include <QCoreApplication>
#include <QPainter>

using namespace tav::styled;

TStyCustomPanelFill::TStyCustomPanelFill(QWidget *parent)
    : TStyCustomParentPanel(parent), fontFX_(new TStyFxCaption(this)), fillObject_(new TStyFillObject(this))
{
    fontFX_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
    fillObject_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
}

TStyCustomPanelFill::~TStyCustomPanelFill()
{
    fontFX_->OnChange = nullptr;
    fillObject_->OnChange = nullptr;
}

void TStyCustomPanelFill::SetCaption(const QString &value)
{
    if (value == caption_)
        return;
    caption_ = value;
    ObjectChanged(nullptr);
}

void TStyCustomPanelFill::SetAlignment(TStyAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    ObjectChanged(nullptr);
}

void TStyCustomPanelFill::SetFontFX(TStyFxCaption *value)
{
    fontFX_->Assign(*value);
}

void TStyCustomPanelFill::SetFillObject(TStyFillObject *value)
{
    fillObject_->Assign(*value);
}

void TStyCustomPanelFill::SetTransparentBorder(bool value)
{
    if (value == transparentBorder_)
        return;
    transparentBorder_ = value;
    update();
}

bool TStyCustomPanelFill::NeedsBackBitmap() const
{
    if (!Transparent())
        return !fillObject_->IsEmpty();
    return BackFX()->IsActive() && BackFXPass();
}

void TStyCustomPanelFill::UpdateBackBitmap(bool force)
{
    // A gradient is stretched over the whole panel and so is drawn again at every size.
    if (!force && fillObject_->Style() != sfGradient && NeedsBackBitmap() && BackBitmapCovers())
        return;
    TStyCustomParentPanel::UpdateBackBitmap(true);
}

void TStyCustomPanelFill::PaintBackBitmap(QImage &bitmap)
{
    QPainter painter(&bitmap);
    fillObject_->FillRect(painter, bitmap.rect(), Color());
    painter.end();
    BackFX()->Apply(bitmap);
}

void TStyCustomPanelFill::ObjectChanged(QObject *sender)
{
    if (!Loading() && sender == fontFX_ && fontFX_->Angle() != 0 && !IsTrueTypeFont(font()) &&
        font().family() != QLatin1String("Arial")) {
        QFont turnable = font();
        turnable.setFamily(QStringLiteral("Arial"));
        setFont(turnable);
    }
    TStyCustomParentPanel::ObjectChanged(sender);
    if (Loading())
        return;
    if (sender == fontFX_)
        BroadcastToChildren(*this, QEvent::FontChange);
    else if (sender == fillObject_ || sender == BackFX())
        BroadcastToChildren(*this, CM_STYBACKCHANGED);
    else if (sender == Bevel())
        BroadcastToChildren(*this, QEvent::PaletteChange);
}

void TStyCustomPanelFill::changeEvent(QEvent *event)
{
    TStyCustomParentPanel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ObjectChanged(nullptr);
    else if (event->type() == QEvent::FontChange)
        ObjectChanged(fontFX_);
}

void TStyCustomPanelFill::paintEvent(QPaintEvent *event)
{
    TStyCustomParentPanel::paintEvent(event);
    if (Loading() || caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Color());
    const unsigned flags = AlignmentTextFlags(alignment_) | DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX;
    const QRect area = Bevel()->AdjustRect(contentsRect());
    QRect box = fontFX_->Angle() != 0 ? PlaceText(alignment_, caption_, fontFX_, font(), flags, area) : area;
    Draw3DText(painter, caption_, *fontFX_, nullptr, isEnabled() ? tsEnabled : 0, flags, box);
}

void TStyCustomPanelFill::resizeEvent(QResizeEvent *event)
{
    TStyCustomParentPanel::resizeEvent(event);
    if (fillObject_->Style() == sfGradient)
        BroadcastToChildren(*this, QEvent::PaletteChange);
}
