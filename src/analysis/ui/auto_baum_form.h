#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Ενημέρωση Βαθμολογιών": stores the league table of every missing matchday of the leagues of the
// ticked categories in the ticked seasons, so that the analyses find the TeamStat rows without the
// league table being opened for each. The run shows the competition and matchday in hand and
// stops between matchdays at "Stop", keeping what it stored. The ticked categories are remembered
// in selBaum.txt from one showing to the next.
class TAutoBaumForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAutoBaumForm(QWidget *parent = nullptr);

    void FormShow();
    void FormClose();
    void FillCategoryList();
    // Runs the update, shows a database error that ends it, and closes the dialog.
    void BitBtn1Click();
    // "ΕΠΙΛΟΓΗ ΟΛΩΝ": ticks every category.
    void BitBtn4Click();
    // "Stop": the run ends before its next matchday; the dialog closes.
    void BitBtn3Click();
    // The run itself; database errors propagate.
    void UpdateTeamStat();

    // The ticked items of a check list, in list order.
    static QStringList Ticked(const QListWidget *list);

    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QLineEdit *edDiorg;
    QLineEdit *edAgvn;
    QListWidget *ChkLst1;
    QPushButton *BitBtn3;
    QListWidget *PeriodCombo;
    QPushButton *BitBtn4;
    bool StopRequested = false;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool running_ = false;
};

// The program's standings update dialog, created at start-up.
TAutoBaumForm *AutoBaumForm();
