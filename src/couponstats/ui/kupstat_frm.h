#pragma once

#include "couponstats/ui/kupstat_first_page.h"

// "ΕΙΔΙΚΗ ΑΝΑΛΥΣΗ": the first page of the special analysis; its next page is analysis page 1.
class TKupstatFrm : public TKupstatFirstPage
{
    Q_OBJECT
public:
    explicit TKupstatFrm(QWidget *parent = nullptr);

    // Hands the checked rows to analysis page 1, runs the chosen statistic on it and shows it.
    void BtnNextClick();
};

// The first page of the special analysis, created on first use; it lives to the end of the program.
TKupstatFrm *KupstatFrm();
