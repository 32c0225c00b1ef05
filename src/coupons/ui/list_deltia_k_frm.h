#pragma once

#include "coupons/ui/coupon_picker.h"

#include <QDateTime>

class TStyButton;

// The coupon picker of the analyses: the chosen coupon's name, folder and range; PageControl1's
// page says which folder (0 Kouponia, 1 MyKouponia).
class TListDeltiaKFrm : public TCouponPicker
{
    Q_OBJECT
public:
    explicit TListDeltiaKFrm(QWidget *parent = nullptr);

    void BBtnOKClick();

    TStyButton *BBtnOK;
    QString KupFileName;
    QString KupDir; // with a trailing slash
    QDateTime KupDateFrom;
    QDateTime KupDateTo;

protected:
    void Choose(const QString &path, int page) override;
};

TListDeltiaKFrm *ListDeltiaKFrm();
