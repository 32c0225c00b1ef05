#pragma once

#include "coupons/proposal_file.h"
#include "couponstats/page_rows.h"

#include <QList>
#include <QString>

// The proposals of the score prediction: the proposal file of an analysis page, a proposal file
// laid back onto the rows of the first page, and the hits and yield of the proposals.
namespace tav::couponstats {

// The cells of the score prediction's grids that the proposals read and write. Both grids share
// columns 0 to 11; the first page keeps a loaded proposal in 12, the analysis page its own in 46.
inline constexpr int kScoreNumberColumn = 1;          // "A/A", renumbered whenever a page is shown
inline constexpr int kScoreCodeColumn = 2;            // "ΚΩΔ"
inline constexpr int kScoreDiorgColumn = 3;           // "ΔΙΟΡ"
inline constexpr int kScoreSignColumn = 10;           // "Σ" / "ΣΗΜ"
inline constexpr int kScoreHomeScoredColumn = 13;     // "ΓΥ"
inline constexpr int kScoreHomeDifferenceColumn = 15; // "ΔΤ-Γ": filled once a row is analysed
inline constexpr int kScoreHomeSumColumn = 20;        // "ΓG"
inline constexpr int kScoreTwoTwoColumn = 27;         // "2-2"
inline constexpr int kScoreProposalColumn = 46;       // "ΠΡ"
// Beyond the visible columns of an analysis page: the row's number on the first page, which the
// proposal file names the row by (the page's own "A/A" changes with every showing).
inline constexpr int kScoreFirstNumberColumn = 47;
inline constexpr int kScoreFirstPageProposalColumn = 12; // "ΠΡΟΤ"
// The three cells after "ΠΡΟΤ" that keep the further fields of a loaded line.
inline constexpr int kScoreFirstPageExtraColumn = 13;
inline constexpr int kScoreFirstPageExtraCount = 3;

// Whether two trimmed signs are the same; the Latin "X" and the Greek capital "Χ" are one sign.
bool SameScoreSign(const QString &a, const QString &b);

// The odds column of a result sign ("1", "X"/"Χ", "2" by its first character); -1 for none.
int WinningOddsColumn(const QString &sign);

// The proposal file of an analysis page's rows, in their order: the coupon number, then per row
// with a first-page number and a proposal "number,proposal,ΓΥ,ΓG,2-2".
coupons::TProposalFile ScoreProposalFile(const QString &couponName, const TPageRows &rows);

// Hits and yield of proposals against results. Results: rows with a result sign; proposed: rows
// with a proposal and a result; odds: the sum of the winning odds of the hits.
struct TScoreTally
{
    int results = 0;
    int hits = 0;
    int proposed = 0;
    double odds = 0;
};

// Tallies the rows named by indexes: each with a result counts for results, with a proposal too
// for proposed, and a hit when the two are one sign. A winning odd that is no number raises
// EConvertError.
TScoreTally TallyScoreRows(const TPageRows &rows, const QList<int> &indexes, int proposalColumn);

// "Αγώνες :R  Επιτυχίες H από R Αποδοση :S  P%  "; with no results the yield reads 0,00.
QString ScoreSummaryText(const TScoreTally &tally);
// "Αγώνες :R  Επιτυχίες H από P Αποδοση :S", the summary of a loaded proposal.
QString LoadSummaryText(const TScoreTally &tally);

// Lays every line onto the first-page rows whose "A/A" is the line's number (a later line of the
// same number wins): its sign into "ΠΡΟΤ", its further fields into the cells after it. Returns
// the rows that received a proposal, each once, in row order.
QList<int> ApplyScoreProposal(TPageRows &rows, const coupons::TProposalFile &proposal);

} // namespace tav::couponstats
