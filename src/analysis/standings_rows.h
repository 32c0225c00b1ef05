#pragma once

#include "analysis/standings_entry.h"

#include <QString>
#include <QStringList>

namespace tav::analysis {

// Columns of a league table's grid: place, name, then points, games, wins, draws, losses, goals
// and goal difference overall, at home and away.
inline constexpr int StandingsColumnCount = 23;

// The cell texts of one line of a league table's grid, numbers as the grids and printouts of the
// league tables show them ("%2d", goals "%2d-%2d", difference "%3d").
QStringList StandingsRowTexts(const TStandingsEntry &entry, int place, const QString &name);

} // namespace tav::analysis
