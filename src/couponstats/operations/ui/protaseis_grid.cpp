#include "couponstats/operations/ui/protaseis_grid.h"

#include "couponstats/operations/protaseis_score.h"
#include "platform/core/message_service.h"
#include "platform/ui/string_grid.h"

namespace tav::operations {

void ScoreProtaseis(int FromRow, int ToRow, int ProposalCol, int SignCol, int Odd1Col, int OddXCol,
                    int Odd2Col, const TStringGrid &Grid)
{
    const TProtaseisScore score =
        ScoreProtaseisRows(FromRow, ToRow, ProposalCol, SignCol, Odd1Col, OddXCol, Odd2Col,
                           [&Grid](int Col, int Row) { return Grid.Cells(Col, Row); });
    ShowMessage(ProtaseisSummary(score));
}

} // namespace tav::operations
