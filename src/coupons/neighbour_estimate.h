#pragma once

#include "analysis/standings_engine.h"
#include "analysis/standings_store.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tav::coupons {

// Results found around the two sides of a match, by sign.
struct TNeighbourCounts
{
    int c1 = 0;
    int cX = 0;
    int c2 = 0;

    int Total() const { return c1 + cX + c2; }
};

// One competition as the standings-neighbour estimate reads it: its league tables before any
// matchday, and the first meeting of every home and away pair over all its matchdays. The
// competition is read once and serves every analysed match of it.
class TNeighbourCompetition
{
public:
    explicit TNeighbourCompetition(analysis::TStandingsInputs inputs);

    // How the away side did against the clubs next to the home side in the home table before
    // the matchday after MatchdayLimit, and the home side against the clubs next to the away side
    // in the away table: up to three played meetings above and three below each side.
    TNeighbourCounts Count(int MatchdayLimit, int HomeEntry, int AwayEntry);

private:
    void CountMeeting(int home, int away, TNeighbourCounts &counts, int &counted) const;
    void CountAround(const analysis::TStandingsTable &table, int entry, bool entryAtHome, int other,
                     TNeighbourCounts &counts) const;

    analysis::TStandingsEngine engine_;
    // A competition too large for a table gives no estimate.
    bool fits_ = true;
    // The first meeting of each (home, away) pair in matchday order; only played ones are kept
    // with their sign, unplayed ones as 0.
    QHash<QPair<int, int>, int> firstMeeting_;
};

// Columns 12–14 of the row: the percentages of the counted results, when more than three count;
// otherwise the cells stay as they are.
void NeighbourEstimate(TNeighbourCompetition &competition, int MatchdayLimit, int HomeEntry, int AwayEntry,
                       QStringList &row);

// The sign that three whole percentages favour: "1", "X" or "2", ties going to the earlier; none
// when the largest is 33 or less.
QString TripleSign(int p, int q, int r);

// 15, 16 or 17 when the form, head-to-head and neighbour estimates of the row all favour "1", "X"
// or "2"; else 0.
int PickSignByMax(const QStringList &row);

} // namespace tav::coupons
