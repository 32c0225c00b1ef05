// The database engine against the same work done directly through the SQLite C API, on a
// generated database of 1,500 competitions and 500,000 matches in the shape of Agvnes.

#include "bench_support.h"
#include "platform/db/table.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int Competitions = 1500;
constexpr int MatchesPerDay = 10;

// Matchdays of a competition: the first 1,000 have 38 (380 matches), the rest 24, so that the
// matches come to 500,000.
int MatchdaysOf(int competition)
{
    return competition <= 1000 ? 38 : 24;
}

struct Fixture : BenchDatabase
{
    Fixture() : BenchDatabase("Bench")
    {
        database.CreateTable(
            {"Diorganvseis",
             {{"DNo", TFieldType::ftAutoInc, 0, false},
              {"KatNo", TFieldType::ftInteger, 0, true},
              {"Periodos", TFieldType::ftString, 10, true},
              {"Omades", TFieldType::ftSmallint, 0, true}},
             {{"", "DNo", ixPrimary},
              {"PerKatInd", "Periodos;KatNo", ixUnique | ixDescending | ixCaseInsensitive}}});
        database.CreateTable({"Agvnes",
                              {{"DiorgNo", TFieldType::ftInteger, 0, false},
                               {"Agvnistikh", TFieldType::ftSmallint, 0, false},
                               {"Ghpedoyxos", TFieldType::ftInteger, 0, false},
                               {"Filojenoymenh", TFieldType::ftInteger, 0, false},
                               {"Omilos", TFieldType::ftSmallint, 0, false},
                               {"GameNo", TFieldType::ftAutoInc, 0, false},
                               {"TelGGoals", TFieldType::ftSmallint, 0, false},
                               {"TelFGoals", TFieldType::ftSmallint, 0, false},
                               {"Date", TFieldType::ftDate, 0, false},
                               {"GTeamNo", TFieldType::ftInteger, 0, false},
                               {"FTeamNo", TFieldType::ftInteger, 0, false},
                               {"AP1", TFieldType::ftFloat, 0, false}},
                              {{"", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh;Omilos", ixPrimary},
                               {"MainInd", "DiorgNo;Agvnistikh;Omilos;Date", ixCaseInsensitive},
                               {"DateInd", "Date", ixCaseInsensitive},
                               {"GTeamDate", "GTeamNo;Date", ixCaseInsensitive},
                               {"FTeamDate", "FTeamNo;Date", ixCaseInsensitive}}});
        sqlite3 *db = database.Handle();
        ExecSql(db, "BEGIN");
        {
            SqliteStatement competition(
                db, "INSERT INTO Diorganvseis (KatNo, Periodos, Omades) VALUES (?, ?, 20)");
            for (int c = 1; c <= Competitions; ++c) {
                competition.Bind(1, (c - 1) % 100 + 1);
                competition.Bind(2, QString::number(1990 + (c - 1) / 100));
                competition.Execute();
                competition.Reset();
            }
            SqliteStatement match(
                db, "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                    "TelGGoals, TelFGoals, Date, GTeamNo, FTeamNo, AP1) "
                    "VALUES (?, ?, ?, ?, 0, ?, ?, ?, ?, ?, 1.9)");
            const QDate start(1990, 8, 20);
            for (int c = 1; c <= Competitions; ++c)
                for (int day = 1; day <= MatchdaysOf(c); ++day)
                    for (int m = 0; m < MatchesPerDay; ++m) {
                        const int home = c * 20 + (m + day) % 20;
                        const int away = c * 20 + (m + day + 10) % 20;
                        match.BindAll({c, day, home, away, (c + m) % 4, (day + m) % 3,
                                       start.addDays(c % 400 + day * 7).toString(Qt::ISODate), home, away});
                        match.Execute();
                        match.Reset();
                    }
        }
        ExecSql(db, "COMMIT");
        OpenRaw();
    }
};

Fixture &Data()
{
    static Fixture fixture;
    return fixture;
}

std::unique_ptr<TTable> OpenAgvnes()
{
    auto table = std::make_unique<TTable>();
    table->SetDatabase(&Data().database);
    table->SetTableName("Agvnes.DB");
    table->SetIndexName("MainInd");
    table->Open();
    return table;
}

// --- open on the index and set a range to one matchday -------------------------------------

void BM_OpenRange_Engine(benchmark::State &state)
{
    Data();
    int c = 1;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        auto table = OpenAgvnes();
        table->SetRange({c, 5}, {c, 5});
        benchmark::DoNotOptimize(table->FieldByName("Ghpedoyxos").AsInteger());
        c = c % Competitions + 1;
    }
}

