#pragma once

#include "controls/styled/sty_change_link.h"
#include "controls/styled/sty_design.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>

class QPainter;
class TStyBitmapEffectObject;
class TStyCustomImageList;

namespace tav::styled {

// What changed of a control's bounds.
enum TStyBoundsChange
{
    bcMoved = 0x1,
    bcResized = 0x2
};

} // namespace tav::styled

// The base of the styled controls that never take the focus (labels): mouse enter and exit
// events, bounds changes reported as moved and resized, settings changes that repaint unless
// updates are locked, and a plain Color background.
class TStyControl : public QWidget, public TStyPersistent, public TStyLoadable
{
    Q_OBJECT

public:
    explicit TStyControl(QWidget *parent = nullptr);

    QString About() const { return about_; }
    void SetAbout(const QString &value) { about_ = value; }
    QColor Color() const { return color_; }
    void SetColor(const QColor &value);

    std::function<void(QObject *)> OnMouseEnter;
    std::function<void(QObject *)> OnMouseExit;
    // The bounds changed: a combination of TStyBoundsChange.
    std::function<void(QObject *, unsigned)> OnBoundsChanged;

    // While above 0 settings changes do not repaint.
    int UpdateLock = 0;

    // Moves and sizes the control and reports what changed.
    void SetBounds(const QRect &bounds);

    virtual void ThemeChanged();
    virtual bool UseThemedLook() const { return false; }
    virtual void ObjectChanged(QObject *sender);
    virtual bool ShowDesignFrame() const { return true; }

protected:
    virtual void BoundsChanged(unsigned changes);
    virtual void MouseEnter();
    virtual void MouseExit();
    // The dotted frame a designer shows around the control.
    void DrawDesignFrame(QPainter &painter);
    void FillBackground(QPainter &painter);

    bool event(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString about_;
    QColor color_;
};

// A control with an image list, its picture indexes and the effects over a copied background.
class TStyBaseControl : public TStyControl
{
    Q_OBJECT

public:
    explicit TStyBaseControl(QWidget *parent = nullptr);
    ~TStyBaseControl() override;

    TStyCustomImageList *ImageList() const;
    void SetImageList(TStyCustomImageList *value);
    int ImageIndex() const { return indexes_[0]; }
    void SetImageIndex(int value) { SetIndex(0, value); }
    int ListIndex() const { return indexes_[1]; }
    void SetListIndex(int value) { SetIndex(1, value); }
    TStyBitmapEffectObject *BackFX() const { return backFX_; }

    // Whether the control shows its parent's background.
    virtual bool DrawsParentBackground() const { return false; }

    // Stores "Internal" when ImageList is one of the program's shared lists.
    void DefineProperties(TStyFiler &filer) override;

protected:
    bool event(QEvent *event) override;

private:
    void SetIndex(int index, int value);

    QPointer<TStyCustomImageList> imageList_;
    int indexes_[2] = {0, 0};
    TStyChangeLink imageLink_;
    TStyBitmapEffectObject *backFX_;
};

// A control that, when Transparent, shows the background its parent offers (a styled control, a
// styled scroll box or a shaped form) instead of its Color.
class TStyBaseGraphicControl : public TStyBaseControl
{
    Q_OBJECT

public:
    explicit TStyBaseGraphicControl(QWidget *parent = nullptr);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    bool ParentBackAvailable() const;
    bool DrawsParentBackground() const override { return transparent_ && ParentBackAvailable(); }

protected:
    // The parent's background under the control, or its Color.
    void PaintBackground(QPainter &painter);

private:
    bool transparent_ = false;
};
