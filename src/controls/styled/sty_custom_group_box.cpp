#include "controls/styled/sty_custom_group_box.h"

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_draw_text.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_theme.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

using namespace tav::styled;

namespace {

// The place of the caption's text in its band.
TStyAlignment TextPosition(TStyGroupCaptionAlign alignment)
{
    static constexpr TStyAlignment positions[] = {agTopLeft,     agTopCenter, agTopRight,    agBottomLeft,
                                                  agCenterLeft,  agTopLeft,   agBottomLeft,  agBottomCenter,
                                                  agBottomRight, agTopRight,  agCenterRight, agBottomRight};
    return positions[alignment];
}

// The states of the group box's frame as the theme draws it.
constexpr int GBS_NORMAL = 1;
constexpr int GBS_DISABLED = 2;

} // namespace

TStyCustomGroupBox::TStyCustomGroupBox(QWidget *parent)
    : TStyCustomParentPanel(parent), captionFont_(font()), captionFont3D_(new TSty3DCaption(this)),
      rotated_(new TStyFxCaption(this))
{
    captionFont3D_->OnChange = [this](TStyObject *sender) { ObjectChanged(sender); };
    // The box draws the Windows frame itself instead of leaving it to the window.
    Bevel()->SetWindowFrame(false);
    Bevel()->SetMode(bmStandard);
    Bevel()->SetStandardStyle(lsFrameInset);
    MeasureCaption();
    resize(185, 105);
}

TStyCustomGroupBox::~TStyCustomGroupBox()
{
    captionFont3D_->OnChange = nullptr;
}

void TStyCustomGroupBox::SetCaption(const QString &value)
{
    if (value == caption_)
        return;
    caption_ = value;
    releaseShortcut(shortcut_);
    shortcut_ = grabShortcut(QKeySequence::mnemonic(caption_));
    update();
    Realign();
}

void TStyCustomGroupBox::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    ObjectChanged(nullptr);
}

void TStyCustomGroupBox::SetAlignment(TStyGroupCaptionAlign value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    ObjectChanged(captionFont3D_);
    Realign();
}

void TStyCustomGroupBox::SetCaptionOffset(int value)
{
    if (value == captionOffset_)
        return;
    captionOffset_ = value;
    ObjectChanged(nullptr);
}

void TStyCustomGroupBox::SetCaptionFont(const QFont &value)
{
    if (value == captionFont_)
        return;
    captionFont_ = value;
    CaptionFontChanged();
}

void TStyCustomGroupBox::SetCaptionParentFont(bool value)
{
    if (value == captionParentFont_)
        return;
    captionParentFont_ = value;
    if (value && parentWidget()) {
        captionFont_ = font();
        MeasureCaption();
        ObjectChanged(nullptr);
    }
}

void TStyCustomGroupBox::SetCaptionFont3D(TSty3DCaption *value)
{
    captionFont3D_->Assign(*value);
}

void TStyCustomGroupBox::CaptionFontChanged()
{
    captionParentFont_ = false;
    // The band follows the font at once.
    MeasureCaption();
    Realign();
    TStyCustomParentPanel::ObjectChanged(nullptr);
}

void TStyCustomGroupBox::MeasureCaption()
{
    const int angles[] = {0, 90, 0, 270};
    rotated_->SetAngle(angles[int(Side())]);
    if (rotated_->Angle() != 0 && !IsTrueTypeFont(captionFont_))
        captionFont_.setFamily(QStringLiteral("Arial"));
    captionHeight_ = tav::styled::CaptionHeight(rotated_, captionFont_);
}

TStyCustomGroupBox::TSide TStyCustomGroupBox::Side() const
{
    return TSide(alignment_ / 3);
}

