#pragma once

#include "couponstats/page_rows.h"
#include "couponstats/threshold_store.h"
#include "platform/ui/canvas.h"

#include <QDialog>
#include <QStringList>

class QFileDialog;
class QGroupBox;
class QPushButton;
class TStringGrid;

// "ΣΥΓΚΕΝΤΡΩΤΙΚΟΣ ΠΙΝΑΚΑΣ ΑΠΟΤΕΛΕΣΜΑΤΩΝ": the coupon rows of analysis page 1 with the value of every
// special-analysis page on screen beside them, a consensus proposal per row with the window's own
// thresholds, and the commands to score, print, save and load proposals and to export the table.
class TKupStatAllFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TKupStatAllFrm(QWidget *parent = nullptr);

    void FillStatAllGrid();
    void SortStatAllGrid(int col, bool renumber);
    void SetConsensusProposals();
    // Writes the proposal file and its copy in "PROTASEIS"; false (after saying why) when it cannot.
    bool SaveProposal(const QString &fileName);
    void LoadStatAllProposal(const QString &fileName);
    void PrintStatAll(int keyColumn, int fromRow, int toRow);

    void BitBtn4Click();
    void BtnOpenClick();
    void BtnPrintClick();
    void BBtnCalcClick();
    void APACSClick();
    void APSQLClick();
    void SGrdMouseUp(int col, int row);
    bool SGrdSelectCell(int col, int row);

    tav::couponstats::TPageRows Rows() const;
    QStringList PageTitles() const;

    QWidget *Panel1;
    QPushButton *BitBtn4;
    QPushButton *BtnOpen;
    QPushButton *BtnPrint;
    QPushButton *APSQL;
    QPushButton *APACS;
    QPushButton *BBtnCalc;
    QPushButton *BBtnBack;
    QGroupBox *GrpBoxKup;
    TStringGrid *SGrd;
    QFileDialog *OpenDialog1;
    QFileDialog *SaveDialog1;

    QString CouponName;
    tav::couponstats::TThresholdTexts Params;

private:
    void SetRows(const tav::couponstats::TPageRows &rows);
    void DrawCell(int col, int row, const TRect &rect, TCanvas &canvas);
};

// The summary window, created on first use; it lives to the end of the program.
TKupStatAllFrm *KupStatAllFrm();
