#pragma once

#include "controls/styled/sty_custom_parent_panel.h"
#include "controls/styled/sty_layout.h"

class TStyFillObject;
class TStyFxCaption;

// A parent panel whose background is a fill and whose caption is drawn with 3-D effects at one of
// nine places.
class TStyCustomPanelFill : public TStyCustomParentPanel
{
    Q_OBJECT

public:
    using TStyAlignment = tav::styled::layout::TStyAlignment;

    explicit TStyCustomPanelFill(QWidget *parent = nullptr);
    ~TStyCustomPanelFill() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString &value);
    TStyAlignment Alignment() const { return alignment_; }
    void SetAlignment(TStyAlignment value);
    TStyFxCaption *FontFX() const { return fontFX_; }
    void SetFontFX(TStyFxCaption *value);
    TStyFillObject *FillObject() const { return fillObject_; }
    void SetFillObject(TStyFillObject *value);
    bool TransparentBorder() const { return transparentBorder_; }
    void SetTransparentBorder(bool value);

protected:
    bool NeedsBackBitmap() const override;
    void UpdateBackBitmap(bool force) override;
    void PaintBackBitmap(QImage &bitmap) override;
    void ObjectChanged(QObject *sender) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString caption_;
    TStyAlignment alignment_ = tav::styled::agCenter;
    TStyFxCaption *fontFX_;
    TStyFillObject *fillObject_;
    bool transparentBorder_ = false;
};
