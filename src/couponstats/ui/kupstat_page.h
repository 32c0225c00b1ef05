#pragma once

#include "couponstats/page_engine.h"
#include "couponstats/page_rows.h"
#include "couponstats/threshold_store.h"
#include "platform/ui/canvas.h"
#include "platform/ui/paged_print.h"

#include <QByteArray>
#include <QDialog>
#include <QFileDialog>
#include <QStringList>

#include <functional>
#include <initializer_list>

class TStatOptionsDialog;
class TStatOptionsFormaBFrm;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TStringGrid;

// An analysis page of the coupon statistics: the rows that survived the page before it, one
// statistic over them, a proposal per row, and the commands to filter, clear, score, save, print
// and pass the rows on. What differs between the kinds of page (grid, sort, the columns of the
// statistic and the proposal, the engines) comes from the derived class; pages are kept in a list
// of live pages in the order they were made, which is the order of their chains.
// What a kind of page is made of when the program connects it at start-up: its columns and the
// engine that fills them.
struct TPageConnection
{
    tav::couponstats::TPageColumnSet columns;
    tav::couponstats::TPageEngine engine;
};

class TKupstatPage : public QDialog
{
    Q_OBJECT
public:
    ~TKupstatPage() override;

    virtual const tav::couponstats::TPageColumnSet &Columns() const = 0;

    void InitPageGrid();
    // Fills the page from the source fields (algorithm of the page's hand-over).
    void CopyCheckedRows();
    void SortPageGrid(int column, bool renumber);
    // The data rows as the grid holds them, and the grid refilled from rows (Checks follows).
    tav::couponstats::TPageRows Rows() const;
    void SetRows(const tav::couponstats::TPageRows &rows);

    void FormShow();
    virtual void BtnNextClick();
    void BitBtn1Click();
    void Timer1Timer();
    void SpdBtnApplyClick();
    void BBtnClearClick();
    virtual void BBtnCalcClick();
    void BBtnSaveClick();
    void BtnPrintClick();
    // The summary of all pages for this page's coupon.
    void BBtnStatAllClick();
    void SGrdMouseUp(int col, int row);
    bool SGrdSelectCell(int col, int row);
    void WriteProposalFile(const QString &fileName);
    void PrintPage(bool proposalsOnly, int fromRow, int toRow);

    // Runs the kind's statistic over the freshly filled page; the label tells what filled it.
    void RunStatistic(int kind, int n, const QString &label);
    // Shows the progress window, reset, over the page's rows, without waiting.
    void ShowRunProgress();
    // Runs the kind's statistic over the page just filled with N and the label of the options,
    // the progress window shown, and shows the page.
    void RunAndShowPage(int kind, int N, const TStatOptionsFormaBFrm &options);

    QWidget *Panel1;
    QPushButton *BBtnBack;
    QPushButton *BtnNext;
    QPushButton *Button1;
    QPushButton *BBtnSave;
    QPushButton *BtnPrint;
    QPushButton *BBtnStatAll;
    QPushButton *BBtnClear;
    QPushButton *BBtnCalc;
    QPushButton *SpdBtnApply;
    QLabel *LblFilter;
    QLineEdit *EdtApo;
    QLineEdit *EdtEos;
    QLineEdit *EdtAp1;
    QLineEdit *EdtAp2;
    QLineEdit *EdtApX;
    QGroupBox *GrpBoxKup;
    TStringGrid *SGrd;
    QFileDialog *SaveDialog1;
    QTimer *Timer1;

