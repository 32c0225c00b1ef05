#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TProgressBar;

// "ΛΗΨΗ ΚΟΥΠΟΝΙΩΝ ΑΠΟ ΤΟ INTERNET": fetches the coupons listed on the coupon server's index page
// into the coupon folder (and the sister programs' coupon folders), showing the bytes of each file
// as they arrive, then opens the server's welcome page in the browser.
class TGetKupDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TGetKupDlg(QWidget *parent = nullptr);

    void FormShow();
    void BtnStartClick();
    void NMHTTP1PacketRecvd(qint64 received, qint64 total);

    QGroupBox *GroupBox1;
    QCheckBox *ChkKup;
    QCheckBox *ChkUpdate;
    TProgressBar *ProgBar;
    QLabel *Label1;
    QPushButton *BtnStart;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *event) override;
};

// The program's coupon download dialog, made at start-up; it lives to the end of the program.
TGetKupDlg *GetKupDlg();
