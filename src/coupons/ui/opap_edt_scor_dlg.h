#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

// "ΔΙΑΦΟΡΑ ΣΚΟΡ": the coupon's score or the stored one, when they differ. The two boxes exclude
// each other and keep their state from one question to the next.
class TEdtSCORDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TEdtSCORDlg(QWidget *parent = nullptr);

    void ChkOPAPClick();
    void ChkTavrolinClick();

    QGroupBox *GroupBox1;
    QCheckBox *ChkOPAP;
    QCheckBox *ChkTavrolin;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
};

TEdtSCORDlg *EdtSCORDlg();
