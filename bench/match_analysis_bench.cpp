// The match analysis of one weekend over every competition of a database of 6 seasons of 250
// leagues (1,500 leagues of 18 or 20 clubs, 514,500 matches; the weekend analysed holds 2,375 of them, and
// the season stops before it), set against its three queries (the window's matches with their names and
// codes, and the home and away history of its teams) run through the SQLite C API, in the same run.
#include "analysis/match_analysis.h"
#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"
#include "scores.h"
#include "wall_timer.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tav::analysis;

namespace {

constexpr int SeasonCount = 6;
constexpr int LeagueCount = 250;
constexpr int FirstYear = 2000;

int TeamsOf(int league)
{
    return league % 2 == 0 ? 20 : 18;
}

void Run(SqliteStatement &statement, const QVariantList &values)
{
    statement.BindAll(values);
    statement.Execute();
    statement.Reset();
}

// The Sunday of a matchday; the matches of a matchday spread from the Friday to the Monday.
QDate MatchDate(int season, int day, int match)
{
    return QDate(FirstYear + season, 8, 22).addDays(7 * day - 2 + match % 4);
}

// The last season stops before this matchday: its weekend is the one analysed.
constexpr int WindowMatchday = 33;

QDate WindowFriday()
{
    return MatchDate(SeasonCount - 1, WindowMatchday, 0);
}

void Store(sqlite3 *db)
{
    TScores scores;
    TransactionGuard transaction(db);
    ExecSql(db, QStringLiteral("INSERT INTO Krath (RecNo, Name) VALUES (1, 'Ελλάδα')"));
    SqliteStatement category(
        db, QStringLiteral(
                "INSERT INTO Kathgories (KatNo, GrName, Kratos, Typos, OPAP) VALUES (?1, ?2, 1, 0, ?3)"));
    SqliteStatement season(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)"));
    SqliteStatement competition(
        db, QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, "
                           "Rounds, KratosNo) VALUES (?1, ?2, ?3, ?4, 3, 1, 0, 0, 2, 1)"));
    SqliteStatement club(db,
                         QStringLiteral("INSERT INTO Omades (KratosNo, Name, TeamNo) VALUES (1, ?1, ?2)"));
    SqliteStatement team(db, QStringLiteral("INSERT INTO PerOmades (RecNo, TeamNo, DiorNo, GrName) "
                                            "VALUES (?1, ?2, ?3, ?4)"));
    SqliteStatement match(
        db,
        QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                       "TelGGoals, TelFGoals, \"Date\", GTeamNo, FTeamNo, \"Time\", OPAPAr, AP1, APX, AP2) "
                       "VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?8, ?9, '20:00:00', ?10, 1.9, 3.2, 4.1)"));
    for (int league = 1; league <= LeagueCount; ++league) {
        Run(category, {league, QStringLiteral("Κατηγορία %1").arg(league), QString::number(league)});
        for (int i = 1; i <= TeamsOf(league); ++i)
            Run(club, {QStringLiteral("Ομάδα %1-%2").arg(league).arg(i), league * 100 + i});
    }
    for (int s = 0; s < SeasonCount; ++s) {
        const QString text = QString::number(FirstYear + s) + QLatin1Char('-') +
                             QStringLiteral("%1").arg(1 + s, 2, 10, QLatin1Char('0'));
        Run(season, {text});
        for (int league = 1; league <= LeagueCount; ++league) {
            const int DNo = s * LeagueCount + league;
            const int teams = TeamsOf(league);
            Run(competition, {DNo, league, text, teams});
            std::vector<int> circle;
            for (int i = 0; i < teams; ++i) {
                const int recNo = DNo * 100 + i + 1;
                Run(team, {recNo, league * 100 + i + 1, DNo, QStringLiteral("Ομάδα %1").arg(i + 1)});
                circle.push_back(i + 1);
            }
            const int matchdays = 2 * (teams - 1);
            for (int day = 1; day <= matchdays; ++day) {
                const bool played = s < SeasonCount - 1 || day < WindowMatchday;
                for (int k = 0; k < teams / 2; ++k) {
                    int home = circle[k];
                    int away = circle[teams - 1 - k];
                    if (day % 2 == 0)
                        std::swap(home, away);
                    const QVariant homeGoals = played ? QVariant(scores.Next()) : QVariant();
                    const QVariant awayGoals = played ? QVariant(scores.Next() % 3) : QVariant();
                    Run(match, {DNo, day, DNo * 100 + home, DNo * 100 + away, homeGoals, awayGoals,
                                MatchDate(s, day, k).toString(Qt::ISODate), league * 100 + home,
                                league * 100 + away, k + 1});
                }
                std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
            }
        }
    }
    transaction.Commit();
}

TTavrolinDM &Bench()
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = [] {
        const QString data = UseBenchProgramFolder(folder.path());
        auto *made = new TTavrolinDM;
        Store(made->TavrolinDb.Handle());
        return made;
    }();
    return *dm;
}

