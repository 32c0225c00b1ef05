#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

class TDataSet;
class TQuery;

namespace tav::analysis {

// The earlier meetings of the two clubs of a match. A match names its sides by competition-team
// records (PerOmades.RecNo); the search goes through the clubs (TeamNo) of those records, so a club
// is found in every competition and season, under whichever record it played there.
enum class THistoryKind
{
    // The home club at home against the away club.
    Home,
    // The two clubs against each other, either at home.
    All,
};

// The match whose history is asked for.
struct THistoryMatch
{
    QVariant Ghpedoyxos;
    QVariant Filojenoymenh;
    QDate Date;
};

// The match under the cursor of a matches dataset.
THistoryMatch HistoryMatchOf(const TDataSet &matches);

// Replaces the query's text by the search and binds the match's sides and date: the matches
// before that date, oldest first (matches of one date in no further order).
void PrepareHistoryQuery(TQuery &query, THistoryKind kind, const THistoryMatch &match);

// The result column of a meeting: "%2d-%2d" of the full-time goals, "? - ?" without a result.
QString HistoryScore(const QVariant &homeGoals, const QVariant &awayGoals);

} // namespace tav::analysis
