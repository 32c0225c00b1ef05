#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ": all rows, or the rows from Edit1 to Edit2 (digits only). The caller sets
// the edits and the box before showing it and reads them back.
class TPrintRangeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPrintRangeDlg(QWidget *parent = nullptr);

    QCheckBox *ChkAll;
    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QPushButton *BtnOK;

public slots:
    void reject() override;
};

TPrintRangeDlg *PrintRangeDlg();
