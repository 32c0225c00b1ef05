// The formula grid against the simplest direct way of doing the same work, in the same run:
// recalculating 2,000 x 20 formula cells against the same 40,000 expressions evaluated by the
// formula parser alone, and growing a 5,000 x 7 grid row by row (each size change sizes the rows)
// against the same fill of the plain string grid.

#include "controls/formulagrid/fg_math_parser.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "wall_timer.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int FormulaRows = 2000;
constexpr int FormulaCols = 20;
constexpr int FillRows = 5000;
constexpr int FillCols = 7;

QString Expression(int row, int col)
{
    return QString("%1*%2+SQRT(%3)-(%1 MOD 7)^2/(1+%2)").arg(row).arg(col).arg(row + col);
}

QString CellText(int row, int col)
{
    return QString("Ομάδα %1 στήλη %2").arg(row).arg(col);
}

void BM_Recalculate_Grid(benchmark::State &state)
{
    TfgStringGrid grid;
    grid.SetColCount(FormulaCols + 1);
    grid.SetRowCount(FormulaRows + 1);
    for (int row = 1; row <= FormulaRows; ++row)
        for (int col = 1; col <= FormulaCols; ++col)
            grid.SetCell(col, row, "=" + Expression(row, col));
    WallTimer timer(state, "Recalculate_Grid");
    for (auto _ : state) {
        grid.Recalculate();
        benchmark::DoNotOptimize(grid.CellValue(FormulaCols, FormulaRows));
    }
}

void BM_Recalculate_Parser(benchmark::State &state)
{
    QStringList expressions;
    for (int row = 1; row <= FormulaRows; ++row)
        for (int col = 1; col <= FormulaCols; ++col)
            expressions.append(Expression(row, col));
    TfgMathParser parser;
    WallTimer timer(state, "Recalculate_Parser");
    for (auto _ : state) {
        long double sum = 0;
        for (const QString &expression : std::as_const(expressions)) {
            parser.ParseString = expression;
            parser.Evaluate();
            sum += parser.ResultValue;
        }
        benchmark::DoNotOptimize(sum);
    }
}

template <class Grid> void Fill(benchmark::State &state, const char *name)
{
    WallTimer timer(state, name);
    for (auto _ : state) {
        Grid grid;
        grid.SetColCount(FillCols);
        grid.SetRowCount(1);
        for (int row = 1; row <= FillRows; ++row) {
            grid.SetRowCount(row + 1);
            for (int col = 0; col < FillCols; ++col)
                grid.SetCell(col, row, CellText(row, col));
        }
        benchmark::DoNotOptimize(grid.RowHeights(FillRows));
    }
}

void BM_Fill_FormulaGrid(benchmark::State &state)
{
    Fill<TfgStringGrid>(state, "Fill_Grid");
}

void BM_Fill_StringGrid(benchmark::State &state)
{
    Fill<TStringGrid>(state, "Fill_Plain");
}

BENCHMARK(BM_Recalculate_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recalculate_Parser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill_FormulaGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Fill_StringGrid)->Unit(benchmark::kMillisecond)->Iterations(3);

void PrintSummary()
{
    const struct
    {
        const char *work, *ours, *direct;
        double limit;
    } pairs[] = {{"Recalculate", "Recalculate_Grid", "Recalculate_Parser", 1.5},
                 {"Fill", "Fill_Grid", "Fill_Plain", 5.0}};
    std::printf("\n%-12s %14s %14s %8s %8s\n", "work", "grid (ms)", "direct (ms)", "ratio", "limit");
    for (const auto &pair : pairs) {
        const auto ours = WallTimes().find(pair.ours);
        const auto direct = WallTimes().find(pair.direct);
        if (ours == WallTimes().end() || direct == WallTimes().end())
            continue;
        const double ratio = ours->second / direct->second;
        std::printf("%-12s %14.2f %14.2f %7.2fx %7.1fx%s\n", pair.work, ours->second / 1e6,
                    direct->second / 1e6, ratio, pair.limit, ratio <= pair.limit ? "" : "  (over the limit)");
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarksThenSummary(argc, argv, PrintSummary);
}
