#pragma once

#include <QVariant>

class TQuery;

namespace tav::editors {

enum class TTeamDeleteResult
{
    Deleted,
    // A competition team of some competition refers to the team's number: nothing was deleted.
    PlaysInCompetition,
};

// Deletes one team record, the one with exactly these stored values (empty values included), unless
// a competition team of any competition refers to its TeamNo. The check and the delete run through
// the query with the values bound, in one transaction, so no competition team can appear between
// them. Raises EDatabaseError when the database refuses.
TTeamDeleteResult DeleteTeam(TQuery &QryDel, const QVariant &TeamNo, const QVariant &Name,
                             const QVariant &EnName);

} // namespace tav::editors
