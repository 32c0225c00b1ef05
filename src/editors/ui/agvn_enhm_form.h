#pragma once

#include "editors/agvn_enhm_engine.h"

#include <QDate>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;
class TColumn;
class TDBGrid;
class TDataSource;

// "Ενημέρωση Αποτελεσμάτων": the matches of all or of chosen competitions of one season between
// two dates, with or without a result, so that a whole weekend's scores are typed into one grid.
// The grid edits the data module's shared Agvnes through a filter of this window, so the module's
// rules apply to every stored row; hiding or closing the window removes the filter.
class TAgvnEnhmForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAgvnEnhmForm(QWidget *parent = nullptr);
    ~TAgvnEnhmForm() override;

    // Today's date as the window sees it; tests fix it.
    std::function<QDate()> Today;

    // Resets the dates, score boxes, season and category list, and leaves Agvnes closed without
    // filter and range.
    void FormShow();
    void FormClose();
    void FormHide();
    // Builds the list: the filter of the chosen dates, competitions and scores on Agvnes.
    void Button2Click();
    // Prints the listed matches.
    void Button1Click();
    // Enter walks the four goal columns, and from the last one to the next match.
    void DBGrid1KeyPress(QChar &key);
    // A click left of the goal columns puts the cursor into the first of them.
    void DBGrid1CellClick(TColumn &column);

    // The choice the controls make now, with the competitions of the checked categories.
    tav::editors::TEnhmChoice Choice() const;
    // The checked category names, in list order.
    QStringList CheckedCategories() const;

    QFrame *Panel1;
    QLabel *Label1;
    QDateEdit *DateFrom;
    QLabel *Label2;
    QDateEdit *DateTo;
    QLabel *Label3;
    QComboBox *PeriodCombo;
    QListWidget *DiorgListBox;
    QCheckBox *DCheckBox;
    QCheckBox *Chkskor;
    QCheckBox *ChkxSkor;
    QPushButton *Button2;
    QPushButton *Button1;
    QFrame *Panel2;
    TDataSource *DataSource1;
    TDBGrid *DBGrid1;
    QStatusBar *StatusBar1;

    // The goal columns of the grid.
    static constexpr int FirstGoalColumn = 6;
    static constexpr int LastGoalColumn = 9;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildColumns();
    void FillCombos();
    void RemoveFilter();
    QString PrintHeadText() const;
    void PrintList();
};

// The results entry by date range, created on first use; it lives to the end of the program.
TAgvnEnhmForm *AgvnEnhmForm();