unsigned TStyCustomGroupBox::TextFlags() const
{
    unsigned flags = AlignmentTextFlags(TextPosition(alignment_)) | DT_SINGLELINE | DT_EXPANDTABS;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TStyCustomGroupBox::Loaded()
{
    TStyCustomParentPanel::Loaded();
    MeasureCaption();
    Realign();
}

void TStyCustomGroupBox::ObjectChanged(QObject *sender)
{
    if (sender == captionFont3D_) {
        rotated_->Assign(*captionFont3D_);
        MeasureCaption();
        if (!Loading()) {
            // The band's thickness follows the 3-D depth.
            Realign();
            update();
        }
        return;
    }
    TStyCustomParentPanel::ObjectChanged(sender);
}

QRect TStyCustomGroupBox::AlignRect(const QRect &rect) const
{
    QRect area = rect;
    switch (Side()) {
    case TSide::Top:
        area.setTop(area.top() + captionHeight_);
        break;
    case TSide::Left:
        area.setLeft(area.left() + captionHeight_);
        break;
    case TSide::Bottom:
        area.setBottom(area.bottom() - captionHeight_);
        break;
    case TSide::Right:
        area.setRight(area.right() - captionHeight_);
        break;
    }
    return TStyCustomParentPanel::AlignRect(area);
}

QRect TStyCustomGroupBox::CaptionBand() const
{
    if (Text().isEmpty())
        return {};
    // The caption keeps its offset from the corner its text starts at, or from the opposite one.
    const int first = alignment_ % 3 == 0 ? captionOffset_ : 0;
    const int last = alignment_ % 3 == 2 ? captionOffset_ : 0;
    const int w = width(), h = height(), band = captionHeight_;
    const auto rect = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    switch (Side()) {
    case TSide::Top:
        return rect(first, 0, w - last, band);
    case TSide::Bottom:
        return rect(first, h - band, w - last, h);
    case TSide::Left:
        return rect(0, last, band, h - first);
    case TSide::Right:
        return rect(w - band, first + 2, w, h - last);
    }
    return {};
}

QRect TStyCustomGroupBox::FrameRect() const
{
    if (Text().isEmpty())
        return contentsRect();
    const int d = captionHeight_ / 2 - 1;
    const QRect whole = rect();
    switch (Side()) {
    case TSide::Top:
        return whole.adjusted(0, d, 0, 0);
    case TSide::Bottom:
        return whole.adjusted(0, 0, 0, -d);
    case TSide::Left:
        return whole.adjusted(d, 0, 0, 0);
    case TSide::Right:
        return whole.adjusted(0, 0, -d, 0);
    }
    return whole;
}

QRect TStyCustomGroupBox::CaptionTextRect() const
{
    const QString text = Text();
    if (text.isEmpty())
        return {};
    return PlaceText(TextPosition(alignment_), text, rotated_, captionFont_, TextFlags(),
                     CaptionBand().adjusted(0, 0, -1, 0));
}

void TStyCustomGroupBox::DrawFrame(QPainter &painter, const QRect &rect)
{
    if (Bevel()->Mode() != bmWindows) {
        Bevel()->Paint(painter, rect, Transparent());
        return;
    }
    if (ThemedFrameInUse()) {
        if (std::optional<TStyTheme> theme = OpenThemeData(this, QStringLiteral("BUTTON"))) {
            DrawThemeBackground(*theme, painter, BP_GROUPBOX, isEnabled() ? GBS_NORMAL : GBS_DISABLED, rect);
            CloseThemeData(*theme);
        }
        return;
    }
    QRect frame = rect;
    DrawStandardBorder(painter, frame, lsFrameInset);
}

void TStyCustomGroupBox::paintEvent(QPaintEvent *)
{
    if (Loading())
        return;
    QPainter painter(this);
    PaintBackground(painter);
    DrawFrame(painter, FrameRect());
    const QString text = Text();
    if (text.isEmpty())
        return;
    const QRect textBox = CaptionTextRect();
    // The frame is erased under the caption, a little further before its start.
    QRect erase = textBox;
    switch (Side()) {
    case TSide::Top:
    case TSide::Bottom:
        erase.setLeft(erase.left() - 2);
        break;
    case TSide::Left:
        erase.setBottom(erase.bottom() + 2);
        break;
    case TSide::Right:
        erase.setTop(erase.top() - 2);
        break;
    }
    if (!(DrawsParentBackground() && DrawParentBackground(painter, erase, QPoint(0, 0), 0))) {
        if (ThemedFrameInUse() && UseThemedBackground())
            DrawThemeParentBackground(this, painter, erase);
        else
            painter.fillRect(erase, Color());
    }
    painter.setBrush(Color());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(captionFont_);
    QRect box = textBox;
    Draw3DText(painter, text, *rotated_, nullptr, isEnabled() ? tsEnabled : 0, TextFlags(), box);
}

void TStyCustomGroupBox::FocusFirstChild()
{
    for (QWidget *next = nextInFocusChain(); next && next != this && isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisible()) {
            next->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

bool TStyCustomGroupBox::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (shortcut->shortcutId() == shortcut_ && isEnabled() && isVisible()) {
            FocusFirstChild();
            return true;
        }
    }
    return TStyCustomParentPanel::event(event);
}

void TStyCustomGroupBox::changeEvent(QEvent *event)
{
    TStyCustomParentPanel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        update();
    } else if (event->type() == QEvent::FontChange && captionParentFont_) {
        captionFont_ = font();
        MeasureCaption();
        Realign();
        update();
    }
}
