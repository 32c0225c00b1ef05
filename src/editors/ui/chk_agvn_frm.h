#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TDataSource;
class TDBLookupComboBox;

// "ΜΕΤΑΦΟΡΑ ΕΓΓΡΑΦΩΝ ΣΤΟ ΑΡΧΕΙΟ ΑΓΩΝΩΝ": copies the matches of every competition of the chosen
// season into that season's own matches table, which it creates when missing. A season that
// cannot name such a table, or a match that cannot be stored, is reported and nothing is stored.
// The dialog is made before the data module exists: its season list is bound to the module's
// seasons when it is first shown.
class TChkAgvnFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TChkAgvnFrm(QWidget *parent = nullptr);

    void FormShow();
    // The copy of the chosen season.
    void BitBtn1Click();

    QLabel *Label1;
    TDBLookupComboBox *PeriodCombo;
    QPushButton *BitBtn1;
    QProgressBar *ProgBar;
    TDataSource *dsPeriodos;

protected:
    void showEvent(QShowEvent *event) override;
};

// The program's season copy dialog, created on first use; it lives to the end of the program.
TChkAgvnFrm *ChkAgvnFrm();
