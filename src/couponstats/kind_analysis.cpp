#include "couponstats/kind_analysis.h"

#include "couponstats/proistoria_analysis.h"
#include "couponstats/special_analysis.h"
#include "data/data_module.h"

namespace tav::couponstats {

namespace {

constexpr int kProistoriaKind = 2;
constexpr int kProistoriaGoalsKind = 10;
constexpr int kLastAnalysedKind = 10;

} // namespace

bool RunKindAnalysis(TTavrolinDM &dm, TPageGrid grid, int Kind, int N, const TRowProgress &progress)
{
    if (Kind == kProistoriaKind)
        return TProistoriaAnalysis(dm, grid).RunProistoriaAnalysis(N, progress);
    if (Kind == kProistoriaGoalsKind)
        return TProistoriaAnalysis(dm, grid).RunProistoriaGoalsAnalysis(N, progress);
    return TSpecialAnalysis(dm, grid).RunSpecialAnalysis(Kind, N, progress);
}

void ConnectKindEngines()
{
    for (int kind = 0; kind <= kLastAnalysedKind; ++kind) {
        SetSpecialEngine(kind, [](TPageRun &run) {
            // The analyses address data row r as Rows[r + 1], below the titles.
            QList<QStringList> rows = run.rows;
            rows.prepend(QStringList());
            TPageGrid grid{rows, run.checks, run.periods, run.thresholds};
            RunKindAnalysis(TavrolinDM(), grid, run.kind, run.n, run.step);
            rows.removeFirst();
            run.rows = rows;
        });
    }
}

} // namespace tav::couponstats
