#pragma once

#include "controls/styled/sty_custom_bevel_panel.h"

// A bevel panel that a self-sizing styled label inside it asks how much taller to grow.
class TStyCustomStatusBar : public TStyCustomBevelPanel
{
    Q_OBJECT

public:
    explicit TStyCustomStatusBar(QWidget *parent = nullptr) : TStyCustomBevelPanel(parent) {}

    virtual int LabelExtraHeight() const { return 0; }
};
