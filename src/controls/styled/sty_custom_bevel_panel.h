#pragma once

#include "controls/styled/sty_custom_panel.h"

class TStyBevel;

// A panel with a border drawn by its bevel; the border narrows the area of the children. In the
// Windows mode the window's own frame draws it, in the margin outside the contents.
class TStyCustomBevelPanel : public TStyCustomPanel
{
    Q_OBJECT

public:
    explicit TStyCustomBevelPanel(QWidget *parent = nullptr);
    ~TStyCustomBevelPanel() override;

    TStyBevel *Bevel() const { return bevel_; }
    void SetBevel(TStyBevel *value);

    // The frame and the children's area follow the bevel read from the design.
    void Loaded() override;

protected:
    // Whether the window's frame draws the Windows border (else the bevel draws it itself).
    virtual bool UsesWindowFrame() const { return true; }
    QRect AlignRect(const QRect &rect) const override;
    void CreateParams() override;
    void ObjectChanged(QObject *sender) override;
    void MouseEnter() override;
    void DrawHotFrame(QPainter &painter) override;
    void DrawNormalFrame(QPainter &painter) override;
    void paintEvent(QPaintEvent *event) override;
    // The frame the window draws in the margin, when there is one.
    void DrawWindowFrame(QPainter &painter);

private:
    TStyBevel *bevel_;
};