    int PageNo = 1;
    QByteArray Checks;
    const TStringGrid *SourceGrid = nullptr;
    const tav::couponstats::TPageColumnSet *SourceColumns = nullptr;
    QByteArray SourceChecks;
    int RowFrom = 1;
    int RowTo = 0;
    tav::couponstats::TDifferenceBounds Bounds;
    QString FilterCode;
    QString CouponName;
    QStringList Periods;
    tav::couponstats::TThresholdTexts Params;

protected:
    explicit TKupstatPage(QWidget *parent);
    // The page after this one in its chain, new.
    virtual TKupstatPage *CreateSuccessor() = 0;
    // The engine of the kind; none when the kind has none connected.
    virtual tav::couponstats::TPageEngine EngineFor(int kind) const = 0;
    // The proposals of the kept rows after the bounds were applied again: by default the
    // difference of the set's home and away values, a row whose values are no numbers stopping
    // the pass.
    virtual void ProposeKeptRows(tav::couponstats::TPageRows &rows) const;
    // What the page's proposal file holds: by default the coupon number without its "_".
    virtual tav::coupons::TProposalFile PageProposalFile() const;
    // The successor of that name among this page's children, made when there is none.
    TKupstatPage *Successor(const QString &name);
    // Gives the successor this page's checked rows, coupon, seasons, row range and bounds, and
    // fills it. A range that is no number raises EConvertError before the successor changes.
    void HandOver(TKupstatPage &next);
    // "ΕΠΟΜΕΝΗ" up to the run, for the chains that name every successor after page 1: the row
    // range and the bounds read before anything changes (one that is no number raises
    // EConvertError), the rows ordered by competition, the options asked, and the successor of
    // that base name filled and made page 1. nullptr when the options were cancelled.
    TKupstatPage *FillSuccessor(const QString &baseName, TStatOptionsFormaBFrm &options, int &N);
    void showEvent(QShowEvent *event) override;

private:
    void DrawCell(int col, int row, const TRect &rect, TCanvas &canvas);
    tav::couponstats::TProposalThresholds Thresholds() const;
};

// The analysis pages alive now, in the order they were made.
QList<TKupstatPage *> LiveKupstatPages();

// What a page's label says filled it: the options' item, three blanks, the caption of N and N,
// "ΟΛΟΙ" for 0.
QString OptionsLabel(const TStatOptionsDialog &options);

// Raises EConvertError when one of the edits holds text that is no whole number; blank passes.
void CheckWholeNumbers(std::initializer_list<const QLineEdit *> edits);

// A statistics window's layout: the button panel above the group box that holds the grid.
void LayOutStatWindow(QDialog &window, QWidget &panel, QGroupBox &group, TStringGrid &grid);
// A statistics grid: no fixed column, rows of 20 pixels, lines and editing; a mouse button released
// over one of its cells is handed to mouseUp, one released beside the cells is not.
void SetUpStatGrid(TStringGrid &grid, std::function<void(int col, int row)> mouseUp);

// Grid rows of a statistics grid, and the grid refilled with rows under its title row.
tav::couponstats::TPageRows GridRows(const TStringGrid &grid, int colCount);
void SetGridRows(TStringGrid &grid, const tav::couponstats::TPageRows &rows);
// A statistics grid emptied to the set's columns, their titles and widths, over one blank row.
void SetGridColumns(TStringGrid &grid, const tav::couponstats::TPageColumnSet &set);
// A statistics grid sorted by the column with the set's rule, renumbered in the set's number column
// when asked; checks are read back from the sorted rows.
void SortStatGrid(TStringGrid &grid, const tav::couponstats::TPageColumnSet &set, int column, bool renumber,
                  QByteArray &checks);
// A mouse release over a statistics grid: on a row's check cell it turns that check, on the check
// column's title every row's; on another title it sorts by that column and renumbers. The checks
// are read back from the grid after every release.
void StatGridMouseUp(TStringGrid &grid, const tav::couponstats::TPageColumnSet &set, int col, int row,
                     QByteArray &checks);
// A dialog of text files that proposals are saved to or loaded from.
QFileDialog *TextFileDialog(QWidget *parent, QFileDialog::AcceptMode mode);
// The file the dialog was confirmed with, started in the proposal folder; empty when cancelled.
QString ChosenProposalFile(QFileDialog &dialog);
// Tells that the proposal file of that coupon number belongs to another coupon than the loaded one.
void ShowProposalMismatch(const QString &number);
// Scores a statistics grid's proposals in that column against the played signs, over the rows the
// calculation range dialog is given.
void ScoreChosenRows(const TStringGrid &grid, int proposalColumn);
// A proposal cell, bold: green where it names the row's played sign, orange where another sign was
// played.
void DrawProposalCell(TCanvas &canvas, const TRect &rect, const QString &text, const QString &sign);
// A statistics window's printout before its columns and rows: the window's title with the date of
// printing, the group's title and the credit head every page; the window is out of use while it
// prints, and the program keeps answering between rows.
TGridPageDescription StatWindowDocument(QWidget &window, const QString &groupTitle);
