// The results cross-table of an 18-team, 34-matchday league, read and built as the window builds
// it, set against one SQL aggregate of the same per-team counts in the same run; and the pages per
// second of the bulk export of every league of one season of a generated 1,500-competition
// database in three languages. All runs read a real database file and are timed on the wall clock.
#include "analysis/plegma.h"
#include "analysis/plegma_pages.h"
#include "analysis/standings_store.h"
#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"
#include "report/analysis_export.h"
#include "scores.h"
#include "wall_timer.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

constexpr int SeasonCount = 50;
constexpr int LeaguesPerSeason = 30; // 1,500 competitions
constexpr int TeamCount = 18;
constexpr int Matchdays = 2 * (TeamCount - 1);
// The league built alone: the first of the last season, played to matchday 30.
constexpr int BuiltDNo = (SeasonCount - 1) * LeaguesPerSeason + 1;
constexpr int PlayedMatchdays = 30;

void Run(SqliteStatement &statement, const QVariantList &values)
{
    statement.BindAll(values);
    statement.Execute();
    statement.Reset();
}

QString SeasonName(int s)
{
    return QString::number(1960 + s) + QLatin1Char('-') + QString::number(61 + s).right(2);
}

void Store(sqlite3 *db)
{
    TScores scores;
    TransactionGuard transaction(db);
    ExecSql(db, QStringLiteral("INSERT INTO Krath (RecNo, Name, Kode) VALUES (1, 'Ελλάδα', 'GR')"));
    SqliteStatement category(db,
                             QStringLiteral("INSERT INTO Kathgories (KatNo, GrName, EnName, ItName, Kratos, "
                                            "Kode, Typos) VALUES (?1, ?2, ?3, ?4, 1, ?5, 0)"));
    SqliteStatement season(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)"));
    SqliteStatement competition(
        db, QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, "
                           "Rounds, KratosNo) VALUES (?1, ?2, ?3, ?4, 3, 1, 0, 0, 2, 1)"));
    SqliteStatement team(
        db, QStringLiteral("INSERT INTO PerOmades (RecNo, TeamNo, DiorNo, GrName, EnName, Timvria) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, 0)"));
    SqliteStatement match(
        db, QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, "
                           "Omilos, TelGGoals, TelFGoals) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6)"));
    for (int league = 1; league <= LeaguesPerSeason; ++league)
        Run(category,
            {league, QStringLiteral("Κατηγορία %1").arg(league), QStringLiteral("Category %1").arg(league),
             QStringLiteral("Categoria %1").arg(league), QString::number(league % 10)});
    for (int s = 0; s < SeasonCount; ++s) {
        Run(season, {SeasonName(s)});
        for (int league = 1; league <= LeaguesPerSeason; ++league) {
            const int DNo = s * LeaguesPerSeason + league;
            Run(competition, {DNo, league, SeasonName(s), TeamCount});
            std::vector<int> circle;
            for (int i = 1; i <= TeamCount; ++i) {
                const int recNo = DNo * 100 + i;
                Run(team, {recNo, league * 100 + i, DNo, QStringLiteral("Ομάδα %1").arg(i),
                           QStringLiteral("Team %1").arg(i)});
                circle.push_back(recNo);
            }
            // Circle method: every pairing once per round, home and away alternating.
            for (int day = 1; day <= Matchdays; ++day) {
                for (int k = 0; k < TeamCount / 2; ++k) {
                    int home = circle[k];
                    int away = circle[TeamCount - 1 - k];
                    if (day % 2 == 0)
                        std::swap(home, away);
                    const bool played = day <= PlayedMatchdays;
                    Run(match, {DNo, day, home, away, played ? QVariant(scores.Next()) : QVariant(),
                                played ? QVariant(scores.Next() % 3) : QVariant()});
                }
                std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
            }
        }
    }
    transaction.Commit();
}

struct TBench
{
    TTavrolinDM *dm = nullptr;
    QString folder;
};

TBench &Bench()
{
    static QTemporaryDir folder;
    static TBench bench = [] {
        UseBenchProgramFolder(folder.path());
        TBench made;
        made.folder = folder.path();
        made.dm = new TTavrolinDM;
        Store(made.dm->TavrolinDb.Handle());
        return made;
    }();
    return bench;
}

TPlegmaSettings Settings(int last, int current)
{
    TPlegmaSettings settings;
    settings.Last = last;
    settings.Current = current;
    return settings;
}

