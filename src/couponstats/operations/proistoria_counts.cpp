#include "couponstats/operations/proistoria_counts.h"

#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/db/sqlite_statement.h"

namespace tav::operations {

namespace {

// Unplayed meetings come along so that the count can tell "none stored" from "none played".
const char kMeetingsSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes WHERE GTeamNo = ?1 AND FTeamNo = ?2"
                            " AND \"Date\" < ?3 ORDER BY \"Date\" DESC, GameNo DESC";

template <typename Count>
TProistoriaCounts CountMeetings(TTavrolinDM &dm, int GTeamNo, int FTeamNo, const QString &DateText, int N,
                                Count count)
{
    const QString date = StrToDate(DateText).toString(Qt::ISODate);
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kMeetingsSql));
    statement->BindAll({GTeamNo, FTeamNo, date});
    TProistoriaCounts counts;
    int counted = 0;
    while (statement->Step()) {
        counts.Found = true;
        if (counted >= N)
            break;
        if (statement->IsNull(0) || statement->Int64(0) < 0)
            continue;
        count(counts, int(statement->Int64(0)), int(statement->Int64(1)));
        ++counted;
    }
    if (counted != N)
        counts = {counts.Found, 0, 0, 0};
    return counts;
}

} // namespace

TProistoriaCounts CountProistoriaSigns(TTavrolinDM &dm, int GTeamNo, int FTeamNo, const QString &DateText,
                                       int N)
{
    return CountMeetings(dm, GTeamNo, FTeamNo, DateText, N, [](TProistoriaCounts &c, int g, int f) {
        ++(g > f ? c.First : g < f ? c.Second : c.Third);
    });
}

TProistoriaCounts CountProistoriaGoals(TTavrolinDM &dm, int GTeamNo, int FTeamNo, const QString &DateText,
                                       int N)
{
    return CountMeetings(dm, GTeamNo, FTeamNo, DateText, N, [](TProistoriaCounts &c, int g, int f) {
        c.First += g;
        c.Second += f;
    });
}

} // namespace tav::operations
