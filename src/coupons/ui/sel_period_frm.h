#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// "ΕΠΙΛΟΓΗ ΠΕΡΙΟΔΟΥ": the seasons an analysis reads, newest first, the two newest checked at each
// showing. Periods keeps the seasons checked at the last OK.
class TSelPeriodFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TSelPeriodFrm(QWidget *parent = nullptr);

    void FormShow();
    void FillPeriodList();
    // Without a checked season "Πρέπει να επιλέξετε μία περίοδο!" and the form stays open.
    void BBtnOKClick();

    QLabel *Label1;
    QListWidget *PeriodCombo;
    QPushButton *BBtnOK;
    QPushButton *BitBtn1;
    QStringList Periods;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};

TSelPeriodFrm *SelPeriodFrm();
