#pragma once

#include "coupons/ui/print_range_dlg.h"

// "ΠΕΡΙΟΧΗ ΑΠΟΘΗΚΕΥΣΗΣ": the rows of the odds comparison whose proposals the tip-column file
// takes, all of them or Edit1 to Edit2 (digits only); the print range dialog under its own words.
class TProtRangeDlg : public TPrintRangeDlg
{
    Q_OBJECT
public:
    explicit TProtRangeDlg(QWidget *parent = nullptr);
};

TProtRangeDlg *ProtRangeDlg();
