#pragma once

#include "couponstats/ui/kupstat_page.h"

class TStatOptionsFormaBFrm;

// A page of the points analysis at home and away: for each checked match the home team's recent
// home matches and the away team's recent away matches as points, percentages and sign sums, their
// points difference (ΔB) and a proposal. It has no AUTO steps; its own command stores the page in
// the outside analysis table.
class TKupstat_NextFormaBFrm : public TKupstatPage
{
    Q_OBJECT
public:
    explicit TKupstat_NextFormaBFrm(QWidget *parent = nullptr);

    const tav::couponstats::TPageColumnSet &Columns() const override;

    // Fills the successor with the rows this page keeps, runs the analysis on it and shows it.
    void BtnNextClick() override;
    // Runs the analysis with the options' N over the page just filled, the progress window
    // shown, and shows the page.
    void RunAndShow(const TStatOptionsFormaBFrm &options, int N);
    // Stores the page's rows in the outside analysis table (this page's AUTO button is hidden).
    void BitBtn1Click();

    QPushButton *BitBtn1;

protected:
    TKupstatPage *CreateSuccessor() override;
    tav::couponstats::TPageEngine EngineFor(int kind) const override;
};

// Page 1 of the points analysis, created on first use; it lives to the end of the program.
TKupstat_NextFormaBFrm *Kupstat_NextFormaBFrm();
