#pragma once

#include "couponstats/ui/kupstat_first_page.h"

// "ΑΝΑΛΥΣΗ OVER_UNDER ΚΟΥΠΟΝΙΟΥ": the first page of the over/under analysis: the coupon's rows with
// the goals of their final and half-time scores; its next page is page 1 of the over/under
// analysis.
class TKupstatFormaOFrm : public TKupstatFirstPage
{
    Q_OBJECT
public:
    explicit TKupstatFormaOFrm(QWidget *parent = nullptr);

    // Hands the checked rows in the row range to page 1, runs the analysis on it and shows it. A
    // range or N that is no number shows the conversion message and changes nothing.
    void BtnNextClick();

    // Writes the loaded coupon's final scores into its records of the over/under tables.
    void BitBtn2Click();

    QPushButton *BitBtn2;
};

// The first page of the over/under analysis, created on first use; it lives to the end of the
// program.
TKupstatFormaOFrm *KupstatFormaOFrm();
