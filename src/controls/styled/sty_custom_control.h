#pragma once

#include "controls/styled/sty_change_link.h"
#include "controls/styled/sty_design.h"
#include "controls/styled/sty_image_lists.h"

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

class QPainter;
class TStyBitmapEffectObject;
class TStyObject;

namespace tav::styled {

// The events the styled controls send one another (sent to child widgets, or posted to the
// control itself).
// The background under the children changed: transparent children repaint and pass it on.
inline constexpr auto CM_STYBACKCHANGED = QEvent::Type(45262);
// Posted to a control after it got or lost the keyboard focus.
inline constexpr auto CM_STYFOCUSGAINED = QEvent::Type(45263);
inline constexpr auto CM_STYFOCUSLOST = QEvent::Type(45264);
// A panel's bevel was replaced.
inline constexpr auto CM_STYBEVELCHANGED = QEvent::Type(45265);
// Asks a control that shows its parent's background to tell its children.
inline constexpr auto CM_STYPARENTBACKQUERY = QEvent::Type(45268);
// The look switched between themed and classic: invalidate and pass on.
inline constexpr auto CM_STYTHEMECHANGED = QEvent::Type(45270);

// Sends an event of the type to every direct child widget.
void BroadcastToChildren(QWidget &widget, QEvent::Type type);

// The index among the form's components (its descendants, in order) of the first of the class or
// a class derived from it; -1 when form is no window, the class is null or none matches.
int IndexOfComponentClass(const QObject *form, const QMetaObject *componentClass);

} // namespace tav::styled

// The base of the styled panels: a widget that can show its parent's background instead of its
// Color, carries bitmap effects for that background, shows pictures of an image list, reports
// mouse and focus changes and can draw a frame in the margin outside contentsRect() that follows
// the mouse and the focus. Descendants publish the properties they want in designs.
class TStyCustomControl : public QWidget, public TStyPersistent, public TStyLoadable
{
    Q_OBJECT

public:
    explicit TStyCustomControl(QWidget *parent = nullptr);
    ~TStyCustomControl() override;

    QString About() const { return about_; }
    void SetAbout(const QString &value) { about_ = value; }
    QColor Color() const { return color_; }
    void SetColor(const QColor &value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // Whether the bitmap effects run over the copied parent background.
    bool BackFXPass() const { return backFXPass_; }
    void SetBackFXPass(bool value);
    TStyBitmapEffectObject *BackFX() const { return backFX_; }
    void SetBackFX(const TStyBitmapEffectObject &value);
    // Use the themed look where it is available.
    bool CtlXP() const { return ctlXP_; }
    void SetCtlXP(bool value);
    // Draws the classic frame with two lines instead of one.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    // The list is not owned; the control follows its changes and forgets it when it goes.
    TStyCustomImageList *ImageList() const { return imageList_; }
    void SetImageList(TStyCustomImageList *value);
    int ImageIndex() const { return indexes_[0]; }
    void SetImageIndex(int value) { SetIndex(0, value); }
    int ListIndex() const { return indexes_[1]; }
    void SetListIndex(int value) { SetIndex(1, value); }
    // No list, or the list has no picture at (ListIndex, ImageIndex).
    bool NoImage() const;

    bool MouseAbove() const { return mouseAbove_; }
    bool HasFocus() const { return hasFocus_; }
    // How often the window attributes were applied again (for a new transparency).
    int RecreateCount() const { return recreateCount_; }

    std::function<void(QObject *)> OnFocusGained;
    std::function<void(QObject *)> OnFocusLost;
    std::function<void(QObject *)> OnMouseEnter;
    std::function<void(QObject *)> OnMouseExit;

    // Stores "Internal" when ImageList is one of the program's shared lists.
    void DefineProperties(TStyFiler &filer) override;
    void Loaded() override;

    virtual void ThemeChanged();
    virtual bool ThemeParentBackgroundAllowed() const { return true; }
    virtual bool SupportsThemedFrame() const { return false; }
    // The theme paints what lies behind the control.
    virtual bool UseThemedBackground() const;
    // The control copies its background from an ancestor's bitmap.
    virtual bool DrawsParentBackground() const { return transparent_ && ParentBackAvailable(); }
    virtual bool IsReadOnly() const { return false; }
    virtual bool ParentBackAvailable() const { return false; }
    // Paints the ancestor's background under rect (shifted by offset); false when nothing drawn.
    virtual bool DrawParentBackground(QPainter &painter, const QRect &rect, QPoint offset, unsigned flags);
    virtual QPoint GetBackOffset(QPoint point) const { return point; }
    // The bitmap the control's transparent children copy from; null when none.
    virtual const QImage *GetBackBitmap() const { return nullptr; }

protected:
    // Frame tracking: the frame is drawn hot while focused or under the mouse.
    bool FrameTracking() const { return frameTracking_; }
    void SetFrameTracking(bool value);
    // Fills the background (or leaves it to the theme or the ancestor's bitmap).
    virtual void PaintBackground(QPainter &painter);
    bool ThemedFrameInUse() const;
    virtual void BackFXPassChanged() {}
    virtual void ObjectChanged(QObject *sender);
    virtual void ImageListChanged(QObject *sender) { ObjectChanged(sender); }
    virtual void MouseEnter();
    virtual void MouseExit();
    // The theme class, part and state of the frame.
    virtual void GetThemeInfo(QString &className, int &part, int &state) const;
    // Both draw in the margin outside contentsRect().
    virtual void DrawHotFrame(QPainter &painter);
    virtual void DrawNormalFrame(QPainter &painter);
    // Fills a strip of the frame with what lies behind the control, or with Color.
    void FillBackgroundStrip(QPainter &painter, const QRect &rect);
    // Applies the window attributes again (for a new transparency or frame).
    void RecreateWindow();
    // The attributes of the window: descendants add their frame margins.
    virtual void CreateParams() {}

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void SetIndex(int index, int value);
    void BackgroundChanged();
    void DrawThemedFrame(QPainter &painter);

    QString about_;
    QColor color_;
    bool backFXPass_ = false;
    bool mouseAbove_ = false;
    bool hasFocus_ = false;
    bool frameTracking_ = false;
    bool transparent_ = false;
    bool ctlXP_ = true;
    bool ctl3D_ = true;
    QPointer<TStyCustomImageList> imageList_;
    int indexes_[2] = {0, 0};
    TStyChangeLink imageLink_;
    TStyBitmapEffectObject *backFX_;
    int recreateCount_ = 0;
};
