#pragma once

#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

#include <QDate>

// A league of the program's database with matches written straight into it: a team's number is
// its competition entry, and the chosen team is number 1.
class TeamHistoryTest : public ProgramDataModuleTest
{
protected:
    static constexpr int kLeague = 1;
    static constexpr int kTeam = 1;

    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        Exec("INSERT INTO Krath (RecNo, Name) VALUES (1, 'Ελλάδα')");
        Exec("INSERT INTO Periodos (Periodos) VALUES ('2004-05')");
        Exec("INSERT INTO Kathgories (KatNo, GrName, Kratos, OPAP) VALUES (1, 'Α Εθνική', 1, 'GR1')");
        Exec("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, Rounds, "
             "KratosNo) VALUES (1, 1, '2004-05', 16, 3, 1, 0, 0, 2, 1)");
        for (TTable *table : {&Dm().Periodos, &Dm().Kathgories, &Dm().Diorganvseis})
            table->Refresh();
    }

    void Exec(const QString &sql, const QVariantList &values = {})
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        statement.BindAll(values);
        statement.Execute();
    }

    // A match of the league; unplayed when the goals are null.
    void Add(int home, int away, const QDate &date, const QVariant &homeGoals, const QVariant &awayGoals)
    {
        Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
             "TelFGoals, "
             "\"Date\", GTeamNo, FTeamNo) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?3, ?4)",
             {kLeague, ++matchday_, home, away, homeGoals, awayGoals, date.toString(Qt::ISODate)});
    }

    // The day the counts look back from, and the days before it.
    const QDate day{2005, 3, 5};
    const QString dayText = QStringLiteral("05/03/2005");
    QDate DaysBefore(int days) const { return day.addDays(-days); }

private:
    int matchday_ = 0;
};