void BM_OpenRange_Raw(benchmark::State &state)
{
    sqlite3 *db = Data().raw;
    SqliteStatement first(db, "SELECT * FROM Agvnes ORDER BY DiorgNo, Agvnistikh, Omilos, Date LIMIT 1");
    SqliteStatement range(db, "SELECT * FROM Agvnes WHERE DiorgNo = ? AND Agvnistikh = ? "
                              "ORDER BY DiorgNo, Agvnistikh, Omilos, Date");
    int c = 1;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        first.Step();
        benchmark::DoNotOptimize(first.Int64(2));
        first.Reset();
        range.BindAll({c, 5});
        while (range.Step())
            benchmark::DoNotOptimize(range.Int64(2));
        range.Reset();
        c = c % Competitions + 1;
    }
}

// --- Locate on a two-field key ----------------------------------------------------------------

void BM_Locate_Engine(benchmark::State &state)
{
    TTable diorg;
    diorg.SetDatabase(&Data().database);
    diorg.SetTableName("Diorganvseis");
    diorg.Open();
    int c = 0;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        const bool found = diorg.Locate("KatNo;Periodos", {c % 100 + 1, QString::number(1990 + c / 100)});
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(diorg.FieldByName("DNo").AsInteger());
        c = (c + 37) % Competitions;
    }
}

void BM_Locate_Raw(benchmark::State &state)
{
    SqliteStatement locate(
        Data().raw, "SELECT * FROM Diorganvseis WHERE KatNo = ? AND Periodos = ? ORDER BY DNo LIMIT 1");
    int c = 0;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        locate.BindAll({c % 100 + 1, QString::number(1990 + c / 100)});
        if (locate.Step())
            benchmark::DoNotOptimize(locate.Int64(0));
        locate.Reset();
        c = (c + 37) % Competitions;
    }
}

// --- walk a 380-row range reading five fields -------------------------------------------------

void BM_WalkRange_Engine(benchmark::State &state)
{
    auto table = OpenAgvnes();
    TField &day = table->FieldByName("Agvnistikh");
    TField &home = table->FieldByName("Ghpedoyxos");
    TField &away = table->FieldByName("Filojenoymenh");
    TField &goals = table->FieldByName("TelGGoals");
    TField &date = table->FieldByName("Date");
    int c = 1;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        table->SetRange({c}, {c});
        for (table->First(); !table->Eof(); table->Next()) {
            benchmark::DoNotOptimize(day.AsInteger() + home.AsInteger() + away.AsInteger() +
                                     goals.AsInteger());
            benchmark::DoNotOptimize(date.AsDateTime());
        }
        c = c % 1000 + 1;
    }
}

void BM_WalkRange_Raw(benchmark::State &state)
{
    SqliteStatement walk(Data().raw,
                         "SELECT Agvnistikh, Ghpedoyxos, Filojenoymenh, TelGGoals, Date FROM Agvnes "
                         "WHERE DiorgNo = ? ORDER BY DiorgNo, Agvnistikh, Omilos, Date");
    int c = 1;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        walk.Bind(1, c);
        while (walk.Step()) {
            benchmark::DoNotOptimize(walk.Int64(0) + walk.Int64(1) + walk.Int64(2) + walk.Int64(3));
            benchmark::DoNotOptimize(QDate::fromString(walk.Text(4), Qt::ISODate));
        }
        walk.Reset();
        c = c % 1000 + 1;
    }
}

// --- a filtered walk ----------------------------------------------------------------------------

void BM_FilteredWalk_Engine(benchmark::State &state)
{
    auto table = OpenAgvnes();
    TField &home = table->FieldByName("Ghpedoyxos");
    int c = 1;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        table->SetFilter(QStringLiteral("DiorgNo = %1 and TelGGoals >= 2").arg(c));
        table->SetFiltered(true);
        for (table->First(); !table->Eof(); table->Next())
            benchmark::DoNotOptimize(home.AsInteger());
        table->SetFiltered(false);
        c = c % Competitions + 1;
    }
}

void BM_FilteredWalk_Raw(benchmark::State &state)
{
    SqliteStatement walk(Data().raw, "SELECT Ghpedoyxos FROM Agvnes WHERE DiorgNo = ? AND TelGGoals >= ? "
                                     "ORDER BY DiorgNo, Agvnistikh, Omilos, Date");
    int c = 1;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        walk.BindAll({c, 2});
        while (walk.Step())
            benchmark::DoNotOptimize(walk.Int64(0));
        walk.Reset();
        c = c % Competitions + 1;
    }
}

