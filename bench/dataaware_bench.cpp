// The data-aware library against the same work done in one SQL statement, on a generated table
// of 500,000 teams with Greek names: locate anywhere in the name without case, and an expression
// filter beside the same condition as the engine's filter text.

#include "bench_support.h"
#include "controls/dataaware/dq_locate.h"
#include "controls/dataaware/dq_table.h"
#include "platform/db/greek_collation.h"
#include "platform/db/sqlite_statement.h"
#include "wall_timer.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int Teams = 500000;
const QString LastName = QStringLiteral("Τελευταίος Όμιλος Ηρακλής");

struct Fixture : BenchDatabase
{
    Fixture() : BenchDatabase("BenchDq")
    {
        database.CreateTable({"Omades",
                              {{"Id", TFieldType::ftInteger, 0, false},
                               {"Name", TFieldType::ftString, 40, false},
                               {"Amount", TFieldType::ftFloat, 0, false}},
                              {{"", "Id", ixPrimary}}});
        sqlite3 *db = database.Handle();
        ExecSql(db, "BEGIN");
        {
            const QStringList stems{"Ολυμπιακός", "Παναθηναϊκός", "Άρης", "Πανιώνιος", "Αστέρας", "Λάρισα"};
            SqliteStatement insert(db, "INSERT INTO Omades (Id, Name, Amount) VALUES (?, ?, ?)");
            for (int i = 1; i <= Teams; ++i) {
                const QString name =
                    i == Teams ? LastName : QStringLiteral("%1 %2").arg(stems.at(i % 6)).arg(i % 977);
                insert.BindAll({i, name, double(i % 1000)});
                insert.Execute();
                insert.Reset();
            }
        }
        ExecSql(db, "COMMIT");
        OpenRaw(SQLITE_OPEN_READONLY);
        RegisterGreekCollation(raw);
    }
};

Fixture &Data()
{
    static Fixture fixture;
    return fixture;
}

void Open(TdqTable &table)
{
    table.SetDatabase(&Data().database);
    table.SetTableName("Omades");
    table.Open();
}

void BM_LocateAnywhere_Library(benchmark::State &state)
{
    TdqTable table;
    Open(table);
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        const bool found = tav::controls::dqLocateValue(true, table, "Name", false,
                                                        tav::controls::dqMatchAnywhere, "ος ηρακλ");
        benchmark::DoNotOptimize(found);
        table.First();
    }
}

void BM_LocateAnywhere_Sql(benchmark::State &state)
{
    SqliteStatement find(Data().raw, "SELECT Id FROM Omades WHERE instr(greek_fold(Name), greek_fold(?)) > 0 "
                                     "ORDER BY Id LIMIT 1");
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        find.BindAll({QStringLiteral("ος ηρακλ")});
        if (find.Step())
            benchmark::DoNotOptimize(find.Int64(0));
        find.Reset();
    }
}

void BM_Filter_Expression(benchmark::State &state)
{
    TdqTable table;
    Open(table);
    int round = 0;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        table.SetdqFilter({QStringLiteral("Amount > %1").arg(990 + round % 2), "Name = \"Άρης 5\""});
        benchmark::DoNotOptimize(table.RecordCount());
        ++round;
    }
}

void BM_Filter_EngineText(benchmark::State &state)
{
    TdqTable table;
    Open(table);
    table.SetFiltered(true);
    int round = 0;
    WallTimer timer(state, __func__);
    for (auto _ : state) {
        table.SetFilter(QStringLiteral("Amount > %1 and (Name = 'Άρης 5')").arg(990 + round % 2));
        benchmark::DoNotOptimize(table.RecordCount());
        ++round;
    }
}

BENCHMARK(BM_LocateAnywhere_Library)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LocateAnywhere_Sql)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Filter_Expression)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Filter_EngineText)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintSummary()
{
    std::printf("\n%-16s %14s %14s %8s\n", "work", "library (ms)", "beside (ms)", "ratio");
    struct Pair
    {
        const char *work;
        const char *library;
        const char *beside;
        double limit;
    };
    for (const Pair &pair : {Pair{"Locate", "BM_LocateAnywhere_Library", "BM_LocateAnywhere_Sql", 3.0},
                             Pair{"Filter", "BM_Filter_Expression", "BM_Filter_EngineText", 1.5}}) {
        const auto library = WallTimes().find(pair.library);
        const auto beside = WallTimes().find(pair.beside);
        if (library == WallTimes().end() || beside == WallTimes().end())
            continue;
        const double ratio = library->second / beside->second;
        std::printf("%-16s %14.1f %14.1f %7.2fx%s\n", pair.work, library->second / 1e6, beside->second / 1e6,
                    ratio, ratio <= pair.limit ? "" : "  (over the limit)");
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarksThenSummary(argc, argv, PrintSummary);
}
