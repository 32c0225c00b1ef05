#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "ΕΠΙΛΕΞΤΕ": the colour of a printout, item 0 colour, item 1 black and white (the default).
class TEpilogesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TEpilogesDlg(QWidget *parent = nullptr);

    void FormCreate();
    // The chosen item of RadioGroup1.
    int ItemIndex() const;
    void SetItemIndex(int index);

    QGroupBox *RadioGroup1;
    QButtonGroup *RadioItems;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

public slots:
    void reject() override;
};

TEpilogesDlg *EpilogesDlg();
