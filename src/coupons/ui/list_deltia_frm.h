#pragma once

#include "coupons/ui/coupon_picker.h"

class QPushButton;

// The coupon picker of the viewer, printing, the update of matches and the odds comparison: the
// chosen coupon's full path and name.
class TListDeltiaFrm : public TCouponPicker
{
    Q_OBJECT
public:
    explicit TListDeltiaFrm(QWidget *parent = nullptr);

    void BtnOKClick();

    QPushButton *BtnOK;
    QString KupFileName;
    QString KupFilePath;

protected:
    void Choose(const QString &path, int page) override;
};

TListDeltiaFrm *ListDeltiaFrm();
