#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TProgressBar;

// "ΑΝΤΙΓΡΑΦΗ ΑΠΟ ΔΙΣΚΕΤΑ": copies every coupon file of the diskette in drive A (the folder the
// drive is mapped to) into the coupon folder, one bar step per file.
class TCopyFromDiskDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TCopyFromDiskDlg(QWidget *parent = nullptr);

    void BtnStartClick();

    QLabel *Image1;
    QLabel *Label1;
    TProgressBar *ProgBar;
    QPushButton *BtnStart;
    QPushButton *BtnBack;
};

// The program's diskette copy dialog, made at start-up; it lives to the end of the program.
TCopyFromDiskDlg *CopyFromDiskDlg();
