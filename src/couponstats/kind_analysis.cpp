#include "couponstats/kind_analysis.h"

#include "couponstats/proistoria_analysis.h"
#include "couponstats/special_analysis.h"

namespace tav::couponstats {

namespace {

constexpr int kProistoriaKind = 2;
constexpr int kProistoriaGoalsKind = 10;

} // namespace

bool RunKindAnalysis(TTavrolinDM &dm, TPageGrid grid, int Kind, int N, const TRowProgress &progress)
{
    if (Kind == kProistoriaKind)
        return TProistoriaAnalysis(dm, grid).RunProistoriaAnalysis(N, progress);
    if (Kind == kProistoriaGoalsKind)
        return TProistoriaAnalysis(dm, grid).RunProistoriaGoalsAnalysis(N, progress);
    return TSpecialAnalysis(dm, grid).RunSpecialAnalysis(Kind, N, progress);
}

} // namespace tav::couponstats
