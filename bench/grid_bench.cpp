// The data grid against the simplest direct way of showing the same rows (a QTableView over a
// QStandardItemModel that holds only the visible rows, read by raw SQLite), on a generated table
// of 100,000 matches: open and first paint, a jump to the end and its paint, and a walk of 50
// pages with Page Down. The grid's dataset counts what it reads, to show that a grid reads the
// rows it paints and not the whole table.

#include "bench_support.h"
#include "platform/db/data_source.h"
#include "platform/db/table.h"
#include "platform/ui/db_grid.h"
#include "wall_timer.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int Rows = 100000;
constexpr int Pages = 50;
const QSize ViewSize(1000, 600);
const char *const Columns = "GameNo, DiorgNo, Agvnistikh, \"Date\", Home, Away, TelGGoals, TelFGoals, AP1";
constexpr int ColumnCount = 9;

[[noreturn]] void Fail(const char *what, sqlite3 *db)
{
    std::fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "");
    std::exit(1);
}

void Exec(sqlite3 *db, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(sql, db);
}

// The matches table made by the engine (so that it knows its fields and index), filled through
// the SQLite C API in one transaction, and a read-only raw connection for the direct way.
struct Fixture : BenchDatabase
{
    Fixture() : BenchDatabase("GridBench")
    {
        database.CreateTable({"Agvnes",
                              {{"GameNo", TFieldType::ftInteger, 0, true},
                               {"DiorgNo", TFieldType::ftInteger, 0, false},
                               {"Agvnistikh", TFieldType::ftSmallint, 0, false},
                               {"Date", TFieldType::ftDate, 0, false},
                               {"Home", TFieldType::ftString, 30, false},
                               {"Away", TFieldType::ftString, 30, false},
                               {"TelGGoals", TFieldType::ftSmallint, 0, false},
                               {"TelFGoals", TFieldType::ftSmallint, 0, false},
                               {"AP1", TFieldType::ftFloat, 0, false}},
                              {{"", "GameNo", ixPrimary}}});
        Fill(database.Handle());
        OpenRaw(SQLITE_OPEN_READONLY);
    }

