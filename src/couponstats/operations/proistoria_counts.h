#pragma once

#include <QString>

class TTavrolinDM;

// The earlier meetings of two teams with the same side at home, newest first.
namespace tav::operations {

// After the signs count: home wins, away wins, draws. After the goals count: the home side's
// goals, the away side's goals, and Third 0. Found is true when any earlier meeting is stored,
// played or not.
struct TProistoriaCounts
{
    bool Found = false;
    int First = 0;
    int Second = 0;
    int Third = 0;

    bool operator==(const TProistoriaCounts &) const = default;
};

// GTeamNo and FTeamNo are the team numbers of the home and the away side; only meetings with the
// same sides at home, strictly before DateText (short date format), count. The latest N played
// meetings are counted; a meeting without a result is passed over and uses up none of the N.
// Fewer played meetings than N, or N = 0, leave every count 0. EConvertError for a date that is
// no date; database errors reach the caller.
TProistoriaCounts CountProistoriaSigns(TTavrolinDM &dm, int GTeamNo, int FTeamNo, const QString &DateText,
                                       int N);
TProistoriaCounts CountProistoriaGoals(TTavrolinDM &dm, int GTeamNo, int FTeamNo, const QString &DateText,
                                       int N);

} // namespace tav::operations
