#include "couponstats/page_engine.h"

#include <QHash>

namespace tav::couponstats {

namespace {

QHash<int, TPageEngine> &SpecialEngines()
{
    static QHash<int, TPageEngine> engines;
    return engines;
}

int &RunningEngines()
{
    static int running = 0;
    return running;
}

} // namespace

void SetSpecialEngine(int kind, TPageEngine engine)
{
    if (engine)
        SpecialEngines().insert(kind, std::move(engine));
    else
        SpecialEngines().remove(kind);
}

const TPageEngine &SpecialEngine(int kind)
{
    static const TPageEngine none;
    const auto found = SpecialEngines().constFind(kind);
    return found == SpecialEngines().constEnd() ? none : *found;
}

bool EngineRunning()
{
    return RunningEngines() > 0;
}

void RunPageEngine(const TPageEngine &engine, TPageRun &run)
{
    struct Running
    {
        Running() { ++RunningEngines(); }
        ~Running() { --RunningEngines(); }
    } running;
    engine(run);
}

} // namespace tav::couponstats
