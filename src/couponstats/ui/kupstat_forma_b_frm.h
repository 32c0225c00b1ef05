#pragma once

#include "couponstats/ui/kupstat_first_page.h"

// The first page of the points analysis at home and away: the coupon's rows with the goals of
// their scores; its next page is page 1 of the points analysis.
class TKupstatFormaBFrm : public TKupstatFirstPage
{
    Q_OBJECT
public:
    explicit TKupstatFormaBFrm(QWidget *parent = nullptr);

    // Hands the checked rows to page 1 of the points analysis, runs the analysis on it and shows it.
    void BtnNextClick();
    // Writes the loaded coupon's final scores into its records of the points analysis table.
    void BitBtn2Click();

    QPushButton *BitBtn2;
};

// The first page of the points analysis, created on first use; it lives to the end of the program.
TKupstatFormaBFrm *KupstatFormaBFrm();
