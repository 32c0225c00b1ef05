#pragma once

#include "controls/styled/sty_component.h"

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

// A component that watches the events of the form that owns it (for a multiple-document parent,
// the events of its document area), from Loaded() or Enabled := true until Enabled := false, the
// form's destruction or its own.
class TStyWndProcComponent : public TStyCustomComponent
{
    Q_OBJECT

public:
    explicit TStyWndProcComponent(QObject *owner = nullptr);
    ~TStyWndProcComponent() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // For a multiple-document parent: watch the form itself rather than its document area.
    bool UseOwnWindow() const { return useOwnWindow_; }
    void SetUseOwnWindow(bool value) { useOwnWindow_ = value; }
    bool Hooked() const { return hooked_; }

    // The watched widget: none without an owning form.
    QWidget *Window() const;

    // Starts watching; false when disabled, already watching or there is no window.
    virtual bool Hook();
    virtual void Unhook();
    void Loaded() override;

protected:
    // One event of the watched window; true keeps it from the window.
    virtual bool WindowProc(QEvent &event);
    // Called after Enabled changed.
    virtual void Changed();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // 1: a document form inside a multiple-document parent; 2: a multiple-document parent.
    int OwnerFormKind() const;
    void WindowDestroyed();

    bool enabled_ = true;
    bool useOwnWindow_ = false;
    bool hooked_ = false;
    bool windowDestroyed_ = false;
    QPointer<QWidget> hookedWindow_;
    QMetaObject::Connection destroyedConnection_;
};
