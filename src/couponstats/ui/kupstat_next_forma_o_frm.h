#pragma once

#include "couponstats/ui/kupstat_page.h"

class TStatOptionsFormaBFrm;

// A page of the over/under analysis of a coupon: for each checked match the home team's record in
// its recent home matches beside the away team's in its recent away matches (points, shares,
// goals, over and under, margins), the points difference (ΔB) and a proposal. Each page names its
// successor "KupStat_NextFormaOfrm2" and finds it again among its children.
class TKupstat_NextFormaOFrm : public TKupstatPage
{
    Q_OBJECT
public:
    // The away team's matches counted ("ΑΓ.Φ"), by which a page comes up ordered.
    static constexpr int kAwayMatches = 49;

    explicit TKupstat_NextFormaOFrm(QWidget *parent = nullptr);

    const tav::couponstats::TPageColumnSet &Columns() const override;

    // Fills the successor with the rows this page keeps, runs the analysis on it and shows it. The
    // row range, the bounds and N are read before anything changes: one that is no number shows
    // the conversion message and leaves both pages as they were.
    void BtnNextClick() override;
    // Runs the analysis over the page just filled with the options' N (0: all matches), the
    // progress window shown, and shows the page.
    void RunAndShow(const TStatOptionsFormaBFrm &options, int N);

    // Stores the page's rows in the over/under table of its own number of recent matches ("B6":
    // Anal_va_koup6, "BA": Anal_va_koup0) of the outside database "AccOver_Under".
    void BitBtn2Click();

    QPushButton *BitBtn2;

protected:
    TKupstatPage *CreateSuccessor() override;
    tav::couponstats::TPageEngine EngineFor(int kind) const override;
    // Rows whose home and away points are no whole numbers (never analysed) keep their proposal,
    // and the others are proposed from their difference: the pass never stops half-way.
    void ProposeKeptRows(tav::couponstats::TPageRows &rows) const override;
    // The first line keeps the coupon name up to and with its first "_".
    tav::coupons::TProposalFile PageProposalFile() const override;
    // The rows come up ordered by the away team's matches, as text, and numbered.
    void showEvent(QShowEvent *event) override;
};

// What the over/under pages are made of: their 108 columns and the engine that fills them. The
// program connects them once at start-up, before the first page is made; a page made before has
// no grid.
void ConnectOverUnderPages(const tav::couponstats::TPageColumnSet &columns,
                           tav::couponstats::TPageEngine engine);

// Page 1 of the over/under analysis, created on first use; it lives to the end of the program.
TKupstat_NextFormaOFrm *Kupstat_NextFormaOFrm();
