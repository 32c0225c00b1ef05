#pragma once

#include "controls/styled/sty_custom_parent_panel.h"

#include <QFont>

class TSty3DCaption;
class TStyFxCaption;

namespace tav::styled::group {
Q_NAMESPACE

// The side of the caption and where on it the caption sits: per side, first the corner the text
// starts at, then the centre, then the opposite corner.
enum TStyGroupCaptionAlign
{
    gcaTopLeft,
    gcaTopCenter,
    gcaTopRight,
    gcaLeftBottom,
    gcaLeftCenter,
    gcaLeftTop,
    gcaBottomLeft,
    gcaBottomCenter,
    gcaBottomRight,
    gcaRightTop,
    gcaRightCenter,
    gcaRightBottom
};
Q_ENUM_NS(TStyGroupCaptionAlign)

} // namespace tav::styled::group

namespace tav::styled {
using namespace group;
}

// A container that frames its children and sets a 3-D caption into the frame on any side; on the
// left and right sides the caption is turned. The caption's band narrows the children's area.
// The caption's accelerator focuses the first child.
class TStyCustomGroupBox : public TStyCustomParentPanel
{
    Q_OBJECT
    Q_PROPERTY(bool CtlXP READ CtlXP WRITE SetCtlXP)

public:
    using TStyGroupCaptionAlign = tav::styled::group::TStyGroupCaptionAlign;

    explicit TStyCustomGroupBox(QWidget *parent = nullptr);
    ~TStyCustomGroupBox() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString &value);
    // False draws "&" as it is; the accelerator works either way.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TStyGroupCaptionAlign Alignment() const { return alignment_; }
    void SetAlignment(TStyGroupCaptionAlign value);
    // The distance of a caption at a corner from that corner.
    int CaptionOffset() const { return captionOffset_; }
    void SetCaptionOffset(int value);
    // Setting it stops the caption font following the box's font.
    QFont CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const QFont &value);
    bool CaptionParentFont() const { return captionParentFont_; }
    void SetCaptionParentFont(bool value);
    TSty3DCaption *CaptionFont3D() const { return captionFont3D_; }
    void SetCaptionFont3D(TSty3DCaption *value);

    // The thickness of the caption's band: the caption font's line and the 3-D depth.
    int CaptionHeight() const { return captionHeight_; }
    // Where the caption's band and the frame lie; with a blank caption the frame is the whole
    // contents and there is no band.
    QRect CaptionBand() const;
    QRect FrameRect() const;
    // The box the caption text is drawn in (and the frame erased under, widened by 2 at its start).
    QRect CaptionTextRect() const;

    bool SupportsThemedFrame() const override { return true; }
    void Loaded() override;

protected:
    bool UsesWindowFrame() const override { return false; }
    QRect AlignRect(const QRect &rect) const override;
    void ObjectChanged(QObject *sender) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class TSide
    {
        Top,
        Left,
        Bottom,
        Right
    };
    TSide Side() const;
    QString Text() const { return caption_.trimmed(); }
    unsigned TextFlags() const;
    void MeasureCaption();
    void CaptionFontChanged();
    void DrawFrame(QPainter &painter, const QRect &rect);
    void FocusFirstChild();

    QString caption_;
    bool showAccelChar_ = true;
    TStyGroupCaptionAlign alignment_ = tav::styled::gcaTopLeft;
    int captionOffset_ = 8;
    QFont captionFont_;
    bool captionParentFont_ = true;
    TSty3DCaption *captionFont3D_;
    int captionHeight_ = 0;
    TStyFxCaption *rotated_;
    int shortcut_ = 0;
};
