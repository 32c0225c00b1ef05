// The matchday helpers of the data module and its start, on a database of 500,000 matches across
// 1,500 competitions (18 teams, 9 matches a matchday, 37 matchdays), generated once per run
// straight through SQLite. Each helper is set against the one SQL query that answers it.
#include "data/data_module.h"
#include "data/schema_tables.h"
#include "platform/db/greek_collation.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

using namespace tav::data;

namespace {

constexpr int CompetitionCount = 1500;
constexpr int TeamCount = 18;
constexpr int MatchesPerDay = TeamCount / 2;
constexpr int MatchCount = 500000;
constexpr int MatchesPerCompetition = MatchCount / CompetitionCount + 1;
// The competition the helpers are asked about: one in the middle of the file.
constexpr int ProbeDNo = CompetitionCount / 2;

void Exec(sqlite3 *db, const char *sql)
{
    ExecSql(db, QString::fromUtf8(sql));
}

void Generate(const QString &file)
{
    // The program's own tables first, through the engine; the bulk load then goes straight in.
    EnsureTavrolinSchema(*DbConnection::Acquire(file));
    sqlite3 *db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    RegisterGreekCollation(db);
    Exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
    Exec(db, "INSERT INTO Krath (Name) VALUES ('Ελλάδα')");
    Exec(db, "INSERT INTO Periodos VALUES ('2004-05')");
    SqliteStatement category(db, "INSERT INTO Kathgories (GrName, Kratos, Typos) VALUES (?1, 1, 0)", true);
    SqliteStatement competition(
        db,
        "INSERT INTO Diorganvseis (KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, Rounds, "
        "KratosNo) VALUES (?1, '2004-05', 18, 3, 1, 0, 0, 2, 1)",
        true);
    SqliteStatement team(db, "INSERT INTO Omades (KratosNo, Name, EnName, TeamNo) VALUES (1, ?1, ?1, ?2)",
                         true);
    SqliteStatement perTeam(
        db, "INSERT INTO PerOmades (TeamNo, DiorNo, GrName, EnName) VALUES (?1, ?2, ?3, ?3)", true);
    SqliteStatement match(
        db,
        "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
        "TelFGoals, Date, GTeamNo, FTeamNo) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?8, ?9)",
        true);
    for (int t = 1; t <= TeamCount; ++t) {
        team.BindAll({QString("Ομάδα %1").arg(t), t});
        team.Execute();
        team.Reset();
    }
    int written = 0;
    for (int d = 1; d <= CompetitionCount; ++d) {
        category.BindAll({QString("Κατηγορία %1").arg(d)});
        category.Execute();
        category.Reset();
        competition.BindAll({d});
        competition.Execute();
        competition.Reset();
        const int firstRecNo = (d - 1) * TeamCount + 1;
        for (int t = 1; t <= TeamCount; ++t) {
            perTeam.BindAll({t, d, QString("Ομάδα %1").arg(t)});
            perTeam.Execute();
            perTeam.Reset();
        }
        for (int i = 0; i < MatchesPerCompetition && written < MatchCount; ++i, ++written) {
            const int day = i / MatchesPerDay + 1;
            const int slot = i % MatchesPerDay;
            const int home = (slot + day) % TeamCount;
            const int away = (TeamCount - 1 - slot + day) % TeamCount;
            // The last four matchdays are still to be played; one match a matchday is rescheduled.
            const bool played = day <= MatchesPerCompetition / MatchesPerDay - 4;
            const QDate date = QDate(2004, 8, 29).addDays(7 * day + (slot == 0 ? 3 : 0));
            match.BindAll({d, day, firstRecNo + home, firstRecNo + away,
                           played ? QVariant((i * 7) % 4) : QVariant(),
                           played ? QVariant((i * 5) % 3) : QVariant(), date.toString(Qt::ISODate), home + 1,
                           away + 1});
            match.Execute();
            match.Reset();
        }
    }
    Exec(db, "COMMIT");
    sqlite3_close_v2(db);
}

// The program folder of the run: a Data folder with the generated database and its alias.
const QString &ProgramFolder()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        const QString data = UseBenchProgramFolder(dir.path());
        Generate(data + "/tavrolin.sqlite");
        return true;
    }();
    (void)ready;
    static const QString path = dir.path();
    return path;
}

