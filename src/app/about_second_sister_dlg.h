#pragma once

#include "app/about_box.h"

// "About Velmistor": the about box of the second sister product, Velmistor, the maker's
// statistics tool for the coupons.
class TAboutSecondSisterDlg : public TAboutBox
{
    Q_OBJECT
public:
    explicit TAboutSecondSisterDlg(QWidget *parent = nullptr);
};

// The caption of the Help menu item that opens this box.
inline constexpr const char *SecondSisterMenuCaption = "Γενικά για το Velmistor";

// Created on first use; it lives to the end of the program.
TAboutSecondSisterDlg *AboutSecondSisterDlg();
