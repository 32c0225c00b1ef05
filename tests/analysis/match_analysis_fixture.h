#pragma once

#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

#include <QDate>
#include <QTime>

// Matches written straight into the program's database, with the team numbers the test chooses: a
// team's number is its club number and its competition-team record alike.
class MatchAnalysisTest : public ProgramDataModuleTest
{
protected:
    static constexpr int kLeague = 1;
    static constexpr int kCup = 2;

    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        Exec("INSERT INTO Krath (RecNo, Name) VALUES (1, 'Ελλάδα')");
        Exec("INSERT INTO Periodos (Periodos) VALUES ('2004-05'), ('2003-04'), ('2002-03')");
        Exec("INSERT INTO Kathgories (KatNo, GrName, Kratos, OPAP) VALUES (1, 'Α Εθνική', 1, 'GR1'), "
             "(2, 'Κύπελλο', 1, 'CUP')");
        Exec("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, Rounds, "
             "KratosNo) "
             "VALUES (1, 1, '2004-05', 16, 3, 1, 0, 0, 2, 1), (2, 2, '2004-05', 16, 3, 1, 0, 1, 1, 1)");
        // The open tables see the rows written beside them.
        for (TTable *table : {&Dm().Periodos, &Dm().Kathgories, &Dm().Diorganvseis})
            table->Refresh();
    }

    void Exec(const QString &sql, const QVariantList &values = {})
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        statement.BindAll(values);
        statement.Execute();
    }

    // A club of the league and the cup under one number.
    void AddTeam(int number, const QString &name)
    {
        Exec("INSERT INTO Omades (KratosNo, Name, TeamNo) VALUES (1, ?1, ?2)", {name, number});
        Exec("INSERT INTO PerOmades (RecNo, TeamNo, DiorNo, GrName) VALUES (?1, ?1, ?2, ?3)",
             {number, kLeague, name});
    }

    struct Game
    {
        Game(int home, int away, const QDate &date, QVariant homeGoals = {}, QVariant awayGoals = {},
             int matchday = 0, int competition = kLeague, QVariantList odds = {}, QVariant time = {},
             QVariant coupon = {})
            : home(home), away(away), date(date), homeGoals(std::move(homeGoals)),
              awayGoals(std::move(awayGoals)), matchday(matchday), competition(competition),
              odds(std::move(odds)), time(std::move(time)), coupon(std::move(coupon))
        {
        }

        int home = 0;
        int away = 0;
        QDate date;
        QVariant homeGoals;
        QVariant awayGoals;
        int matchday = 0; // 0: the next free one
        int competition = kLeague;
        QVariantList odds; // three odds, or fewer
        QVariant time;
        QVariant coupon;
    };

    void Add(const Game &game)
    {
        const int matchday = game.matchday ? game.matchday : ++lastMatchday_;
        QVariantList odds = game.odds;
        while (odds.size() < 3)
            odds.append(QVariant());
        Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
             "TelFGoals, "
             "\"Date\", GTeamNo, FTeamNo, \"Time\", OPAPAr, AP1, APX, AP2) "
             "VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?3, ?4, ?8, ?9, ?10, ?11, ?12)",
             {game.competition, matchday, game.home, game.away, game.homeGoals, game.awayGoals,
              game.date.toString(Qt::ISODate), game.time, game.coupon, odds[0], odds[1], odds[2]});
    }

    // Played matches of a team, one a day going back from the day before; each {home, away}
    // goals, the newest first, against opponents numbered from firstOpponent.
    void AddHistory(int team, bool atHome, const QDate &before, const QList<std::pair<int, int>> &scores,
                    int firstOpponent)
    {
        QDate date = before;
        int opponent = firstOpponent;
        for (const auto &[homeGoals, awayGoals] : scores) {
            date = date.addDays(-1);
            Game game{atHome ? team : opponent, atHome ? opponent : team, date, homeGoals, awayGoals};
            Add(game);
            ++opponent;
        }
    }

    void AddTeamStat(int team, int matchday, const QList<int> &counts)
    {
        Exec("INSERT INTO TeamStat (TeamNo, Agvnistikh, NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, "
             "HttesOut) "
             "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
             {team, matchday, counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]});
    }

    // A weekend: Friday 4 to Monday 7 March 2005.
    const QDate friday{2005, 3, 4};
    const QDate monday{2005, 3, 7};

private:
    int lastMatchday_ = 0;
};