// --- insert 10,000 rows in one transaction --------------------------------------------------

constexpr int InsertedRows = 10000;
int nextCompetition = 100000;

void BM_Insert10000_Engine(benchmark::State &state)
{
    auto table = OpenAgvnes();
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        const int c = nextCompetition++;
        table->SetRange({c}, {c});
        Data().database.StartTransaction();
        for (int i = 0; i < InsertedRows; ++i) {
            table->Append();
            table->FieldByName("DiorgNo").SetAsInteger(c);
            table->FieldByName("Agvnistikh").SetAsInteger(i / MatchesPerDay + 1);
            table->FieldByName("Ghpedoyxos").SetAsInteger(i);
            table->FieldByName("Filojenoymenh").SetAsInteger(i + 1);
            table->FieldByName("Omilos").SetAsInteger(0);
            table->FieldByName("Date").SetAsDateTime(
                QDateTime(QDate(2005, 1, 1).addDays(i / MatchesPerDay), QTime(0, 0)));
            table->FieldByName("GTeamNo").SetAsInteger(i);
            table->FieldByName("FTeamNo").SetAsInteger(i + 1);
            table->Post();
        }
        Data().database.Commit();
    }
}

void BM_Insert10000_Raw(benchmark::State &state)
{
    sqlite3 *db = Data().raw;
    SqliteStatement insert(
        db, "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, Date, "
            "GTeamNo, FTeamNo) VALUES (?, ?, ?, ?, 0, ?, ?, ?)");
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        const int c = nextCompetition++;
        ExecSql(db, "BEGIN");
        for (int i = 0; i < InsertedRows; ++i) {
            insert.BindAll({c, i / MatchesPerDay + 1, i, i + 1,
                            QDate(2005, 1, 1).addDays(i / MatchesPerDay).toString(Qt::ISODate), i, i + 1});
            insert.Execute();
            insert.Reset();
        }
        ExecSql(db, "COMMIT");
    }
}

// --- post an edit -------------------------------------------------------------------------------

void BM_PostEdit_Engine(benchmark::State &state)
{
    auto table = OpenAgvnes();
    table->SetRange({7, 3}, {7, 3});
    int goals = 0;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        table->Edit();
        table->FieldByName("TelGGoals").SetAsInteger(goals % 5);
        table->FieldByName("TelFGoals").SetAsInteger(goals % 3);
        table->Post();
        ++goals;
    }
}

void BM_PostEdit_Raw(benchmark::State &state)
{
    sqlite3 *db = Data().raw;
    SqliteStatement find(db, "SELECT rowid FROM Agvnes WHERE DiorgNo = 7 AND Agvnistikh = 4 LIMIT 1");
    find.Step();
    const qint64 id = find.Int64(0);
    find.Reset();
    SqliteStatement update(db, "UPDATE Agvnes SET TelGGoals = ?, TelFGoals = ? WHERE rowid = ?");
    int goals = 0;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        update.BindAll({goals % 5, goals % 3, id});
        update.Execute();
        update.Reset();
        ++goals;
    }
}

BENCHMARK(BM_OpenRange_Engine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenRange_Raw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Locate_Engine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Locate_Raw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WalkRange_Engine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WalkRange_Raw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilteredWalk_Engine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilteredWalk_Raw)->Unit(benchmark::kMicrosecond);
// Writes wait for the disk, which costs no processor time: they are timed on the wall clock.
BENCHMARK(BM_Insert10000_Engine)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Insert10000_Raw)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PostEdit_Engine)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PostEdit_Raw)->Unit(benchmark::kMicrosecond)->UseRealTime();

void PrintSummary()
{
    std::printf("\n%-16s %14s %14s %8s\n", "work", "engine (us)", "raw (us)", "ratio");
    for (const char *work : {"OpenRange", "Locate", "WalkRange", "FilteredWalk", "Insert10000", "PostEdit"}) {
        const std::string name(work);
        const auto engine = WallTimes().find("BM_" + name + "_Engine");
        const auto raw = WallTimes().find("BM_" + name + "_Raw");
        if (engine == WallTimes().end() || raw == WallTimes().end())
            continue;
        const double ratio = engine->second / raw->second;
        std::printf("%-16s %14.1f %14.1f %7.2fx%s\n", work, engine->second / 1000, raw->second / 1000, ratio,
                    ratio <= 2.0 ? "" : "  (over 2x)");
    }
    if (const auto open = WallTimes().find("BM_OpenRange_Engine"); open != WallTimes().end())
        std::printf("one-matchday range open: %.3f ms (target under 1 ms)\n", open->second / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintSummary);
}
