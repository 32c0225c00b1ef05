// The results import of a text result file: 30 seasons of an 18-team league in the writer line
// (10,200 lines) read into a fresh competition, set against inserting the same matches straight
// through SQLite in one transaction.
#include "data/data_module.h"
#include "data/schema_tables.h"
#include "editors/result_import.h"
#include "editors/result_text_format.h"
#include "platform/db/greek_collation.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace tav::data;
using namespace tav::editors;

namespace {

constexpr int TeamCount = 18;
constexpr int Seasons = 30;
constexpr int MatchdaysPerSeason = 2 * (TeamCount - 1);

QString TeamName(int team)
{
    return QStringLiteral("TEAM %1").arg(team + 1);
}

// A round-robin season after season, one separator line before each matchday.
const QStringList &FileLines()
{
    static const QStringList lines = [] {
        QStringList result;
        QDate date(1990, 8, 26);
        for (int season = 0; season < Seasons; ++season)
            for (int day = 0; day < MatchdaysPerSeason; ++day, date = date.addDays(7)) {
                result.append(QString(32, QLatin1Char('-')) +
                              QString::number(season * MatchdaysPerSeason + day + 1));
                for (int slot = 0; slot < TeamCount / 2; ++slot) {
                    const int home = (slot + day) % TeamCount;
                    const int away = (TeamCount - 1 - slot + day) % TeamCount;
                    result.append(ResultLine(date.toString(QStringLiteral("dd/MM/yyyy")), TeamName(home),
                                             TeamName(away), QString::number(slot % 4),
                                             QString::number(day % 3)));
                }
            }
        return result;
    }();
    return lines;
}

void Generate(const QString &file)
{
    EnsureTavrolinSchema(*DbConnection::Acquire(file));
    sqlite3 *db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    RegisterGreekCollation(db);
    ExecSql(db, QStringLiteral(
                    "BEGIN; INSERT INTO Krath (Name) VALUES ('Ελλάδα'); "
                    "INSERT INTO Periodos VALUES ('2004-05'); "
                    "INSERT INTO Kathgories (GrName, Kratos, Typos) VALUES ('Α Εθνική', 1, 0); "
                    "INSERT INTO Diorganvseis (KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, Rounds, "
                    "KratosNo) VALUES (1, '2004-05', 18, 3, 1, 0, 0, 2, 1)"));
    SqliteStatement team(
        db, QStringLiteral("INSERT INTO Omades (KratosNo, Name, EnName, TeamNo) VALUES (1, ?1, ?2, ?3)"));
    for (int t = 0; t < TeamCount; ++t) {
        team.BindAll({QStringLiteral("Ομάδα %1").arg(t + 1), TeamName(t), t + 1});
        team.Execute();
        team.Reset();
    }
    ExecSql(db, QStringLiteral("COMMIT"));
    sqlite3_close_v2(db);
}

const QString &DataFile()
{
    static QTemporaryDir dir;
    static const QString file = [] {
        const QString data = UseBenchProgramFolder(dir.path());
        Generate(data + QStringLiteral("/tavrolin.sqlite"));
        return data + QStringLiteral("/tavrolin.sqlite");
    }();
    return file;
}

// The competition emptied again, as a fresh one.
void EmptyCompetition(TTavrolinDM &dm)
{
    dm.TavrolinDb.Connection().Execute(QStringLiteral("DELETE FROM Agvnes; DELETE FROM PerOmades"));
    dm.POmades.Refresh();
}

void BM_ImportTextFile(benchmark::State &state)
{
    DataFile();
    static TTavrolinDM dm;
    for (TTable *table : {&dm.Krath, &dm.Omades, &dm.Diorganvseis, &dm.POmades})
        tav::data::OpenIfClosed(*table);
    const QStringList &lines = FileLines();
    TResultImport import(dm);
    for (auto _ : state) {
        state.PauseTiming();
        EmptyCompetition(dm);
        state.ResumeTiming();
        const TImportSummary summary =
            import.Run(lines, TResultLayout::WriterLine(true), TImportKind::NewCompetition);
        benchmark::DoNotOptimize(summary.Inserted);
    }
    state.counters["lines/s"] =
        benchmark::Counter(double(lines.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ImportTextFile)->Unit(benchmark::kMillisecond);

// The same matches inserted straight through SQLite, already parsed, in one transaction.
void BM_RawSqlInsertSameMatches(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open(DataFile().toUtf8().constData(), &db);
    RegisterGreekCollation(db);
    const QStringList &lines = FileLines();
    for (auto _ : state) {
        state.PauseTiming();
        ExecSql(db, QStringLiteral("DELETE FROM Agvnes"));
        state.ResumeTiming();
        ExecSql(db, QStringLiteral("BEGIN"));
        {
            SqliteStatement insert(db, QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, "
                                                      "Filojenoymenh, \"Date\", TelGGoals, TelFGoals) "
                                                      "VALUES (1, ?1, ?2, ?3, ?4, ?5, ?6)"));
            QDate date(1990, 8, 26);
            for (int day = 0; day < Seasons * MatchdaysPerSeason; ++day, date = date.addDays(7))
                for (int slot = 0; slot < TeamCount / 2; ++slot) {
                    insert.BindAll({day + 1, (slot + day) % TeamCount + 1,
                                    (TeamCount - 1 - slot + day) % TeamCount + 1, date.toString(Qt::ISODate),
                                    slot % 4, day % 3});
                    insert.Execute();
                    insert.Reset();
                }
        }
        ExecSql(db, QStringLiteral("COMMIT"));
    }
    state.counters["lines/s"] =
        benchmark::Counter(double(lines.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
    sqlite3_close_v2(db);
}
BENCHMARK(BM_RawSqlInsertSameMatches)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
