#pragma once

#include "couponstats/operations/history_fixture.h"
#include "couponstats/page_analysis.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A page of the coupon statistics over the league of the team history tests (category code "GR1",
// season "2004-05"): its rows, one check byte each, the seasons and the thresholds it keeps, and the
// coupon match of each row stored on the day counted.
class PageAnalysisTest : public TeamHistoryTest
{
protected:
    // The coupon match of the league on the day counted, with its code on the coupon.
    void AddCouponMatch(int home, int away, int code)
    {
        Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, \"Date\", GTeamNo, "
             "FTeamNo, OPAPAr) VALUES (?1, 99, ?2, ?3, 0, ?4, ?2, ?3, ?5)",
             {kLeague, home, away, day.toString(Qt::ISODate), code});
    }

    // A data row of the page as the chain copies it: checked, its values and proposal empty.
    void AddRow(int code, const QString &diorg = QStringLiteral("GR1"), char check = 1)
    {
        QStringList row(tav::couponstats::kPageColumns);
        row[tav::couponstats::PgCheck] = QString::number(check);
        row[tav::couponstats::PgCode] = QString::number(code);
        row[tav::couponstats::PgDiorg] = diorg;
        row[tav::couponstats::PgDate] = dayText;
        row[tav::couponstats::PgHomeTeam] = QStringLiteral("Γηπεδούχος");
        row[tav::couponstats::PgAwayTeam] = QStringLiteral("Φιλοξενούμενη");
        rows.append(row);
        checks.append(check);
    }

    // Columns 12 to 15 of data row r.
    QStringList Values(int r) const { return rows.at(r + 1).mid(tav::couponstats::PgHomeValue, 4); }

    tav::couponstats::TPageGrid Grid() { return {rows, checks, periods, thresholds}; }

    QList<QStringList> rows{QStringList(tav::couponstats::kPageColumns, QStringLiteral("τίτλος"))};
    QByteArray checks;
    QStringList periods{QStringLiteral("2003-04"), QStringLiteral("2004-05")};
    tav::couponstats::TThresholdTexts thresholds;
};
