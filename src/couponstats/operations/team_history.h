#pragma once

#include <QString>

#include <array>
#include <cstdint>

class TTavrolinDM;

// One team's played matches of one competition before a date, newest first, counted into the
// numbered results the statistics pages read (wins, draws and losses at home and away, goals,
// goal histograms, points). The procedures read through the data module's QryForma, which they
// leave open on their own text.
namespace tav::operations {

// Which matches of the chosen team are walked.
enum class TTeamMatches : std::uint8_t
{
    Home = 0,
    Away = 1,
    All = 2,
};

// Results numbered from 1 and whether the query found any match at all. A request for the last N
// matches that finds fewer leaves every result 0, and so does an error.
template <int Count> struct TNumberedResults
{
    bool Found = false;
    std::array<int, Count> Values{};

    int &operator[](int number) { return Values.at(number - 1); }
    int operator[](int number) const { return Values.at(number - 1); }
    void Clear() { Values.fill(0); }
};

// 1-12 wins, losses and draws at home and away with their sums and goal differences, 13 matches
// walked, 14-17 goals for and against at home and away, 18-19 over and under 2 goals, 20-27
// the team's goal histogram, 28-35 unused, 36-39 scored or not and both sides scored or not,
// 40-48 the histogram of home minus away goals.
using TTeamRecord = TNumberedResults<48>;
// 1-9 as the record, 10-12 the goals of both sides at home, away and in all, 13 matches walked.
using TTeamGoals = TNumberedResults<13>;
// 1-12 as the record, 13 goals scored, 14 conceded, 15 matches walked.
using TTeamGoalRecord = TNumberedResults<15>;
// Only 7 (points weighted by how recent each match is) and 13 (matches counted) are written.
using TTeamSpecialPoints = TNumberedResults<13>;
// 1-12 of the last match walked, 13 the matches walked on each side.
using TDynamhResults = TNumberedResults<13>;

// The procedures share their head: the matches walked (Mode), the date in the short date format
// before which they count (DateText), the competition, the chosen team, how many of its latest
// matches to take (N, 0 = all) and the team's name for the error message. A failing read shows the
// error with the name, the competition and the team, and returns not found with every result 0.
TTeamRecord GetTeamRecord(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo,
                          int TeamNo, int N, const QString &Text);
TTeamGoals GetTeamGoals(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo, int TeamNo,
                        int N, const QString &Text);
TTeamGoalRecord GetTeamGoalRecord(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo,
                                  int TeamNo, int N, const QString &Text);
// As GetTeamGoalRecord, but a side's goals count towards 13 and 14 only when they are 3 or more.
TTeamGoalRecord GetTeamGoalRecord3Plus(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText,
                                       int DiorgNo, int TeamNo, int N, const QString &Text);
// Both goal records of a team from one read of its matches: all goals, and goals from 3 up.
struct TTeamGoalRecords
{
    TTeamGoalRecord All;
    TTeamGoalRecord ThreePlus;
};
TTeamGoalRecords GetTeamGoalRecords(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo,
                                    int TeamNo, int N, const QString &Text);
// The newest match weighs most: with W = N + 1 (all matches + 1 when N is 0) the k-th newest adds
// (W - k) times the competition's points for its outcome, read from the record under the data
// module's Diorganvseis. Errors reach the caller.
TTeamSpecialPoints GetTeamSpecialPoints(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText,
                                        int DiorgNo, int TeamNo, int N, const QString &Text);
// Appends the points of both sides of each played match of the competition before the date,
// newest first and at most N matches (0 = all), to TADynamhTemp, which is made when missing; the
// caller empties it. TeamNo only names the team in the error message, after which nothing stays
// appended.
TDynamhResults FillDynamhTemp(TTavrolinDM &dm, const QString &DateText, int DiorgNo, int TeamNo, int N);

} // namespace tav::operations