    static void Fill(sqlite3 *db)
    {
        Exec(db, "BEGIN");
        sqlite3_stmt *insert = nullptr;
        if (sqlite3_prepare_v2(db,
                               "INSERT INTO Agvnes (GameNo, DiorgNo, Agvnistikh, \"Date\", Home, Away, "
                               "TelGGoals, TelFGoals, AP1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                               -1, &insert, nullptr) != SQLITE_OK)
            Fail("prepare insert", db);
        const QDate start(1990, 8, 20);
        for (int no = 1; no <= Rows; ++no) {
            // 380 matches a competition, 10 a matchday, a matchday a week.
            const int competition = (no - 1) / 380 + 1;
            const int day = (no - 1) % 380 / 10 + 1;
            const QByteArray date = start.addDays(competition * 3 + day * 7).toString(Qt::ISODate).toLatin1();
            const QByteArray home = "Ομάδα " + QByteArray::number(no % 997);
            const QByteArray away = "Ομάδα " + QByteArray::number((no * 7) % 997);
            sqlite3_bind_int(insert, 1, no);
            sqlite3_bind_int(insert, 2, competition);
            sqlite3_bind_int(insert, 3, day);
            sqlite3_bind_text(insert, 4, date.constData(), int(date.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 5, home.constData(), int(home.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 6, away.constData(), int(away.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 7, no % 4);
            sqlite3_bind_int(insert, 8, no % 3);
            sqlite3_bind_double(insert, 9, 1.5 + no % 20 / 10.0);
            if (sqlite3_step(insert) != SQLITE_DONE)
                Fail("insert", db);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        Exec(db, "COMMIT");
    }
};

Fixture &Data()
{
    static Fixture fixture;
    return fixture;
}

// A table that counts what it reads from the database: whole records (read by id, or along
// with a page of the view) and the record ids of the view.
class CountingTable : public TTable
{
public:
    qint64 recordsRead = 0;
    qint64 idsRead = 0;

protected:
    QVector<qint64> QueryView(int offset, int limit, QHash<qint64, TRecordBuffer> *records,
                              bool &complete) override
    {
        const QVector<qint64> ids = TTable::QueryView(offset, limit, records, complete);
        idsRead += ids.size();
        if (records)
            recordsRead += ids.size();
        return ids;
    }

    void FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into) override
    {
        recordsRead += ids.size();
        TTable::FetchRecords(ids, into);
    }
};

// An open grid on the matches, shown and painted once.
struct GridOnTable
{
    CountingTable table;
    TDataSource source;
    TDBGrid grid;

    GridOnTable()
    {
        table.SetDatabase(&Data().database);
        table.SetTableName("Agvnes.DB");
        table.Open();
        source.SetDataSet(&table);
        grid.resize(ViewSize);
        grid.SetDataSource(&source);
        grid.show();
        grid.viewport()->grab();
    }
};

void Key(QWidget *target, int key, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

// The direct way: a plain view of only the rows it shows, each screen read with one statement.
struct PlainView
{
    QStandardItemModel model;
    QTableView view;
    sqlite3_stmt *first = nullptr;
    sqlite3_stmt *move = nullptr;
    // The key of the last row read.
    qint64 lastKey = 0;

    // Opens on the first screen of rows. moveSql reads the screens moved to: its parameters are
    // the key to start after (when it has two) and the number of rows.
    explicit PlainView(const QByteArray &moveSql = {})
    {
        model.setColumnCount(ColumnCount);
        view.setModel(&model);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 6);
        view.resize(ViewSize);
        view.show();
        first = Prepare(QByteArray("SELECT ") + Columns + " FROM Agvnes ORDER BY GameNo LIMIT ?");
        if (!moveSql.isEmpty())
            move = Prepare(moveSql);
        Show(first, false);
    }

    ~PlainView()
    {
        sqlite3_finalize(first);
        sqlite3_finalize(move);
    }

    // Shows the screen that moveSql reads, bottom up when reversed (a statement that reads
    // from the end).
    void Move(bool reversed = false) { Show(move, reversed); }

private:
    static sqlite3_stmt *Prepare(const QByteArray &sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(Data().raw, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
            Fail(sql.constData(), Data().raw);
        return statement;
    }

    void Show(sqlite3_stmt *statement, bool reversed)
    {
        const int count = view.viewport()->height() / view.verticalHeader()->defaultSectionSize() + 1;
        const int parameters = sqlite3_bind_parameter_count(statement);
        if (parameters == 2)
            sqlite3_bind_int64(statement, 1, lastKey);
        sqlite3_bind_int(statement, parameters, count);
        model.setRowCount(0);
        model.setRowCount(count);
        for (int row = 0; sqlite3_step(statement) == SQLITE_ROW; ++row) {
            const int target = reversed ? count - 1 - row : row;
            for (int column = 0; column < ColumnCount; ++column)
                model.setItem(target, column,
                              new QStandardItem(QString::fromUtf8(
                                  reinterpret_cast<const char *>(sqlite3_column_text(statement, column)))));
            lastKey = sqlite3_column_int64(statement, 0);
        }
        sqlite3_reset(statement);
        view.viewport()->grab();
    }
};

// Milliseconds per iteration and records read per iteration of each benchmark, for the summary.
struct Result
{
    double ms = 0;
    double recordsRead = 0;
    double idsRead = 0;
};

std::map<std::string, Result> &Results()
{
    static std::map<std::string, Result> results;
    return results;
}

using Clock = std::chrono::steady_clock;

// Times only the work between Start and Stop; the summary gets the mean.
class Stopwatch
{
public:
    Stopwatch(benchmark::State &state, const char *name) : state_(state), name_(name) {}
    ~Stopwatch()
    {
        if (state_.iterations() == 0)
            return;
        Result &result = Results()[name_];
        const double n = double(state_.iterations());
        result.ms = total_ / n * 1000;
        result.recordsRead = double(records_) / n;
        result.idsRead = double(ids_) / n;
        state_.counters["records_read"] = result.recordsRead;
        state_.counters["ids_read"] = result.idsRead;
    }

    void Start() { start_ = Clock::now(); }
    void Stop()
    {
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        total_ += seconds;
        state_.SetIterationTime(seconds);
    }
    void Count(const CountingTable &table, qint64 recordsBefore, qint64 idsBefore)
    {
        records_ += table.recordsRead - recordsBefore;
        ids_ += table.idsRead - idsBefore;
    }

private:
    benchmark::State &state_;
    std::string name_;
    Clock::time_point start_;
    double total_ = 0;
    qint64 records_ = 0;
    qint64 ids_ = 0;
};

// --- open and first paint ---------------------------------------------------------------------

void BM_OpenPaint_Grid(benchmark::State &state)
{
    Data();
    Stopwatch watch(state, "OpenPaint_Grid");
    for (auto _ : state) {
        watch.Start();
        auto shown = std::make_unique<GridOnTable>();
        watch.Stop();
        watch.Count(shown->table, 0, 0);
        if (shown->grid.model()->rowCount() != Rows)
            state.SkipWithError("the grid does not show every row");
    }
}

void BM_OpenPaint_Raw(benchmark::State &state)
{
    Data();
    Stopwatch watch(state, "OpenPaint_Raw");
    for (auto _ : state) {
        watch.Start();
        auto plain = std::make_unique<PlainView>();
        watch.Stop();
    }
}

// --- Ctrl+End and paint, on a grid just opened (nothing of the end read yet) ---------------------

void BM_JumpToEnd_Grid(benchmark::State &state)
{
    Data();
    Stopwatch watch(state, "JumpToEnd_Grid");
    for (auto _ : state) {
        GridOnTable shown;
        const qint64 records = shown.table.recordsRead;
        const qint64 ids = shown.table.idsRead;
        watch.Start();
        Key(&shown.grid, Qt::Key_End, Qt::ControlModifier);
        shown.grid.viewport()->grab();
        watch.Stop();
        watch.Count(shown.table, records, ids);
        if (shown.grid.Row() != Rows - 1 || shown.table.FieldByName("GameNo").AsInteger() != Rows)
            state.SkipWithError("Ctrl+End did not reach the last record");
    }
}

void BM_JumpToEnd_Raw(benchmark::State &state)
{
    Data();
    const QByteArray sql = QByteArray("SELECT ") + Columns + " FROM Agvnes ORDER BY GameNo DESC LIMIT ?";
    Stopwatch watch(state, "JumpToEnd_Raw");
    for (auto _ : state) {
        PlainView plain(sql);
        watch.Start();
        plain.Move(true);
        watch.Stop();
    }
}

// --- 50 pages down from the first record, each painted --------------------------------------------

void BM_PageDown50_Grid(benchmark::State &state)
{
    Data();
    Stopwatch watch(state, "PageDown50_Grid");
    for (auto _ : state) {
        GridOnTable shown;
        const qint64 records = shown.table.recordsRead;
        const qint64 ids = shown.table.idsRead;
        watch.Start();
        for (int page = 0; page < Pages; ++page) {
            Key(&shown.grid, Qt::Key_PageDown);
            shown.grid.viewport()->grab();
        }
        watch.Stop();
        watch.Count(shown.table, records, ids);
        state.counters["last_row"] = shown.grid.Row() + 1;
        if (shown.grid.Row() < Pages * 10)
            state.SkipWithError("Page Down did not move a page at a time");
    }
}

void BM_PageDown50_Raw(benchmark::State &state)
{
    Data();
    const QByteArray sql =
        QByteArray("SELECT ") + Columns + " FROM Agvnes WHERE GameNo > ? ORDER BY GameNo LIMIT ?";
    Stopwatch watch(state, "PageDown50_Raw");
    for (auto _ : state) {
        PlainView plain(sql);
        watch.Start();
        for (int page = 0; page < Pages; ++page)
            plain.Move();
        watch.Stop();
        state.counters["last_row"] = double(plain.lastKey);
    }
}

BENCHMARK(BM_OpenPaint_Grid)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPaint_Raw)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JumpToEnd_Grid)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JumpToEnd_Raw)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDown50_Grid)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDown50_Raw)->UseManualTime()->Unit(benchmark::kMillisecond);

void PrintSummary()
{
    std::printf("\n%-12s %12s %12s %8s %14s %12s\n", "work", "grid (ms)", "raw (ms)", "ratio", "records read",
                "ids read");
    for (const char *work : {"OpenPaint", "JumpToEnd", "PageDown50"}) {
        const std::string name(work);
        const auto grid = Results().find(name + "_Grid");
        const auto raw = Results().find(name + "_Raw");
        if (grid == Results().end() || raw == Results().end())
            continue;
        const Result &g = grid->second;
        std::printf("%-12s %12.2f %12.2f %7.2fx %14.0f %12.0f%s\n", work, g.ms, raw->second.ms,
                    g.ms / raw->second.ms, g.recordsRead, g.idsRead,
                    g.recordsRead < Rows ? "" : "  (read every row)");
    }
    std::printf("records and ids read by the grid's dataset per run, of %d rows in the table\n", Rows);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarksThenSummary(argc, argv, PrintSummary);
}
