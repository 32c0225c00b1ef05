#include "analysis/standings_store.h"

#include "data/data_module.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

#include <QDate>

namespace tav::analysis {

namespace {

const char NoCompetitionMessage[] = "Δεν βρέθηκε η διοργάνωση με αριθμό %1.";

const char CompetitionSql[] = "SELECT DNo, Omades, Nikh, Isop, Htta, Typos, Rounds, OmadesUp, OmadesDn, "
                              "Champions FROM Diorganvseis WHERE DNo = ?1";
const char TeamsSql[] = "SELECT RecNo, TeamNo, GrName, EnName, Timvria, Isxys FROM PerOmades "
                        "WHERE DiorNo = ?1 ORDER BY RecNo";
const char MatchColumnsSql[] = "SELECT DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, GameNo, "
                               "HmGGoals, HmFGoals, TelGGoals, TelFGoals, Date FROM Agvnes ";
const char MatchesWhere[] = "WHERE DiorgNo = ?1 ORDER BY Agvnistikh, GameNo";
// The end date is bound as the next day: a stored date with a time of day still falls within its
// day. Matches of one date come in the order of the table's key.
const char MatchesBetweenWhere[] = "WHERE DiorgNo = ?1 AND Date >= ?2 AND Date < ?3 "
                                   "ORDER BY Date, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos";
const char TeamNameSql[] = "SELECT GrName FROM PerOmades WHERE RecNo = ?1";
const char UpdateTeamStatSql[] =
    "UPDATE TeamStat SET NikesIn = ?3, IsopIn = ?4, HttesIn = ?5, NikesOut = ?6, IsopOut = ?7, "
    "HttesOut = ?8, GoalYpIn = ?9, GoalKaIn = ?10, GoalYpOut = ?11, GoalKaOut = ?12, Position = ?13, "
    "PositionEntos = ?14, PositionEktos = ?15 WHERE TeamNo = ?1 AND Agvnistikh = ?2";
const char InsertTeamStatSql[] =
    "INSERT INTO TeamStat (TeamNo, Agvnistikh, NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, HttesOut, "
    "GoalYpIn, GoalKaIn, GoalYpOut, GoalKaOut, Position, PositionEntos, PositionEktos) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)";

std::optional<int> OptionalInt(const SqliteStatement &statement, int column)
{
    if (statement.IsNull(column))
        return std::nullopt;
    return static_cast<int>(statement.Int64(column));
}

int IntOrZero(const SqliteStatement &statement, int column)
{
    return OptionalInt(statement, column).value_or(0);
}

TStandingsCompetition ReadCompetition(DbConnection &connection, int DNo)
{
    DbConnection::Lease statement = connection.Statement(QString::fromUtf8(CompetitionSql));
    statement->Bind(1, DNo);
    if (!statement->Step())
        throw EDatabaseError(QString::fromUtf8(NoCompetitionMessage).arg(DNo));
    TStandingsCompetition competition;
    competition.DNo = IntOrZero(*statement, 0);
    competition.Omades = IntOrZero(*statement, 1);
    competition.Nikh = IntOrZero(*statement, 2);
    competition.Isop = IntOrZero(*statement, 3);
    competition.Htta = IntOrZero(*statement, 4);
    competition.Typos = IntOrZero(*statement, 5);
    competition.Rounds = IntOrZero(*statement, 6);
    competition.OmadesUp = IntOrZero(*statement, 7);
    competition.OmadesDn = IntOrZero(*statement, 8);
    competition.Champions = IntOrZero(*statement, 9);
    return competition;
}

std::vector<TStandingsTeam> ReadTeams(DbConnection &connection, int DNo)
{
    DbConnection::Lease statement = connection.Statement(QString::fromUtf8(TeamsSql));
    statement->Bind(1, DNo);
    std::vector<TStandingsTeam> teams;
    while (statement->Step()) {
        TStandingsTeam team;
        team.RecNo = IntOrZero(*statement, 0);
        team.TeamNo = IntOrZero(*statement, 1);
        team.GrName = statement->Text(2);
        team.EnName = statement->Text(3);
        team.Timvria = IntOrZero(*statement, 4);
        team.Isxys = IntOrZero(*statement, 5);
        teams.push_back(std::move(team));
    }
    return teams;
}

std::vector<TStandingsMatch> ReadMatchRows(SqliteStatement &statement)
{
    std::vector<TStandingsMatch> matches;
    while (statement.Step()) {
        TStandingsMatch match;
        match.DiorgNo = IntOrZero(statement, 0);
        match.Agvnistikh = IntOrZero(statement, 1);
        match.Ghpedoyxos = IntOrZero(statement, 2);
        match.Filojenoymenh = IntOrZero(statement, 3);
        match.Omilos = IntOrZero(statement, 4);
        match.GameNo = IntOrZero(statement, 5);
        match.HmGGoals = OptionalInt(statement, 6);
        match.HmFGoals = OptionalInt(statement, 7);
        match.TelGGoals = OptionalInt(statement, 8);
        match.TelFGoals = OptionalInt(statement, 9);
        match.Date = QDate::fromString(statement.Text(10), Qt::ISODate);
        matches.push_back(std::move(match));
    }
    return matches;
}

std::vector<TStandingsMatch> ReadMatches(DbConnection &connection, int DNo)
{
    DbConnection::Lease statement =
        connection.Statement(QString::fromUtf8(MatchColumnsSql) + QString::fromUtf8(MatchesWhere));
    statement->Bind(1, DNo);
    return ReadMatchRows(*statement);
}

QVariantList TeamStatValues(const TTeamStatRow &row)
{
    return {row.TeamNo,    row.Agvnistikh, row.NikesIn,  row.IsopIn,        row.HttesIn,
            row.NikesOut,  row.IsopOut,    row.HttesOut, row.GoalYpIn,      row.GoalKaIn,
            row.GoalYpOut, row.GoalKaOut,  row.Position, row.PositionEntos, row.PositionEktos};
}

} // namespace

TStandingsInputs ReadStandingsInputs(TTavrolinDM &dm, int DNo)
{
    DbConnection &connection = dm.TavrolinDb.Connection();
    TStandingsInputs inputs;
    inputs.Competition = ReadCompetition(connection, DNo);
    inputs.Teams = ReadTeams(connection, DNo);
    inputs.Matches = ReadMatches(connection, DNo);
    return inputs;
}

void LoadStandingsEngine(TStandingsEngine &engine, TTavrolinDM &dm, int DNo)
{
    TStandingsInputs inputs = ReadStandingsInputs(dm, DNo);
    engine.SetCompetition(inputs.Competition);
    engine.SetTeams(std::move(inputs.Teams));
    engine.SetMatches(std::move(inputs.Matches));
}

TStandingsCompetition ReadStandingsCompetition(TTavrolinDM &dm, int DNo)
{
    return ReadCompetition(dm.TavrolinDb.Connection(), DNo);
}

std::vector<TStandingsTeam> ReadStandingsTeams(TTavrolinDM &dm, int DNo)
{
    return ReadTeams(dm.TavrolinDb.Connection(), DNo);
}

std::vector<TStandingsMatch> ReadMatchesBetween(TTavrolinDM &dm, int DNo, const QDate &first,
                                                const QDate &last)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(
        QString::fromUtf8(MatchColumnsSql) + QString::fromUtf8(MatchesBetweenWhere));
    statement->BindAll({DNo, first.toString(Qt::ISODate), last.addDays(1).toString(Qt::ISODate)});
    return ReadMatchRows(*statement);
}

QString CompetitionTeamName(TTavrolinDM &dm, int recNo)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(TeamNameSql));
    statement->Bind(1, recNo);
    return statement->Step() ? statement->Text(0) : QString();
}

void WriteTeamStat(TTavrolinDM &dm, const std::vector<TTeamStatRow> &rows)
{
    DbConnection &connection = dm.TavrolinDb.Connection();
    TransactionGuard transaction(connection);
    {
        DbConnection::Lease update = connection.Statement(QString::fromUtf8(UpdateTeamStatSql));
        DbConnection::Lease insert = connection.Statement(QString::fromUtf8(InsertTeamStatSql));
        for (const TTeamStatRow &row : rows) {
            const QVariantList values = TeamStatValues(row);
            const qint64 changesBefore = connection.ChangeCount();
            update->BindAll(values);
            update->Execute();
            update->Reset();
            // The row is made only when there was none, so that an existing row keeps the
            // percentages the prediction wrote into it.
            if (connection.ChangeCount() == changesBefore) {
                insert->BindAll(values);
                insert->Execute();
                insert->Reset();
            }
        }
    }
    transaction.Commit();
}

} // namespace tav::analysis
