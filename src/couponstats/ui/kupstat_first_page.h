#pragma once

#include "couponstats/kup_loading.h"
#include "couponstats/page_columns.h"

#include <QByteArray>
#include <QDateTime>
#include <QDialog>

class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TKupstatPage;
class TStatOptionsFormaBFrm;
class TStringGrid;

// The first page of a coupon statistics analysis: the user picks a coupon, narrows its matches
// with the match filter, may load a saved proposal to score it, and starts the chain of analysis
// pages. The special, points, over/under and score analyses differ in their grid and their next
// page.
class TKupstatFirstPage : public QDialog
{
    Q_OBJECT
public:
    const tav::couponstats::TPageColumnSet &Columns() const;

    // Resets the page before the main window shows it.
    void InitGrid();
    bool ChooseCoupon();
    void BBtnOpenClick();
    // Loads the chosen coupon's rows, through the match filter when filtered; a file that cannot
    // be read to its end shows the read error and keeps the rows read before it.
    void LoadKupFile(bool filtered);
    // Loads the proposal file into the rows of its codes and scores it; a proposal of another
    // coupon than the loaded one shows the mismatch and loads nothing.
    virtual void LoadProposalFile(const QString &path);
    void BtnOpenClick();
    void BitBtn1Click();
    void ChkProtClick();
    void SortPageGrid(int column, bool renumber);
    void SGrdMouseUp(int col, int row);

    tav::couponstats::TPageRows Rows() const;
    void SetRows(const tav::couponstats::TPageRows &rows);

    QWidget *Panel1;
    QPushButton *BBtnOpen;
    QPushButton *BBtnBack;
    QPushButton *BtnNext;
    QLineEdit *EdtApo;
    QLineEdit *EdtEos;
    QLineEdit *EdtAp1;
    QLineEdit *EdtAp2;
    QLineEdit *EdtApX;
    QPushButton *BitBtn1;
    QPushButton *BtnOpen;
    QCheckBox *ChkProt;
    QGroupBox *GrpBoxKup;
    TStringGrid *SGrd;
    QFileDialog *OpenDialog1;

    QByteArray Checks;
    QString KupFileName;
    QDateTime KupDateFrom;
    QDateTime KupDateTo;

protected:
    TKupstatFirstPage(tav::couponstats::TFirstPageKind kind, QWidget *parent);
    // "ΕΠΟΜΕΝΗ" up to the run: the row range read before anything changes (one that is no number
    // raises EConvertError), the matches opened, the rows ordered by competition keeping their
    // numbers, page 1 given the filter's seasons, the options asked; then page 1 is told which
    // checked rows of the range to take, the transfer bounds wide open, and made page 1. Its
    // caller fills it. false when the options were cancelled.
    bool PreparePageOne(TKupstatPage &page, TStatOptionsFormaBFrm &options, int &N,
                        const tav::couponstats::TPageColumnSet &sourceColumns);
    // Whether a proposal file's coupon number names the loaded coupon, the first coupon of that
    // number in the coupon folders; shows the mismatch when not. An empty number names none.
    bool ProposalOfLoadedCoupon(const QString &number) const;

private:
    tav::couponstats::TKupLoadFilter FilterOfDialog() const;
    tav::couponstats::TFirstPageKind kind_;
};
