#pragma once

#include <QDate>
#include <QString>

class TTavrolinDM;

// Odds for a coming match from the recent record of its two teams: the home team's latest home
// matches against the away team's latest away matches.
namespace tav::operations {

// What each side's latest (at most 9) played matches gave, seen from the home side of those
// matches: the home team's home wins, defeats and draws, and the away team's away matches that
// its hosts won, lost or drew.
struct TMatchCounts
{
    int HW = 0;
    int HL = 0;
    int HD = 0;
    int AHW = 0;
    int AHL = 0;
    int AD = 0;
};

struct TMatchEstimate
{
    // The counts with one added to each and the draw count raised towards the decisive ones.
    int N1 = 0;
    int NX = 0;
    int N2 = 0;
    // Percentages of 1, X and 2 that sum to 100.
    int P1 = 0;
    int PX = 0;
    int P2 = 0;
    QString Odd1Text;
    QString OddXText;
    QString Odd2Text;
};

// The fair odd of a percentage less an 11 % margin, to the nearest 5 hundredths and 3 significant
// digits, written with two decimals ("2,75", "12,90").
QString OddText(int percent);
TMatchEstimate EstimateFromCounts(const TMatchCounts &counts);

// HomeTeam and AwayTeam are the competition entries (Ghpedoyxos, Filojenoymenh) of the match's
// sides; at most 9 of each side's matches strictly before BeforeDate count. Database errors reach
// the caller.
TMatchEstimate EstimateMatchOdds(TTavrolinDM &dm, int HomeTeam, int AwayTeam, const QDate &BeforeDate);

} // namespace tav::operations
