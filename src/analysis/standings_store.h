#pragma once

#include "analysis/standings_engine.h"

#include <QDate>

#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// What the league table of one competition is computed from: the competition's row, its teams in
// the order they were entered, and its matches in matchday order.
struct TStandingsInputs
{
    TStandingsCompetition Competition;
    std::vector<TStandingsTeam> Teams;
    std::vector<TStandingsMatch> Matches;
};

// Reads the inputs of competition DNo from the data module's database. Raises EDatabaseError when
// there is no such competition, EDBEngineError when the database refuses a read.
TStandingsInputs ReadStandingsInputs(TTavrolinDM &dm, int DNo);

// Reads the inputs of competition DNo into the engine (its start matchday stays).
void LoadStandingsEngine(TStandingsEngine &engine, TTavrolinDM &dm, int DNo);

// The row of competition DNo (EDatabaseError when there is none) and its teams in RecNo order.
TStandingsCompetition ReadStandingsCompetition(TTavrolinDM &dm, int DNo);
std::vector<TStandingsTeam> ReadStandingsTeams(TTavrolinDM &dm, int DNo);

// The matches of competition DNo dated from first to last, both days included, by date and, on
// one date, in the order of the matches table's key (matchday, home team, away team, group). A
// first date after the last gives none.
std::vector<TStandingsMatch> ReadMatchesBetween(TTavrolinDM &dm, int DNo, const QDate &first,
                                                const QDate &last);

// The Greek name of a competition team (PerOmades) by its RecNo; empty when there is none.
QString CompetitionTeamName(TTavrolinDM &dm, int recNo);

// Stores the TeamStat rows of one computed table: each (TeamNo, Agvnistikh) row is rewritten with
// the new counters and places, or made when missing; the prediction percentages of an existing
// row are kept. All rows are written or none (EDBEngineError when the database refuses one). The
// rows go in a savepoint of their own: the tables of many matchdays written inside one transaction
// of the caller (a TransactionGuard on the data module's connection) are committed once, by it.
void WriteTeamStat(TTavrolinDM &dm, const std::vector<TTeamStatRow> &rows);

} // namespace tav::analysis
