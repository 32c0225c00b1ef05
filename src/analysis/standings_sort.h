#pragma once

#include "analysis/standings_entry.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace tav::analysis {

// A league table in memory: index 0 holds place 1.
using TStandingsTable = std::vector<TStandingsEntry>;

// The tables' own exchange sort: for every place i and every later place j the two entries trade
// places when the later one ranks strictly above. Entries level on the key are never exchanged
// with each other, yet exchanges with third entries may still reverse them; the league tables
// show exactly that order, so no stable sort may replace it.
template <class RanksAbove> void ExchangeSort(TStandingsTable &table, RanksAbove ranksAbove)
{
    const std::size_t count = table.size();
    for (std::size_t i = 0; i + 1 < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (ranksAbove(table[j], table[i]))
                std::swap(table[i], table[j]);
        }
    }
}

// Overall order: points, then goal difference; there is no third key.
void SortByPoints(TStandingsTable &table);
// Home order: home points, then home goal difference.
void SortByHomePoints(TStandingsTable &table);
// Away order: away points, then away goal difference.
void SortByAwayPoints(TStandingsTable &table);

// Captions of the league-table window for its orderings by column title.
inline constexpr const char OrderingCaptionPoints[] = "Βαθμολογία";
inline constexpr const char OrderingCaptionWins[] = "Βαθμολογία (Νίκες)";
inline constexpr const char OrderingCaptionDraws[] = "Βαθμολογία (Ισοπαλίες)";
inline constexpr const char OrderingCaptionLosses[] = "Βαθμολογία (Ήττες)";
inline constexpr const char OrderingCaptionGoalDiff[] = "Βαθμολογία (Διαφορά τερμάτων)";
inline constexpr const char OrderingCaptionHomePoints[] = "Βαθμολογία (Εντός έδρας)";
inline constexpr const char OrderingCaptionHomeWins[] = "Βαθμολογία (Νίκες εντός)";
inline constexpr const char OrderingCaptionHomeDraws[] = "Βαθμολογία (Ισοπαλίες εντός)";
inline constexpr const char OrderingCaptionHomeLosses[] = "Βαθμολογία (Ήττες εντός)";
inline constexpr const char OrderingCaptionHomeGoalDiff[] = "Βαθμολογία (Διαφορά τερμάτων εντός)";
inline constexpr const char OrderingCaptionAwayPoints[] = "Βαθμολογία (Εκτός έδρας)";
inline constexpr const char OrderingCaptionAwayWins[] = "Βαθμολογία (Νίκες εκτός)";
inline constexpr const char OrderingCaptionAwayDraws[] = "Βαθμολογία (Ισοπαλίες εκτός)";
inline constexpr const char OrderingCaptionAwayLosses[] = "Βαθμολογία (Ήττες εκτός)";
inline constexpr const char OrderingCaptionAwayGoalDiff[] = "Βαθμολογία (Διαφορά τερμάτων εκτός)";

// Re-sorts the table, in its current order, by the statistic under the clicked column title
// (section index of the window's 23-column header, from 0) and returns the window's new
// caption. Sections without an ordering (names, matches played, out of range) leave the table as
// it is and return nothing, so the window keeps its caption.
std::optional<QString> ApplySpecialOrdering(TStandingsTable &table, int section);

} // namespace tav::analysis
