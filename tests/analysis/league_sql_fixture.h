#pragma once

#include "data/data_module_fixture.h"
#include "platform/db/sqlite_statement.h"

#include <QDate>
#include <QStringList>

// Competitions, teams and matches written straight into a fresh database, with the numbers the
// test chooses (a competition numbered 12 beside one numbered 1).
class LeagueSqlTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        Exec(QStringLiteral("INSERT INTO Krath (RecNo, Name) VALUES (1, 'Ελλάδα')"));
    }

    void Exec(const QString &sql, const QVariantList &values = {})
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        statement.BindAll(values);
        statement.Execute();
    }

    // A category of its own name; its KatNo.
    int AddCategory(const QString &name, int typos = 0)
    {
        Exec(QStringLiteral("INSERT INTO Kathgories (GrName, Kratos, Typos) VALUES (?1, 1, ?2)"),
             {name, typos});
        return Count(QStringLiteral("SELECT MAX(KatNo) FROM Kathgories"));
    }

    // Competition DNo of the category in the season (3/1/0 points), with teams of the given
    // names in that order; the RecNos of its teams.
    QList<int> AddLeague(int DNo, int katNo, const QString &season, const QStringList &teams, int typos = 0)
    {
        Exec(QStringLiteral("INSERT OR IGNORE INTO Periodos (Periodos) VALUES (?1)"), {season});
        Exec(
            QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, "
                           "Rounds, KratosNo) VALUES (?1, ?2, ?3, ?4, 3, 1, 0, ?5, 2, 1)"),
            {DNo, katNo, season, int(teams.size()), typos});
        QList<int> recNos;
        for (const QString &name : teams) {
            Exec(QStringLiteral("INSERT INTO PerOmades (TeamNo, DiorNo, GrName, EnName, Timvria) "
                                "VALUES (0, ?1, ?2, ?3, 0)"),
                 {DNo, name, QStringLiteral("L-") + name});
            recNos.append(Count(QStringLiteral("SELECT MAX(RecNo) FROM PerOmades")));
        }
        return recNos;
    }

    // A match; without goals it is not played.
    void AddGame(int DNo, int matchday, int home, int away, const QDate &date, const QVariant &homeGoals = {},
                 const QVariant &awayGoals = {})
    {
        Exec(QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                            "TelGGoals, TelFGoals, Date) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7)"),
             {DNo, matchday, home, away, homeGoals, awayGoals, date.toString(Qt::ISODate)});
    }
};