// A data module standing on the probe competition.
TTavrolinDM &Module()
{
    ProgramFolder();
    static TTavrolinDM dm;
    if (!dm.Diorganvseis.Active())
        dm.Diorganvseis.Open();
    dm.Diorganvseis.Locate("DNo", {ProbeDNo});
    return dm;
}

sqlite3 *RawDatabase()
{
    static sqlite3 *db = [] {
        sqlite3 *opened = nullptr;
        sqlite3_open((ProgramFolder() + "/Data/tavrolin.sqlite").toUtf8().constData(), &opened);
        return opened;
    }();
    return db;
}

// A fresh start: the module is created and every shared table opened. It runs first, while no
// other module holds the connection.
void BM_OpenSharedTables(benchmark::State &state)
{
    ProgramFolder();
    for (auto _ : state) {
        auto dm = std::make_unique<TTavrolinDM>();
        for (TTable *table :
             {&dm->Periodos, &dm->Kathgories, &dm->Krath, &dm->Omades, &dm->Diorganvseis, &dm->POmades,
              &dm->Agvnes, &dm->TeamStat, &dm->TeamNames, &dm->LookUpTable, &dm->TyposKathg, &dm->Deltia,
              &dm->TblUptoDateAgvn, &dm->GamePeriods, &dm->CheckAgvnes})
            table->Open();
        benchmark::DoNotOptimize(dm->Agvnes.FieldByName("Score").AsString());
        state.PauseTiming();
        dm.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSharedTables)->Unit(benchmark::kMillisecond);

void BM_GetCurrAgvnistikh(benchmark::State &state)
{
    TTavrolinDM &dm = Module();
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.GetCurrAgvnistikh());
}
BENCHMARK(BM_GetCurrAgvnistikh)->Unit(benchmark::kMicrosecond);

void BM_GetMaxAgvnistikh(benchmark::State &state)
{
    TTavrolinDM &dm = Module();
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.GetMaxAgvnistikh());
}
BENCHMARK(BM_GetMaxAgvnistikh)->Unit(benchmark::kMicrosecond);

void BM_GetAgvnistikhDate(benchmark::State &state)
{
    TTavrolinDM &dm = Module();
    QString text;
    for (auto _ : state) {
        dm.GetAgvnistikhDate(12, text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_GetAgvnistikhDate)->Unit(benchmark::kMicrosecond);

// The same three answers straight from SQLite, for comparison.
void BM_RawSqlMatchdayQueries(benchmark::State &state)
{
    sqlite3 *db = RawDatabase();
    SqliteStatement current(db,
                            "SELECT Agvnistikh FROM Agvnes WHERE DiorgNo = ?1 GROUP BY Agvnistikh HAVING "
                            "sum(TelGGoals + TelFGoals) > 0 ORDER BY Agvnistikh DESC LIMIT 1",
                            true);
    SqliteStatement highest(db, "SELECT max(Agvnistikh) FROM Agvnes WHERE DiorgNo = ?1", true);
    SqliteStatement date(
        db,
        "SELECT Date, count(*) c FROM Agvnes WHERE DiorgNo = ?1 AND Agvnistikh = 12 GROUP BY Date "
        "ORDER BY c, Date LIMIT 1",
        true);
    for (auto _ : state)
        for (SqliteStatement *statement : {&current, &highest, &date}) {
            statement->Bind(1, ProbeDNo);
            benchmark::DoNotOptimize(statement->Step());
            statement->Reset();
        }
}
BENCHMARK(BM_RawSqlMatchdayQueries)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
