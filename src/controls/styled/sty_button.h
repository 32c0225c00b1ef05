#pragma once

#include "controls/styled/sty_custom_button.h"

// The styled push button the program's windows place: the custom button with its drop-down menu
// settings in designs as well.
class TStyButton : public TStyCustomButton
{
    Q_OBJECT
    Q_PROPERTY(int DropDownIndent READ DropDownIndent WRITE SetDropDownIndent)
    Q_PROPERTY(bool DropDownRight READ DropDownRight WRITE SetDropDownRight)

public:
    explicit TStyButton(QWidget *parent = nullptr) : TStyCustomButton(parent) {}
};
