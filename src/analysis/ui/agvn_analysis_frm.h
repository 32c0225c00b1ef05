#pragma once

#include "platform/ui/paged_print.h"
#include "platform/ui/string_grid.h"

#include <QDate>
#include <QWidget>

#include <functional>

class QCheckBox;
class QDateEdit;
class QFrame;
class QListWidget;
class QPushButton;
class QStatusBar;

// "Ανάλυση Αγώνων": every match of a date window (by default a Friday to the Monday) of the ticked
// categories and seasons, or of every competition, with the form, odds and standings percentages
// of each, coloured by rank and by result; a heading sorts the rows, the print button prints them.
// The window lives from its first opening to the end of the program and keeps its lists, ticks and
// rows between openings; the ticked categories are remembered in a file of the program folder.
class TAgvnAnalysisFrm : public QWidget
{
    Q_OBJECT
public:
    // today: the date the window takes for today (the default window and the warning depend on it).
    explicit TAgvnAnalysisFrm(std::function<QDate()> today = {}, QWidget *parent = nullptr);
    ~TAgvnAnalysisFrm() override;

    // Shows the window maximised in front.
    void ShowAnalysis();

    void DateFromChange();
    void Button2Click();
    void BtnPrintClick();
    void SGrd1DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);
    void SGrd1MouseUp(Qt::MouseButton button, int x, int y);

    QFrame *Panel1;
    QDateEdit *DateFrom;
    QDateEdit *DateTo;
    QListWidget *PeriodCombo;
    QListWidget *DiorgListBox;
    QCheckBox *DCheckBox;
    QCheckBox *Chkskor;
    QCheckBox *ChkxSkor;
    QCheckBox *ChkExtra;
    QPushButton *Button2;
    QPushButton *BtnPrint;
    QPushButton *BitBtn1;
    TStringGrid *SGrd1;
    QStatusBar *StatusBar1;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildPanel();
    void FormCreate();
    void FillSeasonList();
    void FillCategoryList();
    void FormShow();
    void FormClose();
    void RunMatchAnalysis();
    void ClearRows(int columns);
    QList<QStringList> GridRows() const;
    void SetGridRows(const QList<QStringList> &rows);

    std::function<QDate()> Today;
    TGridPrintState PrintState;
};

// The match analysis window, made on first use; it lives to the end of the program.
TAgvnAnalysisFrm &AgvnAnalysisFrm();
