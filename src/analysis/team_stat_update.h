#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// What the window of the automatic standings update shows and asks during a run.
struct TTeamStatUpdateHooks
{
    // The category name of the competition visited (chosen or not).
    std::function<void(const QString &grName)> ShowCompetition;
    // The matchday about to be looked at.
    std::function<void(int matchday)> ShowMatchday;
    // Asked once before every matchday of a chosen competition, so the window can let the user
    // interface handle its events first; true ends the run there, keeping what is stored.
    std::function<bool()> StopRequested;
};

struct TTeamStatUpdateResult
{
    int MatchdaysStored = 0;
    bool Stopped = false;
};

// A league competition of a season, by its category's name.
struct TSeasonLeague
{
    int DNo = 0;
    QString GrName;
};

// The league competitions (type 0) of a season, in the order of their category names.
std::vector<TSeasonLeague> SeasonLeagues(TTavrolinDM &dm, const QString &season);

// The matchday the update goes up to: the highest matchday with goals, 1 when there is none
// (the current matchday of the match list).
int CurrentMatchday(TTavrolinDM &dm, int DNo);

// Stores the league table of every missing matchday of the chosen competitions in TeamStat: for
// every season (in the order given) its leagues in name order, those of the ticked categories,
// each matchday from 1 to the current one. A matchday counts as stored only when every team of
// the competition has its row; a missing one is computed from the matches with the league-table
// engine (penalty points included) and stored with the prediction percentages of existing rows
// kept, so its rows equal the league table's whatever the earlier rows hold. Each competition is
// written in one transaction, committed when it ends or the run is stopped. A database error
// rolls back that competition's rows of the run and raises EDatabaseError whose Greek message
// names the competition and the matchday; competitions finished before it stay stored.
TTeamStatUpdateResult UpdateTeamStat(TTavrolinDM &dm, const QStringList &categories,
                                     const QStringList &seasons, const TTeamStatUpdateHooks &hooks = {});

} // namespace tav::analysis
