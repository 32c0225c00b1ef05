#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tav::coupons {

// The columns of the coupon analysis grid. Row 0 holds the titles; every later row one analysed
// match. The ordinary layout has 28 columns with the proposal in 27; with the standings-neighbour
// estimate the agreement columns take 27–29 and the proposal moves to 30.
enum TAnalysisColumn
{
    AnDate = 0,
    AnTime = 1,
    AnDiorg = 2,
    AnTeams = 3,
    AnHomeGoals = 4,
    AnAwayGoals = 5,
    AnForm1 = 6,  // form estimate 1, X, 2 in 6–8
    AnMeet1 = 9,  // head-to-head estimate in 9–11
    AnNear1 = 12, // standings-neighbour estimate in 12–14
    AnAvg1 = 15,  // averages in 15–17
    AnSign = 18,
    AnOpapCode = 19,
    AnOddsPct1 = 20, // odds-implied percentages in 20–22
    AnOdd1 = 23,     // odds in 23–25
    AnRowNo = 26,
    AnProposal = 27,    // the proposal of the ordinary layout
    AnAgree1 = 27,      // agreement columns 27–29 of the extended layout
    AnExtProposal = 30, // the proposal of the extended layout
};

constexpr int kAnalysisColumns = 28;
constexpr int kAnalysisExtColumns = 31;

// The column count of a layout, the column of its proposal and its titles, in column order.
inline int AnalysisColumnCount(bool extended)
{
    return extended ? kAnalysisExtColumns : kAnalysisColumns;
}
inline int ProposalColumn(int columnCount)
{
    return columnCount >= kAnalysisExtColumns ? AnExtProposal : AnProposal;
}
QStringList AnalysisTitles(bool extended);
QList<int> AnalysisWidths(bool extended);

} // namespace tav::coupons