TMatchAnalysisRequest Weekend()
{
    return {WindowFriday(), WindowFriday().addDays(3)};
}

void BM_RunMatchAnalysis(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    qsizetype rows = 0;
    {
        WallTimer timer(state, "match analysis");
        for (auto _ : state)
            rows = RunMatchAnalysis(dm, Weekend()).Rows.size();
    }
    state.counters["matches"] = double(rows);
}

void Check(sqlite3 *db, int rc)
{
    if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW)
        return;
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    std::exit(1);
}

// Steps a statement to its end, reading every column as the analysis does; the team numbers of
// the first column when asked.
void StepAll(sqlite3 *db, sqlite3_stmt *statement, std::vector<int> *teams, std::vector<int> *awayTeams)
{
    int rc = 0;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, column));
        if (teams) {
            teams->push_back(sqlite3_column_int(statement, 11));
            awayTeams->push_back(sqlite3_column_int(statement, 12));
        }
    }
    Check(db, rc);
    sqlite3_reset(statement);
}

std::string List(const std::vector<int> &numbers)
{
    std::string text = "[";
    for (int number : numbers)
        text += (text.size() > 1 ? "," : "") + std::to_string(number);
    return text + "]";
}

// The analysis's three queries, as it words them.
const char kWindow[] =
    "SELECT a.\"Date\", a.\"Time\", k.OPAP,"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Ghpedoyxos LIMIT 1),"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Filojenoymenh LIMIT 1),"
    " a.TelGGoals, a.TelFGoals, a.OPAPAr, a.AP1, a.APX, a.AP2, a.GTeamNo, a.FTeamNo, a.DiorgNo,"
    " a.Agvnistikh, a.Ghpedoyxos, a.Filojenoymenh, d.Omades, d.Nikh, d.Isop, d.Htta"
    " FROM Agvnes a LEFT JOIN Diorganvseis d ON d.DNo = a.DiorgNo LEFT JOIN Kathgories k ON k.KatNo = d.KatNo"
    " WHERE a.\"Date\" >= ?1 AND a.\"Date\" <= ?2 ORDER BY a.\"Date\", a.\"Time\", a.DiorgNo, a.GameNo";
const char kHomeHistory[] = "SELECT GTeamNo, TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE \"Date\" < ?1 AND TelGGoals >= 0"
                            " AND GTeamNo IN (SELECT value FROM json_each(?2))"
                            " ORDER BY \"Date\" DESC, GameNo DESC";
const char kAwayHistory[] = "SELECT FTeamNo, TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE \"Date\" < ?1 AND TelFGoals >= 0"
                            " AND FTeamNo IN (SELECT value FROM json_each(?2))"
                            " ORDER BY \"Date\" DESC, GameNo DESC";

void BM_SqliteQueries(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    const std::string from = WindowFriday().toString(Qt::ISODate).toStdString();
    const std::string to = WindowFriday().addDays(3).toString(Qt::ISODate).toStdString();
    sqlite3_stmt *window = nullptr;
    sqlite3_stmt *home = nullptr;
    sqlite3_stmt *away = nullptr;
    Check(db, sqlite3_prepare_v2(db, kWindow, -1, &window, nullptr));
    Check(db, sqlite3_prepare_v2(db, kHomeHistory, -1, &home, nullptr));
    Check(db, sqlite3_prepare_v2(db, kAwayHistory, -1, &away, nullptr));
    {
        WallTimer timer(state, "SQLite C API queries");
        for (auto _ : state) {
            std::vector<int> homeTeams;
            std::vector<int> awayTeams;
            sqlite3_bind_text(window, 1, from.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(window, 2, to.c_str(), -1, SQLITE_TRANSIENT);
            StepAll(db, window, &homeTeams, &awayTeams);
            for (auto [statement, teams] : {std::pair{home, &homeTeams}, {away, &awayTeams}}) {
                const std::string list = List(*teams);
                sqlite3_bind_text(statement, 1, from.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 2, list.c_str(), -1, SQLITE_TRANSIENT);
                StepAll(db, statement, nullptr, nullptr);
            }
        }
    }
    for (sqlite3_stmt *statement : {window, home, away})
        sqlite3_finalize(statement);
}

BENCHMARK(BM_SqliteQueries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RunMatchAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void PrintComparison()
{
    const std::map<std::string, double> &times = WallTimes();
    const auto sql = times.find("SQLite C API queries");
    const auto run = times.find("match analysis");
    if (sql == times.end() || run == times.end())
        return;
    std::printf("\n%-24s %12s\n", "a weekend", "ms");
    std::printf("%-24s %12.1f\n", sql->first.c_str(), sql->second / 1e6);
    std::printf("%-24s %12.1f %9.2fx the queries (at most 2x)\n", run->first.c_str(), run->second / 1e6,
                run->second / sql->second);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}
