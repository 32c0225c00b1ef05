#pragma once

#include "controls/styled/sty_custom_control.h"

#include <functional>

namespace tav::styled {

// What a transparent panel copies its background from: the bitmap an ancestor keeps and where a
// point of the panel's parent lies in it.
struct TStyBackSource
{
    bool available = false;
    const QImage *bitmap = nullptr;
    std::function<QPoint(QPoint)> offset;
};

// The background source that parent offers its transparent children: a styled control passes on
// its own, a styled scroll box its parent's, a form the background of its form shape; anything
// else offers none.
TStyBackSource BackSourceOf(const QWidget *parent);

} // namespace tav::styled

// A styled control that holds child widgets and, when Transparent, shows the background bitmap
// an ancestor keeps, shifted to its own place. Points and rectangles are in widget coordinates,
// which include the frame margin, so a frame shifts the copied picture by its width on its own.
// The children take the area AlignRect() leaves of the contents (through the layout's margins).
class TStyCustomPanel : public TStyCustomControl
{
    Q_OBJECT

public:
    explicit TStyCustomPanel(QWidget *parent = nullptr);

    // Kept for designs; nothing follows from it.
    bool Locked() const { return locked_; }
    void SetLocked(bool value) { locked_ = value; }

    bool ParentBackAvailable() const override;
    const QImage *GetBackBitmap() const override;
    QPoint GetBackOffset(QPoint point) const override;
    bool DrawParentBackground(QPainter &painter, const QRect &rect, QPoint offset, unsigned flags) override;

    // The area the children are placed in.
    QRect ChildArea() const { return AlignRect(contentsRect()); }

protected:
    virtual QRect AlignRect(const QRect &rect) const { return rect; }
    // Places the children again in ChildArea().
    void Realign();

    bool event(QEvent *event) override;

private:
    tav::styled::TStyBackSource Source() const;

    bool locked_ = false;
};
