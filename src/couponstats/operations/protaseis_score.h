#pragma once

#include <QString>

#include <functional>

// The scoring of the proposals of a page against the results of its rows: hits, the flat-stake
// yield and the yield of staking each proposal in inverse proportion to its odd.
namespace tav::operations {

struct TProtaseisScore
{
    // Rows with a proposal and a result, and those whose proposal equals the result.
    int Played = 0;
    int Hits = 0;
    double HitOddsSum = 0;
    // The staking odds of the played rows, and the stake of every row with a proposal.
    double OddsSum = 0;
    double Stake = 0;
};

// The text of a cell by column and row.
using TCellText = std::function<QString(int Col, int Row)>;

// Scores rows FromRow to ToRow. A row stakes the odd of its proposed sign ("1", "X" or Greek "Χ",
// "2"), a proposal that is no single sign stakes nothing and never hits. An odd that is needed and
// is no number raises EConvertError.
TProtaseisScore ScoreProtaseisRows(int FromRow, int ToRow, int ProposalCol, int SignCol, int Odd1Col,
                                   int OddXCol, int Odd2Col, const TCellText &Cell);
// The one-message summary; a percentage over nothing played or a zero stake shows "0,00".
QString ProtaseisSummary(const TProtaseisScore &score);

} // namespace tav::operations
