#pragma once

class TStringGrid;

// The proposal scoring of a page's grid, shown in one message.
namespace tav::operations {

// Scores rows FromRow to ToRow of the grid (proposal, result sign and the three odds columns as
// the page keeps them) and shows the summary; an odd that is needed and is no number raises
// EConvertError and nothing is shown.
void ScoreProtaseis(int FromRow, int ToRow, int ProposalCol, int SignCol, int Odd1Col, int OddXCol,
                    int Odd2Col, const TStringGrid &Grid);

} // namespace tav::operations
