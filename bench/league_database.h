#pragma once

// The generated league database the benchmarks on seasons of matches measure: countries,
// categories, clubs, seasons, competitions, their entries and a double round of matches of every
// league of every season, made by the circle method. A club keeps its team number from season to
// season, so that its meetings with another club span the seasons. What differs from benchmark to
// benchmark (counts, names, which tables are filled, the values of each match) is the shape's and
// the rows' to say.

#include "platform/db/sqlite_statement.h"
#include "scores.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>

struct sqlite3;
class TTavrolinDM;

// Binds the values, runs the statement and makes it ready for the next values.
void Run(SqliteStatement &statement, const QVariantList &values);

// 20 clubs in the even leagues, 18 in the odd ones.
int AlternateTeams(int league);

struct TLeagueShape
{
    int seasons = 6;
    int leagues = 60;
    int firstYear = 2000;
    int (*teamsOf)(int league) = AlternateTeams;
    // The sides change places on the even matchdays, or else on every matchday of the second round.
    bool swapInSecondRound = false;
    // "2000-01" rather than "2000".
    bool spanSeasonNames = false;
    // Every league a country of its own (its category, clubs and competitions in it), or else one
    // country for all.
    bool countryPerLeague = false;

    QString SeasonName(int season) const;
    QString CategoryName(int league) const;
    int CompetitionOf(int season, int league) const { return season * leagues + league; }
    // The Friday of a matchday; the matches of a matchday spread from the Friday to the Monday.
    QDate Friday(int season, int day) const;
    QDate MatchDate(int season, int day, int match) const { return Friday(season, day).addDays(match % 4); }
};

// One match of the schedule.
struct TFixture
{
    int season = 0; // from 0
    int league = 0; // from 1
    int DNo = 0;
    int day = 0;  // the matchday, from 1
    int slot = 0; // the match's place in its matchday, from 0
    int home = 0; // the clubs' places in their league, from 1
    int away = 0;

    // The competition's entries and the league's clubs (as numbered in every season).
    int HomeEntry() const { return DNo * 100 + home; }
    int AwayEntry() const { return DNo * 100 + away; }
    int HomeClub() const { return league * 100 + home; }
    int AwayClub() const { return league * 100 + away; }
};

// The values of one match row; a null one stays NULL.
struct TMatchRow
{
    QVariant homeGoals{};
    QVariant awayGoals{};
    QDate date{};
    QVariant homeClub{}; // GTeamNo
    QVariant awayClub{}; // FTeamNo
    QVariant time{};
    QVariant code{}; // OPAPAr
    QVariant odds1{};
    QVariant oddsX{};
    QVariant odds2{};
};

// A played match on its day of the matchday's spread, its goals drawn from scores.
TMatchRow PlayedMatch(const TLeagueShape &shape, const TFixture &f, TScores &scores);

// A played match on its matchday's Friday between the clubs' team numbers, its goals drawn from
// scores.
TMatchRow FridayMatch(const TLeagueShape &shape, const TFixture &f, TScores &scores);

struct TClubNames
{
    QString name{};
    QVariant enName{};
    QVariant couponName{};
};

// Which columns of the competitions' entries are filled: none at all (no entries), their numbers,
// their names ("Ομάδα 1", …), or their names in both languages with a zero stadium and strength 1.
enum class TEntryColumns
{
    None,
    Numbers,
    Names,
    Rated,
};

struct TLeagueRows
{
    // The category's coupon code; none when empty.
    std::function<QVariant(int league)> categoryCode{};
    // The category's strength (Isxys); none when empty.
    std::function<QVariant(int league)> categoryStrength{};
    // The league's clubs; none when empty.
    std::function<TClubNames(int league, int club)> club{};
    TEntryColumns entries = TEntryColumns::None;
    // The strength (Isxys) of a rated entry by its club's place in the league; 1 when empty.
    std::function<int(int club)> entryStrength{};
    // Called for every match in the order of the schedule.
    std::function<TMatchRow(const TFixture &)> match{};
};

// Stores the whole database in one transaction.
void StoreLeagues(sqlite3 *db, const TLeagueShape &shape, const TLeagueRows &rows);

// The database of the weekend analyses: the categories coded by their league's number, the clubs
// named by league and place ("Ομάδα 3-7"), the competitions' entries by place, and every match on
// its day of the matchday's spread at 20:00 with odds 1.9, 3.2 and 4.1, between the clubs' team
// numbers, played but those of the last season from its matchday stopMatchday on; code numbers
// each match on the coupon (none when null).
void StoreWeekendLeagues(sqlite3 *db, const TLeagueShape &shape, int stopMatchday,
                         const std::function<QVariant(const TFixture &)> &code);

// The program's data module over a program folder of the run's own (its settings there too), made
// on the first call, which fills its database by fill; later calls return it as it is.
TTavrolinDM &FilledDataModule(const std::function<void(sqlite3 *)> &fill);
