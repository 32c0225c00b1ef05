#include "controls/styled/sty_label.h"

#include "controls/styled/sty_application.h"
#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_custom_status_bar.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_image_lists.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

using namespace tav::styled;

TStyBaseLabel::TStyBaseLabel(QWidget *parent) : TStyBaseGraphicControl(parent) {}

TStyBaseLabel::~TStyBaseLabel()
{
    if (twinkleTimer_)
        StyApplication().RemoveTimer(twinkleTimer_);
}

void TStyBaseLabel::SetCaption(const QString &value)
{
    if (value == caption_)
        return;
    caption_ = value;
    UpdateShortcut();
    Measure();
    update();
}

void TStyBaseLabel::SetAlignment(TStyAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Measure();
    update();
}

void TStyBaseLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    Measure();
}

void TStyBaseLabel::SetMultiLine(bool value)
{
    if (value == multiLine_)
        return;
    multiLine_ = value;
    Measure();
    update();
}

void TStyBaseLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    UpdateShortcut();
    update();
}

void TStyBaseLabel::SetOptions(TStyLabelOptions value)
{
    if (value == options_)
        return;
    options_ = value;
    Measure();
    update();
}

void TStyBaseLabel::SetFocusControl(QWidget *value)
{
    focusControl_ = value;
    UpdateShortcut();
}

void TStyBaseLabel::SetTwinkleColor(const QColor &value)
{
    twinkleColor_ = value;
    update();
}

void TStyBaseLabel::SetTwinkle(bool value)
{
    if (value == Twinkle())
        return;
    if (value) {
        twinkleTimer_ = StyApplication().AddTimer(TwinkleVisible(), [this](QObject *) { TwinkleTick(); });
        StyApplication().GetTimer(twinkleTimer_)->SetEnabled(true);
    } else {
        StyApplication().RemoveTimer(twinkleTimer_);
        twinkleTimer_ = 0;
        twinkleHidden_ = false;
    }
    update();
}

void TStyBaseLabel::TwinkleTick()
{
    twinkleHidden_ = !twinkleHidden_;
    if (TStyTimerItem *timer = StyApplication().GetTimer(twinkleTimer_))
        timer->SetInterval(twinkleHidden_ ? TwinkleInVisible() : TwinkleVisible());
    update();
}

unsigned TStyBaseLabel::TextFlags() const
{
    unsigned flags = unsigned(options_.toInt());
    if (layoutDirection() == Qt::RightToLeft)
        flags |= DT_RIGHT;
    return flags;
}

QColor TStyBaseLabel::CaptionColor() const
{
    return twinkleHidden_ ? twinkleColor_ : palette().color(QPalette::WindowText);
}

void TStyBaseLabel::Loaded()
{
    TStyBaseGraphicControl::Loaded();
    Measure();
}

void TStyBaseLabel::Measure()
{
    if (!autoSize_ || Loading())
        return;
    QSize size = CaptionSize();
    if (const auto *bar = qobject_cast<const TStyCustomStatusBar *>(parentWidget()))
        size.rheight() += bar->LabelExtraHeight();
    SetBounds(QRect(pos(), size));
}

void TStyBaseLabel::UpdateShortcut()
{
    if (shortcut_)
        releaseShortcut(shortcut_);
    shortcut_ = 0;
    if (showAccelChar_ && focusControl_)
        shortcut_ = grabShortcut(QKeySequence::mnemonic(caption_));
}

bool TStyBaseLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent *>(event)->shortcutId() == shortcut_) {
        if (showAccelChar_ && focusControl_ && isEnabled() && focusControl_->isEnabled() &&
            focusControl_->focusPolicy() != Qt::NoFocus)
            focusControl_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return TStyBaseGraphicControl::event(event);
}

TStyCustomLabel::TStyCustomLabel(QWidget *parent)
    : TStyBaseLabel(parent), bevel_(new TStyBevel(this)), fontFX_(new TStyFxCaption(this))
{
    SetColor(palette().color(QPalette::Base));
    SetTransparent(true);
    bevel_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
    fontFX_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
}

TStyCustomLabel::~TStyCustomLabel()
{
    bevel_->OnChange = nullptr;
    fontFX_->OnChange = nullptr;
}

void TStyCustomLabel::SetParentColor(bool value)
{
    if (value == parentColor_)
        return;
    parentColor_ = value;
    update();
}

unsigned TStyCustomLabel::DrawFlags() const
{
    return TextFlags() | AlignmentTextFlags(Alignment()) | (MultiLine() ? DT_WORDBREAK : DT_SINGLELINE) |
           (ShowAccelChar() ? 0 : DT_NOPREFIX);
}

QSize TStyCustomLabel::CaptionSize() const
{
    const QRect room = bevel_->AdjustRect(QRect(0, 0, width(), height()));
    const QSize text = MeasureText(Caption(), fontFX_, font(), DrawFlags() & ~(DT_CENTER | DT_RIGHT),
                                   MultiLine() ? room.width() : 0);
    return text + QSize(width() - room.width(), height() - room.height());
}

void TStyCustomLabel::ObjectChanged(QObject *sender)
{
    if (Loading())
        return;
    if (sender == fontFX_ && fontFX_->Angle() != 0 && !IsTrueTypeFont(font())) {
        // Only a scalable font turns.
        QFont turnable = font();
        turnable.setFamily(QStringLiteral("Arial"));
        setFont(turnable);
    }
    Measure();
    TStyBaseLabel::ObjectChanged(sender);
}

void TStyCustomLabel::changeEvent(QEvent *event)
{
    TStyBaseLabel::changeEvent(event);
    if (event->type() != QEvent::FontChange || Loading())
        return;
    if (fontFX_->Angle() != 0 && !IsTrueTypeFont(font()))
        fontFX_->SetAngle(0);
    else
        ObjectChanged(nullptr);
}

void TStyCustomLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!Transparent() && parentColor_ && parentWidget())
        painter.fillRect(rect(), parentWidget()->palette().color(QPalette::Window));
    else
        PaintBackground(painter);
    const QRect inner = bevel_->Paint(painter, rect(), Transparent());
    const QColor colour = CaptionColor();
    if (Caption().isEmpty() || !colour.isValid())
        return;
    QString text = Caption();
    const unsigned flags = DrawFlags();
    if (Options() & (loEndEllipsis | loPathEllipsis))
        text = QFontMetrics(font()).elidedText(
            text, Options() & loEndEllipsis ? Qt::ElideRight : Qt::ElideMiddle, inner.width());
    painter.setFont(font());
    painter.setPen(colour);
    painter.setBrush(Color());
    QRect box = fontFX_->Angle() != 0 ? PlaceText(Alignment(), text, fontFX_, font(), flags, inner) : inner;
    Draw3DText(painter, text, *fontFX_, nullptr, isEnabled() ? tsEnabled : 0, flags, box);
}
