#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// "ΕΠΙΛΕΞΤΕ": the change of the kick-off times in hours and of the odds that the coupon viewer
// applies while it loads a coupon. The lists offer the values between the ranges that the viewer
// sets, in steps of an hour and of 0,05.
class TViewEditOptDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TViewEditOptDlg(QWidget *parent = nullptr);

    void FormShow();

    QLabel *Label1;
    QLabel *Label2;
    QComboBox *CmbTime;
    QComboBox *CmbAp;
    QPushButton *BtnOK;
    QPushButton *BtnCancel;

    // The chosen changes, and the ranges the lists offer.
    double TimeShift = 0.0;
    double OddsShift = 0.0;
    double TimeShiftMin = 0.0;
    double TimeShiftMax = 0.0;
    double OddsShiftMin = 0.0;
    double OddsShiftMax = 0.0;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};

// The program's change dialog, made at start-up; it lives to the end of the program.
TViewEditOptDlg *ViewEditOptDlg();
