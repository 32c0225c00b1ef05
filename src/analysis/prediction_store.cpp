#include "analysis/prediction_store.h"

#include "analysis/dataset_rows.h"
#include "data/data_module.h"
#include "platform/db/dataset.h"
#include "platform/db/sqlite_statement.h"

#include <QStringList>

namespace tav::analysis {

namespace {

const char RecentHomeSql[] = "SELECT GTeamNo, FTeamNo, TelGGoals, TelFGoals FROM Agvnes "
                             "WHERE Date < ?1 AND TelGGoals >= 0 AND GTeamNo IN (%1) ORDER BY Date DESC";
const char RecentAwaySql[] = "SELECT GTeamNo, FTeamNo, TelGGoals, TelFGoals FROM Agvnes "
                             "WHERE Date < ?1 AND TelFGoals >= 0 AND FTeamNo IN (%1) ORDER BY Date DESC";
const char PastHomeSql[] = "SELECT DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, TelGGoals, TelFGoals "
                           "FROM Agvnes WHERE GTeamNo = ?1 AND TelGGoals >= 0 AND Date < ?2 "
                           "ORDER BY Date DESC LIMIT ?3";
const char PastAwaySql[] = "SELECT DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, TelGGoals, TelFGoals "
                           "FROM Agvnes WHERE FTeamNo = ?1 AND TelGGoals >= 0 AND Date < ?2 "
                           "ORDER BY Date DESC LIMIT ?3";
const char MatchSql[] = "SELECT GameNo, DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, GTeamNo, FTeamNo, "
                        "TelGGoals, TelFGoals, Date FROM Agvnes WHERE GameNo = ?1";
const char CompetitionSql[] = "SELECT d.Omades, k.Isxys, d.Nikh, d.Isop, d.Htta FROM Diorganvseis d "
                              "LEFT JOIN Kathgories k ON k.KatNo = d.KatNo WHERE d.DNo = ?1";
const char TeamStatSql[] = "SELECT NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, HttesOut, Position, "
                           "PositionEntos, PositionEktos FROM TeamStat WHERE TeamNo = ?1 AND Agvnistikh = ?2";
const char StrengthSql[] = "SELECT Isxys FROM PerOmades WHERE RecNo = ?1";
const char WritePercentSql[] = "UPDATE TeamStat SET Anal1 = ?3, AnalX = ?4, Anal2 = ?5 "
                               "WHERE TeamNo = ?1 AND Agvnistikh = ?2";

int IntOrZero(const SqliteStatement &statement, int column)
{
    return statement.IsNull(column) ? 0 : static_cast<int>(statement.Int64(column));
}

std::optional<int> OptionalInt(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toInt();
}

TListedMatch ListedMatchOf(const TDataSet &matches)
{
    const auto value = [&](const char *name) {
        return matches.FieldByName(QString::fromLatin1(name)).Value();
    };
    TListedMatch match;
    match.GameNo = value("GameNo").toInt();
    match.DiorgNo = value("DiorgNo").toInt();
    match.Agvnistikh = value("Agvnistikh").toInt();
    match.Ghpedoyxos = value("Ghpedoyxos").toInt();
    match.Filojenoymenh = value("Filojenoymenh").toInt();
    match.GTeamNo = value("GTeamNo").toInt();
    match.FTeamNo = value("FTeamNo").toInt();
    match.TelGGoals = OptionalInt(value("TelGGoals"));
    match.TelFGoals = OptionalInt(value("TelFGoals"));
    match.Date = value("Date").toDate();
    match.Teams = value("Omades").toString();
    match.Score = value("Score").toString();
    return match;
}

} // namespace

std::vector<TListedMatch> ReadListedMatches(TDataSet &matches)
{
    return CollectRows<TListedMatch>(matches, ListedMatchOf);
}

std::optional<TListedMatch> ReadMatch(TTavrolinDM &dm, int gameNo)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromLatin1(MatchSql));
    statement->Bind(1, gameNo);
    if (!statement->Step())
        return std::nullopt;
    TListedMatch match;
    int *numbers[] = {&match.GameNo,        &match.DiorgNo, &match.Agvnistikh, &match.Ghpedoyxos,
                      &match.Filojenoymenh, &match.GTeamNo, &match.FTeamNo};
    for (int i = 0; i < 7; ++i)
        *numbers[i] = IntOrZero(*statement, i);
    if (!statement->IsNull(7))
        match.TelGGoals = IntOrZero(*statement, 7);
    if (!statement->IsNull(8))
        match.TelFGoals = IntOrZero(*statement, 8);
    match.Date = QDate::fromString(statement->Text(9), Qt::ISODate);
    return match;
}