// The window's build: the teams and the matches read, the table and its cells made.
void BM_BuildPlegma(benchmark::State &state)
{
    TTavrolinDM &dm = *Bench().dm;
    std::size_t cells = 0;
    WallTimer timer(state, "BuildPlegma");
    for (auto _ : state) {
        const TPlegma plegma =
            BuildPlegma(ReadStandingsTeams(dm, BuiltDNo), ReadPlegmaMatches(dm, BuiltDNo, 1),
                        Settings(Matchdays, PlayedMatchdays));
        cells = std::size_t(plegma.RowCount()) * std::size_t(plegma.ColCount());
        benchmark::DoNotOptimize(plegma.Cells.data());
    }
    state.counters["cells"] = double(cells);
}

// The same per-team home and away counts straight from SQLite, in one statement.
void BM_SqlCounts(benchmark::State &state)
{
    SqliteStatement rows(
        Bench().dm->TavrolinDb.Handle(),
        QStringLiteral("SELECT t.RecNo, "
                       "SUM(a.Ghpedoyxos = t.RecNo AND a.TelGGoals > a.TelFGoals), "
                       "SUM(a.Ghpedoyxos = t.RecNo AND a.TelGGoals = a.TelFGoals), "
                       "SUM(a.Ghpedoyxos = t.RecNo AND a.TelGGoals < a.TelFGoals), "
                       "SUM(a.Filojenoymenh = t.RecNo AND a.TelFGoals > a.TelGGoals), "
                       "SUM(a.Filojenoymenh = t.RecNo AND a.TelFGoals = a.TelGGoals), "
                       "SUM(a.Filojenoymenh = t.RecNo AND a.TelFGoals < a.TelGGoals) "
                       "FROM PerOmades t JOIN Agvnes a ON a.DiorgNo = t.DiorNo "
                       "AND (a.Ghpedoyxos = t.RecNo OR a.Filojenoymenh = t.RecNo) "
                       "WHERE t.DiorNo = ?1 AND a.Agvnistikh BETWEEN 1 AND ?2 AND a.TelGGoals IS NOT NULL "
                       "GROUP BY t.RecNo"));
    std::int64_t read = 0;
    WallTimer timer(state, "SQL counts");
    for (auto _ : state) {
        rows.BindAll({BuiltDNo, Matchdays});
        read = 0;
        while (rows.Step())
            read += rows.Int64(1) + rows.Int64(4);
        rows.Reset();
        benchmark::DoNotOptimize(read);
    }
}

// The bulk export of the results grid pages of every league of the last season, in Greek,
// English and Italian, numbered as matchdays.
void BM_MassExportPages(benchmark::State &state)
{
    TTavrolinDM &dm = *Bench().dm;
    tav::report::TExportOptions options;
    options.Languages = {TExportLanguage::Greek, TExportLanguage::English, TExportLanguage::Italian};
    options.Kinds = {tav::report::TExportKind::Page};
    QStringList competitions;
    for (int league = 1; league <= LeaguesPerSeason; ++league)
        competitions.append(QStringLiteral("Κατηγορία %1").arg(league));
    TPlegma plegma;
    std::vector<TStandingsTeam> teams;
    QString matchday;
    tav::report::TAnalysisView view;
    view.Page = tav::report::TPageKind::ResultsGrid;
    view.LeagueCode = true;
    view.Matchday = [&] { return matchday; };
    view.Prepare = [&](int pass) {
        if (pass > 0)
            return false;
        const int current = dm.GetCurrAgvnistikh();
        matchday = QString::number(current < dm.GetMaxAgvnistikh() ? current + 1 : current);
        return true;
    };
    view.Refresh = [&](TExportLanguage language) {
        const int DNo = dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger();
        teams = ReadStandingsTeams(dm, DNo);
        plegma = BuildPlegma(teams, ReadPlegmaMatches(dm, DNo, 1),
                             Settings(matchday.toInt(), matchday.toInt() - 1));
        if (language != TExportLanguage::Greek) {
            std::map<int, QString> english;
            for (const TStandingsTeam &team : teams)
                english.emplace(team.RecNo, team.EnName);
            RenamePlegmaTeams(plegma, english);
        }
    };
    view.WritePage = [&](const QString &path, TExportLanguage language) {
        WriteGridHtml(path, language, {QStringLiteral("Διοργάνωση"), matchday, QString()}, plegma.Cells,
                      plegma.ColsPerTeam);
    };
    int written = 0;
    WallTimer timer(state, "mass export");
    for (auto _ : state)
        written = RunMassAnalysisExport(dm, view, options, SeasonName(SeasonCount - 1), competitions);
    const double pages = double(written) * double(options.Languages.size());
    state.counters["pages"] = pages;
    state.counters["pages_per_second"] =
        benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_SqlCounts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildPlegma)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MassExportPages)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    PrintBesideSql("one league", "SQL counts", {"BuildPlegma"});
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}
