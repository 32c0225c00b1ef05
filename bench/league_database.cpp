#include "league_database.h"

#include "data/data_module.h"
#include "program_folder.h"

#include <QTemporaryDir>

#include <algorithm>
#include <vector>

void Run(SqliteStatement &statement, const QVariantList &values)
{
    statement.BindAll(values);
    statement.Execute();
    statement.Reset();
}

int AlternateTeams(int league)
{
    return league % 2 == 0 ? 20 : 18;
}

QString TLeagueShape::SeasonName(int season) const
{
    const int year = firstYear + season;
    if (!spanSeasonNames)
        return QString::number(year);
    return QString::number(year) + QLatin1Char('-') +
           QStringLiteral("%1").arg((year + 1) % 100, 2, 10, QLatin1Char('0'));
}

QString TLeagueShape::CategoryName(int league) const
{
    return QStringLiteral("Κατηγορία %1").arg(league);
}

QDate TLeagueShape::Friday(int season, int day) const
{
    return QDate(firstYear + season, 8, 20).addDays(7 * day);
}

TMatchRow PlayedMatch(const TLeagueShape &shape, const TFixture &f, TScores &scores)
{
    const int homeGoals = scores.Next();
    return {.homeGoals = homeGoals,
            .awayGoals = scores.Next() % 3,
            .date = shape.MatchDate(f.season, f.day, f.slot)};
}

TMatchRow FridayMatch(const TLeagueShape &shape, const TFixture &f, TScores &scores)
{
    TMatchRow row = PlayedMatch(shape, f, scores);
    row.date = shape.Friday(f.season, f.day);
    row.homeClub = f.HomeClub();
    row.awayClub = f.AwayClub();
    return row;
}

namespace {

// A match of the weekends the analyses read; its goals are drawn when played.
TMatchRow WeekendMatch(const TLeagueShape &shape, const TFixture &f, bool played, TScores &scores)
{
    TMatchRow row =
        played ? PlayedMatch(shape, f, scores) : TMatchRow{.date = shape.MatchDate(f.season, f.day, f.slot)};
    row.homeClub = f.HomeClub();
    row.awayClub = f.AwayClub();
    row.time = QStringLiteral("20:00:00");
    row.odds1 = 1.9;
    row.oddsX = 3.2;
    row.odds2 = 4.1;
    return row;
}

// "Ομάδα 3-7": the seventh club of the third league.
TClubNames NumberedClub(int league, int club)
{
    return {QStringLiteral("Ομάδα %1-%2").arg(league).arg(club)};
}

// The statements of every table the database is made of.
class TLeagueWriter
{
public:
    TLeagueWriter(sqlite3 *db, const TLeagueShape &shape, const TLeagueRows &rows)
        : shape_(shape), rows_(rows),
          country_(db, QStringLiteral("INSERT INTO Krath (RecNo, Name) VALUES (?1, ?2)")),
          category_(db, QStringLiteral("INSERT INTO Kathgories (KatNo, GrName, Kratos, Typos, OPAP, Isxys) "
                                       "VALUES (?1, ?2, ?3, 0, ?4, ?5)")),
          club_(db, QStringLiteral("INSERT INTO Omades (KratosNo, Name, EnName, TeamNo, OPAPName) "
                                   "VALUES (?1, ?2, ?3, ?4, ?5)")),
          season_(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)")),
          competition_(db, QStringLiteral(
                               "INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, "
                               "Htta, Typos, Rounds, KratosNo) VALUES (?1, ?2, ?3, ?4, 3, 1, 0, 0, 2, ?5)")),
          entry_(db, QStringLiteral(
                         "INSERT INTO PerOmades (RecNo, TeamNo, DiorNo, GrName, EnName, Timvria, Isxys) "
                         "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)")),
          match_(db, QStringLiteral(
                         "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                         "TelGGoals, TelFGoals, \"Date\", GTeamNo, FTeamNo, \"Time\", OPAPAr, AP1, APX, "
                         "AP2) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)"))
    {
    }

    void StoreAll()
    {
        if (!shape_.countryPerLeague)
            Run(country_, {1, QStringLiteral("Ελλάδα")});
        for (int league = 1; league <= shape_.leagues; ++league)
            StoreLeague(league);
        for (int season = 0; season < shape_.seasons; ++season) {
            Run(season_, {shape_.SeasonName(season)});
            for (int league = 1; league <= shape_.leagues; ++league)
                StoreCompetition(season, league);
        }
    }

private:
    int CountryOf(int league) const { return shape_.countryPerLeague ? league : 1; }

