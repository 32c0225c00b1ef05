#pragma once

#include "couponstats/ui/kupstat_first_page.h"

// The first page of the points analysis at home and away: the coupon's rows with the goals of
// their scores. Its next-page button stays out of use until the points analysis pages exist.
class TKupstatFormaBFrm : public TKupstatFirstPage
{
    Q_OBJECT
public:
    explicit TKupstatFormaBFrm(QWidget *parent = nullptr);
};

// The first page of the points analysis, created on first use; it lives to the end of the program.
TKupstatFormaBFrm *KupstatFormaBFrm();
