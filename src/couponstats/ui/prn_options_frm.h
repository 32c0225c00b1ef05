#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// "ΕΠΙΛΕΞΤΕ ΤΥΠΟ ΕΚΤΥΠΩΣΗΣ": whether a page prints its coupon rows (0) or its proposals (1).
class TPrnOptionsfrm : public QDialog
{
    Q_OBJECT
public:
    explicit TPrnOptionsfrm(QWidget *parent = nullptr);

    int ItemIndex() const;

    QGroupBox *RadioGroup1;
    QButtonGroup *RadioButtons;
    QPushButton *BBtnOK;
    QPushButton *BBtnCancel;

public slots:
    void reject() override;
};

// The print choice of the program, created on first use; it lives to the end of the program.
TPrnOptionsfrm *PrnOptionsfrm();
