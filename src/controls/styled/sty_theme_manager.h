#pragma once

#include "controls/styled/sty_wndproc.h"

// Keeps the controls' themed look in step with the application's style: placed on a form, it
// takes the look when the form is first made ready to show and re-announces it on every change of
// the style (switching it off when the new style is the classic one).
class TStyXPThemeManager : public TStyWndProcComponent
{
    Q_OBJECT

public:
    using TStyWndProcComponent::TStyWndProcComponent;

protected:
    bool WindowProc(QEvent &event) override;
};