    void StoreLeague(int league)
    {
        if (shape_.countryPerLeague)
            Run(country_, {league, QStringLiteral("Χώρα %1").arg(league)});
        Run(category_, {league, shape_.CategoryName(league), CountryOf(league),
                        rows_.categoryCode ? rows_.categoryCode(league) : QVariant(),
                        rows_.categoryStrength ? rows_.categoryStrength(league) : QVariant()});
        if (!rows_.club)
            return;
        for (int i = 1; i <= shape_.teamsOf(league); ++i) {
            const TClubNames names = rows_.club(league, i);
            Run(club_, {CountryOf(league), names.name, names.enName, league * 100 + i, names.couponName});
        }
    }

    void StoreEntries(int DNo, int league, int teams)
    {
        if (rows_.entries == TEntryColumns::None)
            return;
        for (int i = 1; i <= teams; ++i) {
            QVariantList values{DNo * 100 + i, league * 100 + i, DNo,       QVariant(),
                                QVariant(),    QVariant(),       QVariant()};
            if (rows_.entries != TEntryColumns::Numbers)
                values[3] = QStringLiteral("Ομάδα %1").arg(i);
            if (rows_.entries == TEntryColumns::Rated) {
                values[4] = values[3];
                values[5] = 0;
                values[6] = rows_.entryStrength ? rows_.entryStrength(i) : 1;
            }
            Run(entry_, values);
        }
    }

    void StoreCompetition(int season, int league)
    {
        const int DNo = shape_.CompetitionOf(season, league);
        const int teams = shape_.teamsOf(league);
        Run(competition_, {DNo, league, shape_.SeasonName(season), teams, CountryOf(league)});
        StoreEntries(DNo, league, teams);
        std::vector<int> circle;
        for (int i = 1; i <= teams; ++i)
            circle.push_back(i);
        for (int day = 1; day <= 2 * (teams - 1); ++day) {
            const bool swapped = shape_.swapInSecondRound ? day > teams - 1 : day % 2 == 0;
            for (int k = 0; k < teams / 2; ++k) {
                TFixture fixture{season, league, DNo, day, k, circle[k], circle[teams - 1 - k]};
                if (swapped)
                    std::swap(fixture.home, fixture.away);
                const TMatchRow row = rows_.match(fixture);
                Run(match_, {DNo, day, fixture.HomeEntry(), fixture.AwayEntry(), row.homeGoals, row.awayGoals,
                             row.date.toString(Qt::ISODate), row.homeClub, row.awayClub, row.time, row.code,
                             row.odds1, row.oddsX, row.odds2});
            }
            std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
        }
    }

    const TLeagueShape &shape_;
    const TLeagueRows &rows_;
    SqliteStatement country_;
    SqliteStatement category_;
    SqliteStatement club_;
    SqliteStatement season_;
    SqliteStatement competition_;
    SqliteStatement entry_;
    SqliteStatement match_;
};

} // namespace

void StoreLeagues(sqlite3 *db, const TLeagueShape &shape, const TLeagueRows &rows)
{
    TransactionGuard transaction(db);
    TLeagueWriter(db, shape, rows).StoreAll();
    transaction.Commit();
}

void StoreWeekendLeagues(sqlite3 *db, const TLeagueShape &shape, int stopMatchday,
                         const std::function<QVariant(const TFixture &)> &code)
{
    TScores scores;
    StoreLeagues(db, shape,
                 {.categoryCode = [](int league) { return QVariant(QString::number(league)); },
                  .club = NumberedClub,
                  .entries = TEntryColumns::Names,
                  .match =
                      [&](const TFixture &f) {
                          const bool played = f.season < shape.seasons - 1 || f.day < stopMatchday;
                          TMatchRow row = WeekendMatch(shape, f, played, scores);
                          row.code = code(f);
                          return row;
                      }});
}

TTavrolinDM &FilledDataModule(const std::function<void(sqlite3 *)> &fill)
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = [&] {
        UseBenchProgramFolder(folder.path());
        qputenv("XDG_CONFIG_HOME", (folder.path() + QStringLiteral("/config")).toLocal8Bit());
        auto *made = new TTavrolinDM;
        fill(made->TavrolinDb.Handle());
        return made;
    }();
    return *dm;
}
