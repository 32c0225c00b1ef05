#pragma once

#include "controls/styled/sty_control.h"
#include "controls/styled/sty_layout.h"

#include <QPointer>

#include <cstdint>

class TStyBevel;
class TStyFxCaption;

namespace tav::styled::label {
Q_NAMESPACE

// How a caption too long for the label is shortened, and whether it breaks like an edit box.
enum TStyLabelOption
{
    loPathEllipsis = 0x4000,
    loEndEllipsis = 0x8000,
    loEditControl = 0x2000
};
Q_DECLARE_FLAGS(TStyLabelOptions, TStyLabelOption)
Q_FLAG_NS(TStyLabelOptions)

} // namespace tav::styled::label

Q_DECLARE_OPERATORS_FOR_FLAGS(tav::styled::label::TStyLabelOptions)

namespace tav::styled {
using namespace label;
}

// A caption that takes no focus: aligned in its box, sized to its text, moving the focus to
// FocusControl by its accelerator, and blinking between its font colour and TwinkleColor.
class TStyBaseLabel : public TStyBaseGraphicControl
{
    Q_OBJECT

public:
    using TStyAlignment = tav::styled::layout::TStyAlignment;
    using TStyLabelOptions = tav::styled::label::TStyLabelOptions;

    explicit TStyBaseLabel(QWidget *parent = nullptr);
    ~TStyBaseLabel() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString &value);
    TStyAlignment Alignment() const { return alignment_; }
    void SetAlignment(TStyAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TStyLabelOptions Options() const { return options_; }
    void SetOptions(TStyLabelOptions value);
    QWidget *FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget *value);
    bool Twinkle() const { return twinkleTimer_ != 0; }
    void SetTwinkle(bool value);
    int TwinkleVisible() const { return twinkleIntervals_[0]; }
    void SetTwinkleVisible(int value) { twinkleIntervals_[0] = value; }
    int TwinkleInVisible() const { return twinkleIntervals_[1]; }
    void SetTwinkleInVisible(int value) { twinkleIntervals_[1] = value; }
    // An invalid colour draws nothing while the caption blinks off.
    QColor TwinkleColor() const { return twinkleColor_; }
    void SetTwinkleColor(const QColor &value);

    // The option flags of the caption's layout.
    unsigned TextFlags() const;
    // The colour the caption is drawn in now: the font's, or TwinkleColor while blinked off.
    QColor CaptionColor() const;
    bool TwinkleHidden() const { return twinkleHidden_; }

    void Loaded() override;

protected:
    // Sizes the label to its caption, keeping its top-left corner.
    void Measure();
    virtual QSize CaptionSize() const = 0;

    bool event(QEvent *event) override;

private:
    void UpdateShortcut();
    void TwinkleTick();

    QString caption_;
    TStyAlignment alignment_ = tav::styled::agTopLeft;
    bool autoSize_ = true;
    bool multiLine_ = false;
    bool showAccelChar_ = true;
    TStyLabelOptions options_;
    QPointer<QWidget> focusControl_;
    std::uint16_t twinkleTimer_ = 0;
    int twinkleIntervals_[2] = {700, 700};
    QColor twinkleColor_;
    bool twinkleHidden_ = false;
    int shortcut_ = 0;
};

// A label with a bevel around it and a 3-D or turned caption; transparent over its parent.
class TStyCustomLabel : public TStyBaseLabel
{
    Q_OBJECT

public:
    explicit TStyCustomLabel(QWidget *parent = nullptr);
    ~TStyCustomLabel() override;

    TStyBevel *Bevel() const { return bevel_; }
    TStyFxCaption *FontFX() const { return fontFX_; }
    // The background is the parent's colour rather than Color.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    void ObjectChanged(QObject *sender) override;

protected:
    QSize CaptionSize() const override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The caption's layout flags for drawing and measuring.
    unsigned DrawFlags() const;

    TStyBevel *bevel_;
    TStyFxCaption *fontFX_;
    bool parentColor_ = true;
};

// The label placed on forms, with its settings published.
class TStyLabel : public TStyCustomLabel
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(tav::styled::layout::TStyAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(tav::styled::label::TStyLabelOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool Twinkle READ Twinkle WRITE SetTwinkle)
    Q_PROPERTY(int TwinkleVisible READ TwinkleVisible WRITE SetTwinkleVisible)
    Q_PROPERTY(int TwinkleInVisible READ TwinkleInVisible WRITE SetTwinkleInVisible)
    Q_PROPERTY(QColor TwinkleColor READ TwinkleColor WRITE SetTwinkleColor)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)
    Q_PROPERTY(TStyBevel *Bevel READ Bevel)
    Q_PROPERTY(TStyFxCaption *FontFX READ FontFX)

public:
    using TStyCustomLabel::TStyCustomLabel;
};
