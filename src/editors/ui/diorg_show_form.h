#pragma once

#include <QWidget>

class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TDataSource;
class TDBGrid;

// "Συγκεντρωτικός Πίνακας Διοργανώσεων": every competition of one season with its current
// matchday and that matchday's date, its scoring rules, promotion and relegation counts, file
// name and highest matchday. The season is remembered (NameP) on every change and on close; a
// double click on a row opens the entry of its unplayed matches. The window is a child of the
// main window's client area; closing it destroys it.
class TDiorgShowForm : public QWidget
{
    Q_OBJECT
public:
    explicit TDiorgShowForm(QWidget *parent = nullptr);

    void FormShow();
    void PeriodComboChange();
    void DBGrid1DblClick();
    // Prints the summary as the grid shows it.
    void BitBtn1Click();
    void FormClose();

    QFrame *Panel1;
    QLabel *Label1;
    QComboBox *PeriodCombo;
    QPushButton *BitBtn1;
    TDBGrid *DBGrid1;
    TDataSource *dsDShowQuery;

signals:
    // The window has closed; the main window shows its logo again.
    void Closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Runs the summary of the season selected in PeriodCombo.
    void RunSummary();
};

// The competitions summary while it is open; nullptr otherwise.
TDiorgShowForm *DiorgShowForm();
