#pragma once

#include "couponstats/ui/kupstat_first_page.h"

// "ΠΡΟΒΛΕΨΗ ΣΚΟΡ ΑΓΩΝΩΝ ΚΟΥΠΟΝΙΟΥ": the first page of the score prediction: the coupon's matches
// (a match with any odd of 1,00 left out) and a saved proposal laid onto them; its next page is
// page 1 of the score prediction.
class TScorStatFormaFrm : public TKupstatFirstPage
{
    Q_OBJECT
public:
    explicit TScorStatFormaFrm(QWidget *parent = nullptr);

    // Hands the checked rows in the row range to page 1, runs the analysis on it with the chosen
    // options and shows it. A range or N that is no number shows the conversion message and
    // changes nothing.
    void BtnNextClick();

    // Lays the proposal file onto the rows by their "A/A", all lines first, then scores each row
    // that received one once, and shows the hits and the yield. A proposal of another coupon, or
    // a file that cannot be read, shows its message and leaves the grid as it was.
    void LoadScoreProposal(const QString &path);
    void LoadProposalFile(const QString &path) override;
};

// The first page of the score prediction, created on first use; it lives to the end of the
// program.
TScorStatFormaFrm *ScorStatFormaFrm();
