#pragma once

#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

#include <QDate>
#include <QStringList>

// A grid row of the comparison: code, competition, date, teams and the coupon's odds.
inline QStringList BetBrainRow(const QString &code, const QDate &day, const QString &home,
                               const QString &away, const QString &odd1, const QString &oddX,
                               const QString &odd2)
{
    QStringList row(21);
    row[0] = code;
    row[1] = "ΑΓΓ";
    row[2] = day.toString("dd/MM/yyyy");
    row[3] = "17:00";
    row[4] = home;
    row[5] = away;
    row[6] = odd1;
    row[7] = oddX;
    row[8] = odd2;
    return row;
}

// The odds service's tables of the program's database with teams and averages written straight
// into them, as the outside tools fill them.
class BetBrainTest : public ProgramDataModuleTest
{
protected:
    void Exec(const QString &sql, const QVariantList &values = {})
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        statement.BindAll(values);
        statement.Execute();
    }

    void AddServiceTeam(int number, const QString &couponName, const QVariant &teamNo = {})
    {
        Exec("INSERT INTO BETBRAINOMADES (AUTONUM, OpapName, TavrolinTeamNo) VALUES (?1, ?2, ?3)",
             {number, couponName, teamNo});
    }

    void AddAverages(const QDate &day, int home, int away, double a1, double ax, double a2)
    {
        Exec("INSERT INTO BETBRAIN (bDate, GNo, FNo, AVGHOME, AVGDraw, AVGAWAY) VALUES (?1, ?2, ?3, ?4, ?5, "
             "?6)",
             {day.toString(Qt::ISODate), home, away, a1, ax, a2});
    }

    const QDate couponDay{2004, 3, 6};
};