std::vector<TRecentResult> ReadRecentResults(TTavrolinDM &dm, const std::vector<int> &clubs, bool home,
                                             const QDate &before)
{
    std::vector<TRecentResult> results;
    if (clubs.empty())
        return results;
    QStringList places;
    for (std::size_t i = 0; i < clubs.size(); ++i)
        places.append(QStringLiteral("?%1").arg(i + 2));
    const QString sql =
        QString::fromLatin1(home ? RecentHomeSql : RecentAwaySql).arg(places.join(QStringLiteral(", ")));
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(sql);
    statement->Bind(1, before.toString(Qt::ISODate));
    for (std::size_t i = 0; i < clubs.size(); ++i)
        statement->Bind(int(i) + 2, clubs[i]);
    while (statement->Step())
        results.push_back({IntOrZero(*statement, 0), IntOrZero(*statement, 1), IntOrZero(*statement, 2),
                           IntOrZero(*statement, 3)});
    return results;
}

std::vector<TPastMatch> ReadPastMatches(TTavrolinDM &dm, int club, bool home, const QDate &before, int count)
{
    std::vector<TPastMatch> matches;
    if (count <= 0)
        return matches;
    DbConnection::Lease statement =
        dm.TavrolinDb.Connection().Statement(QString::fromLatin1(home ? PastHomeSql : PastAwaySql));
    statement->BindAll({club, before.toString(Qt::ISODate), count});
    while (statement->Step())
        matches.push_back({IntOrZero(*statement, 0), IntOrZero(*statement, 1), IntOrZero(*statement, 2),
                           IntOrZero(*statement, 3), IntOrZero(*statement, 4), IntOrZero(*statement, 5)});
    return matches;
}

TPredictionCompetition ReadPredictionCompetition(TTavrolinDM &dm, int DNo)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromLatin1(CompetitionSql));
    statement->Bind(1, DNo);
    TPredictionCompetition competition;
    if (!statement->Step())
        return competition;
    competition.Omades = IntOrZero(*statement, 0);
    if (!statement->IsNull(1))
        competition.Isxys = IntOrZero(*statement, 1);
    competition.Nikh = IntOrZero(*statement, 2);
    competition.Isop = IntOrZero(*statement, 3);
    competition.Htta = IntOrZero(*statement, 4);
    return competition;
}

std::optional<TTeamStatRow> ReadTeamStat(TTavrolinDM &dm, int teamNo, int matchday)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromLatin1(TeamStatSql));
    statement->BindAll({teamNo, matchday});
    if (!statement->Step())
        return std::nullopt;
    TTeamStatRow row;
    row.TeamNo = teamNo;
    row.Agvnistikh = matchday;
    int *fields[] = {&row.NikesIn,  &row.IsopIn,   &row.HttesIn,       &row.NikesOut,     &row.IsopOut,
                     &row.HttesOut, &row.Position, &row.PositionEntos, &row.PositionEktos};
    for (int i = 0; i < 9; ++i)
        *fields[i] = IntOrZero(*statement, i);
    return row;
}

std::optional<int> ReadTeamStrength(TTavrolinDM &dm, int recNo)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromLatin1(StrengthSql));
    statement->Bind(1, recNo);
    if (!statement->Step() || statement->IsNull(0))
        return std::nullopt;
    return IntOrZero(*statement, 0);
}

void WriteTeamStatPercentages(TTavrolinDM &dm, const std::vector<TTeamStatPercent> &rows)
{
    DbConnection &connection = dm.TavrolinDb.Connection();
    TransactionGuard transaction(connection);
    {
        DbConnection::Lease update = connection.Statement(QString::fromLatin1(WritePercentSql));
        for (const TTeamStatPercent &row : rows) {
            update->BindAll({row.TeamNo, row.Agvnistikh, double(row.Percent.P1), double(row.Percent.PX),
                             double(row.Percent.P2)});
            update->Execute();
            update->Reset();
        }
    }
    transaction.Commit();
}

} // namespace tav::analysis
