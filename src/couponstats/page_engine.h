#pragma once

#include "couponstats/page_rows.h"
#include "couponstats/threshold_store.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace tav::couponstats {

// What an engine fills a statistics page with: the page's data rows (the statistic and proposal
// cells of the checked rows are the engine's to write), their check bytes, the seasons to look the
// matches up in, the page's six threshold texts (the engine may read them anew), the kind and N
// (0: all matches). Step is called once per checked row; false means the user cancelled and the
// engine stops there.
struct TPageRun
{
    TPageRows &rows;
    const QByteArray &checks;
    const QStringList &periods;
    TThresholdTexts &thresholds;
    int kind = 0;
    int n = 0;
    std::function<bool()> step;
};

using TPageEngine = std::function<void(TPageRun &run)>;

// The engines of the special analysis pages by kind (0 to 10): the program connects them once at
// start-up; a kind without one has nothing to compute its page with. Setting an empty engine
// disconnects the kind.
void SetSpecialEngine(int kind, TPageEngine engine);
const TPageEngine &SpecialEngine(int kind);

// Whether an engine is filling a page now: the AUTO steps wait for it.
bool EngineRunning();

// Runs the engine on the page, marked as running while it works (also when it raises).
void RunPageEngine(const TPageEngine &engine, TPageRun &run);

} // namespace tav::couponstats
