#include "analysis/team_stat_update.h"

#include "analysis/competition_filter.h"
#include "analysis/standings_engine.h"
#include "analysis/standings_store.h"
#include "data/data_module.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

#include <unordered_map>

namespace tav::analysis {

namespace {

const char SeasonLeaguesSql[] =
    "SELECT DNo, GrName FROM Diorganvseis, Kathgories WHERE Periodos = ?1 AND Diorganvseis.Typos = 0 "
    "AND Diorganvseis.KatNo = Kathgories.KatNo ORDER BY Kathgories.GrName, DNo";
// The same rule as the data module's current matchday: a matchday whose played matches have goals.
const char CurrentMatchdaySql[] = "SELECT Agvnistikh FROM Agvnes WHERE DiorgNo = ?1 GROUP BY Agvnistikh "
                                  "HAVING SUM(TelGGoals + TelFGoals) > 0 ORDER BY Agvnistikh DESC LIMIT 1";
const char TeamCountSql[] = "SELECT COUNT(*) FROM PerOmades WHERE DiorNo = ?1";
const char StoredRowsSql[] = "SELECT TeamStat.Agvnistikh, COUNT(*) FROM TeamStat JOIN PerOmades "
                             "ON PerOmades.RecNo = TeamStat.TeamNo WHERE PerOmades.DiorNo = ?1 "
                             "GROUP BY TeamStat.Agvnistikh";

const char UpdateFailedMessage[] = "Η ενημέρωση της βαθμολογίας της διοργάνωσης «%1» (%2) απέτυχε στην "
                                   "αγωνιστική %3. Οι εγγραφές της διοργάνωσης από αυτή την ενημέρωση "
                                   "αναιρέθηκαν.\n\n%4";

// The number of TeamStat rows of the competition's teams by matchday.
std::unordered_map<int, int> StoredRows(DbConnection &connection, int DNo)
{
    DbConnection::Lease statement = connection.Statement(QString::fromUtf8(StoredRowsSql));
    statement->Bind(1, DNo);
    std::unordered_map<int, int> rows;
    while (statement->Step())
        rows.emplace(static_cast<int>(statement->Int64(0)), static_cast<int>(statement->Int64(1)));
    return rows;
}

int TeamCount(DbConnection &connection, int DNo)
{
    DbConnection::Lease statement = connection.Statement(QString::fromUtf8(TeamCountSql));
    statement->Bind(1, DNo);
    return statement->Step() ? static_cast<int>(statement->Int64(0)) : 0;
}

// Updates one competition in its own transaction; `matchday` follows the run, for the message of
// a failure. Returns false when the run is to stop.
bool UpdateCompetition(TTavrolinDM &dm, int DNo, const TTeamStatUpdateHooks &hooks, int &matchday,
                       TTeamStatUpdateResult &result)
{
    DbConnection &connection = dm.TavrolinDb.Connection();
    const int current = CurrentMatchday(dm, DNo);
    if (current <= 0)
        return true;
    const int teams = TeamCount(connection, DNo);
    const std::unordered_map<int, int> stored = StoredRows(connection, DNo);

    TransactionGuard transaction(connection);
    TStandingsEngine engine;
    bool loaded = false;
    bool goOn = true;
    for (matchday = 1; matchday <= current; ++matchday) {
        if (hooks.StopRequested && hooks.StopRequested()) {
            goOn = false;
            break;
        }
        if (hooks.ShowMatchday)
            hooks.ShowMatchday(matchday);
        const auto rows = stored.find(matchday);
        if (teams > 0 && rows != stored.end() && rows->second >= teams)
            continue;
        if (!loaded) {
            LoadStandingsEngine(engine, dm, DNo);
            loaded = true;
        }
        engine.ComputeStandings(matchday);
        WriteTeamStat(dm, engine.TeamStatRows());
        ++result.MatchdaysStored;
    }
    transaction.Commit();
    return goOn;
}

} // namespace

std::vector<TSeasonLeague> SeasonLeagues(TTavrolinDM &dm, const QString &season)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(SeasonLeaguesSql));
    statement->Bind(1, season);
    std::vector<TSeasonLeague> leagues;
    while (statement->Step())
        leagues.push_back({static_cast<int>(statement->Int64(0)), statement->Text(1)});
    return leagues;
}

int CurrentMatchday(TTavrolinDM &dm, int DNo)
{
    DbConnection::Lease statement =
        dm.TavrolinDb.Connection().Statement(QString::fromUtf8(CurrentMatchdaySql));
    statement->Bind(1, DNo);
    return statement->Step() ? static_cast<int>(statement->Int64(0)) : 1;
}

TTeamStatUpdateResult UpdateTeamStat(TTavrolinDM &dm, const QStringList &categories,
                                     const QStringList &seasons, const TTeamStatUpdateHooks &hooks)
{
    const std::set<int> chosen = BuildCompetitionFilter(dm, categories, seasons);
    TTeamStatUpdateResult result;
    for (const QString &season : seasons) {
        for (const TSeasonLeague &league : SeasonLeagues(dm, season)) {
            if (hooks.ShowCompetition)
                hooks.ShowCompetition(league.GrName);
            if (chosen.count(league.DNo) == 0)
                continue;
            int matchday = 0;
            try {
                if (!UpdateCompetition(dm, league.DNo, hooks, matchday, result)) {
                    result.Stopped = true;
                    return result;
                }
            } catch (const Exception &error) {
                throw EDatabaseError(QString::fromUtf8(UpdateFailedMessage)
                                         .arg(league.GrName, season)
                                         .arg(matchday)
                                         .arg(error.Message()));
            }
        }
    }
    return result;
}

} // namespace tav::analysis
