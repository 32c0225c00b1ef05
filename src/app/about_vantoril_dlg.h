#pragma once

#include "app/about_box.h"

// "About Vantoril": the about box of the sister product Vantoril.
class TAboutVantorilDlg : public TAboutBox
{
    Q_OBJECT
public:
    explicit TAboutVantorilDlg(QWidget *parent = nullptr);
};

// Created on first use; it lives to the end of the program.
TAboutVantorilDlg *AboutVantorilDlg();
