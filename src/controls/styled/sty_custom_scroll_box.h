#pragma once

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_design.h"

#include <QImage>
#include <QScrollArea>

#include <functional>

// The bevel of a scroll box: the window's own frame unless chosen otherwise.
class TStyScrollBoxBevel : public TStyBevel
{
    Q_OBJECT

public:
    explicit TStyScrollBoxBevel(QObject *parent = nullptr);
};

// A scroll area whose border is its bevel, painted in the margins around the viewport. It passes
// its parent's background on to transparent styled panels inside it, repaints that background
// while scrolling at a chosen rhythm, and can release the native windows of children that are
// scrolled out of view.
class TStyCustomScrollBox : public QScrollArea, public TStyPersistent, public TStyLoadable
{
    Q_OBJECT

public:
    explicit TStyCustomScrollBox(QWidget *parent = nullptr);

    // The box whose scrolled contents widget is contents, or none.
    static TStyCustomScrollBox *OfContents(const QWidget *contents);

    QString About() const { return about_; }
    void SetAbout(const QString &value) { about_ = value; }
    TStyScrollBoxBevel *Bevel() const { return bevel_; }
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value) { parentCtl3D_ = value; }
    // On size changes the whole box is repainted, not only its border.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool value) { fullRepaint_ = value; }
    // Release the native windows of children outside the visible area.
    bool SaveResources() const { return saveResources_; }
    void SetSaveResources(bool value);
    // When false the background is repainted only when a scroll ends.
    bool RepaintWhileScrolling() const { return repaintWhileScrolling_; }
    void SetRepaintWhileScrolling(bool value) { repaintWhileScrolling_ = value; }
    // While scrolling, the background is repainted at every n-th step.
    int RepaintInterval() const { return repaintInterval_; }
    void SetRepaintInterval(int value) { repaintInterval_ = value; }
    bool UseThemes() const { return useThemes_; }
    void SetUseThemes(bool value);

    // Fired after every scroll step and at the end of a scroll.
    std::function<void(QObject *)> OnScroll;

    // What transparent styled panels inside copy: the background of the box's own parent.
    bool HasBackground() const;
    const QImage *BackBitmap() const;
    // Where a point of the contents lies in that background.
    QPoint BackOffset(QPoint point) const;

    // Makes sure the children in view have their native windows and releases the others'.
    void CheckChildren();

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    bool ThemedBorder() const;
    void BevelChanged();
    void UpdateMargins();
    void PaintBorder();
    void ScrollMessage(bool endOfScroll);
    void RepaintBackground();
    void BackChanged();

    QString about_;
    TStyScrollBoxBevel *bevel_;
    bool ctl3D_ = true;
    bool parentCtl3D_ = false;
    bool fullRepaint_ = false;
    bool saveResources_ = false;
    bool repaintWhileScrolling_ = true;
    int repaintInterval_ = 1;
    int scrollCounter_ = 0;
    bool useThemes_ = true;
    bool painted_ = false;
};
