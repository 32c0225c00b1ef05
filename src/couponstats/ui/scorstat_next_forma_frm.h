#pragma once

#include "couponstats/ui/kupstat_page.h"

class TScorOptionsFrm;

// "ΑΝΑΛΥΣΗ ΣΚΟΡ ΚΟΥΠΟΝΙΟΥ": a page of the score prediction of a coupon: for each checked match the
// goals scored and conceded by both teams in their recent matches, the differences and goal
// points, and a proposal from the difference of the differences (ΔΒ). Each row keeps, beyond the
// visible columns, its number on the first page, by which its saved proposal names it. Each page
// names its successor "Scorstat_NextFormaFrm2" and finds it again among its children.
class TScorstat_NextFormaFrm : public TKupstatPage
{
    Q_OBJECT
public:
    explicit TScorstat_NextFormaFrm(QWidget *parent = nullptr);

    const tav::couponstats::TPageColumnSet &Columns() const override;

    // Fills the page from the source fields; a row arriving from the first page keeps its number
    // there.
    void TakeOverRows();
    // Fills the successor with the rows this page keeps, runs the analysis on it and shows it. The
    // row range and the bounds are read before anything changes: one that is no number shows the
    // conversion message and leaves both pages as they were.
    void BtnNextClick() override;
    // Runs the analysis over the page just filled with the options' item and N, the progress
    // window shown, and shows the page.
    void RunAndShow(const TScorOptionsFrm &options);
    void BBtnCalcClick() override;
    // The hits and yield of the proposals of rows fromRow to toRow, in one message.
    void ShowScoreSummary(int fromRow, int toRow);
    // Writes the page's proposal file and copies it to the sister program's folder.
    void SaveScoreProposal(const QString &fileName);

    // The export into the outside analysis database; out of use for now.
    QPushButton *BitBtn2;

protected:
    TKupstatPage *CreateSuccessor() override;
    tav::couponstats::TPageEngine EngineFor(int kind) const override;
    tav::coupons::TProposalFile PageProposalFile() const override;

private:
    // Rows without a first-page number take their "A/A", which is still the source's.
    void KeepFirstNumbers();
};

// What the score pages are made of: their 47 columns and the engine that fills them (the run's
// kind is the options' item, 0 or 1). The program connects them once at start-up, before the
// first page is made; a page made before has no grid.
void ConnectScorePages(const tav::couponstats::TPageColumnSet &columns, tav::couponstats::TPageEngine engine);

// Page 1 of the score prediction, created on first use; it lives to the end of the program.
TScorstat_NextFormaFrm *Scorstat_NextFormaFrm();
