#include "controls/styled/sty_wndproc.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

TStyWndProcComponent::TStyWndProcComponent(QObject *owner) : TStyCustomComponent(owner) {}

TStyWndProcComponent::~TStyWndProcComponent()
{
    Unhook();
}

void TStyWndProcComponent::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    if (value)
        Hook();
    else
        Unhook();
    Changed();
}

int TStyWndProcComponent::OwnerFormKind() const
{
    auto *form = qobject_cast<QWidget *>(parent());
    if (!form)
        return 0;
    if (qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        return 1;
    auto *main = qobject_cast<QMainWindow *>(form);
    if (main && qobject_cast<QMdiArea *>(main->centralWidget()))
        return 2;
    return 0;
}

QWidget *TStyWndProcComponent::Window() const
{
    auto *form = qobject_cast<QWidget *>(parent());
    if (form && OwnerFormKind() == 2 && !useOwnWindow_)
        return static_cast<QMdiArea *>(static_cast<QMainWindow *>(form)->centralWidget())->viewport();
    return form;
}

bool TStyWndProcComponent::Hook()
{
    if (!enabled_ || hooked_)
        return false;
    QWidget *window = Window();
    if (!window)
        return false;
    windowDestroyed_ = false;
    hookedWindow_ = window;
    window->installEventFilter(this);
    destroyedConnection_ = connect(window, &QObject::destroyed, this, [this] { WindowDestroyed(); });
    hooked_ = true;
    return true;
}

void TStyWndProcComponent::Unhook()
{
    if (hookedWindow_)
        hookedWindow_->removeEventFilter(this);
    disconnect(destroyedConnection_);
    hookedWindow_ = nullptr;
    hooked_ = false;
}

void TStyWndProcComponent::Loaded()
{
    TStyLoadable::Loaded();
    Hook();
}

bool TStyWndProcComponent::WindowProc(QEvent &)
{
    return false;
}

void TStyWndProcComponent::Changed() {}

bool TStyWndProcComponent::eventFilter(QObject *watched, QEvent *event)
{
    if (windowDestroyed_ || watched != hookedWindow_)
        return false;
    return WindowProc(*event);
}

void TStyWndProcComponent::WindowDestroyed()
{
    // The window is going: nothing of it may reach the component any more.
    windowDestroyed_ = true;
    Unhook();
}
