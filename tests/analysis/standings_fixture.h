#pragma once

#include "data/data_module_fixture.h"
#include "platform/db/sqlite_statement.h"

#include <QDate>

// A league of four clubs (A, B, C, D, entered in that order) in the season 2004-05, three
// matchdays entered, D starting two points down:
//   1: A-B 2-0, C-D 1-1    2: B-C 0-3, D-A 2-2    3: A-C 1-0, B-D not played yet
// After matchday 3 the table is A 7, C 4, D 0 (goal difference 0), B 0 (-5).
class StandingsDataTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        OpenTables();
        country = AddCountry(QStringLiteral("Ελλάδα"));
        AddSeason(QStringLiteral("2004-05"));
        AddSeason(QStringLiteral("2005-06"));
        katNo = AddCategory(QStringLiteral("Α Εθνική"), country);
        const QList<int> recNos = AddCompetitionWithTeams(country, katNo, QStringLiteral("2004-05"), 4);
        dNo = Dm().Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger();
        A = recNos[0];
        B = recNos[1];
        C = recNos[2];
        D = recNos[3];
        Exec(QStringLiteral("UPDATE PerOmades SET Timvria = -2 WHERE RecNo = %1").arg(D));
        ASSERT_TRUE(InsertMatch(dNo, 1, A, B, QDate(2004, 9, 5), 2, 0));
        ASSERT_TRUE(InsertMatch(dNo, 1, C, D, QDate(2004, 9, 5), 1, 1));
        ASSERT_TRUE(InsertMatch(dNo, 2, B, C, QDate(2004, 9, 12), 0, 3));
        ASSERT_TRUE(InsertMatch(dNo, 2, D, A, QDate(2004, 9, 12), 2, 2));
        ASSERT_TRUE(InsertMatch(dNo, 3, A, C, QDate(2004, 9, 19), 1, 0));
        ASSERT_TRUE(InsertMatch(dNo, 3, B, D, QDate(2004, 9, 19)));
    }

    void Exec(const QString &sql) { ExecSql(Dm().TavrolinDb.Handle(), sql); }

    // One integer answer of the database.
    QVariant Value(const QString &sql)
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        return statement.Step() ? statement.Value(0) : QVariant();
    }

    // The stored TeamStat rows of a matchday in table order: TeamNo, then the twelve counters and
    // places in their column order.
    QList<QList<int>> TeamStatRows(int matchday)
    {
        QList<QList<int>> rows;
        for (const QVariantList &stored :
             Rows(QStringLiteral(
                      "SELECT TeamNo, NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, HttesOut, GoalYpIn, "
                      "GoalKaIn, GoalYpOut, GoalKaOut, Position, PositionEntos, PositionEktos FROM TeamStat "
                      "WHERE Agvnistikh = ?1 ORDER BY Position"),
                  {matchday})) {
            QList<int> row;
            for (const QVariant &value : stored)
                row.append(value.toInt());
            rows.append(row);
        }
        return rows;
    }

    // The TeamStat rows of matchday 3 of the league above.
    QList<QList<int>> ExpectedMatchday3() const
    {
        return {{A, 2, 0, 0, 0, 1, 0, 3, 0, 2, 2, 1, 1, 2},
                {C, 0, 1, 0, 1, 0, 1, 1, 1, 3, 1, 2, 2, 1},
                {D, 0, 1, 0, 0, 1, 0, 2, 2, 1, 1, 3, 3, 3},
                {B, 0, 0, 1, 0, 0, 1, 0, 3, 0, 2, 4, 4, 4}};
    }

    int country = 0;
    int katNo = 0;
    int dNo = 0;
    int A = 0, B = 0, C = 0, D = 0;
};
