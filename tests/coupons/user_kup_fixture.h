#pragma once

#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

#include <QDate>
#include <QVariant>

// Two categories of one country in season 2003-04 and, for the first, also in 2002-03; four
// teams in the first competition and three matches of it within 1-4 March 2004: one without a
// time or odds, one played with stored odds, one with a code and stored odds; a fourth match lies
// after the range and a fifth belongs to the second category.
class UserKupTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry(QStringLiteral("Ελλάδα"));
        const int first = AddCategory(QStringLiteral("Α Εθνική"), country);
        const int second = AddCategory(QStringLiteral("Β Εθνική"), country);
        Exec("UPDATE Kathgories SET OPAP = 'GR1' WHERE KatNo = ?1", {first});
        Exec("UPDATE Kathgories SET OPAP = 'GR2' WHERE KatNo = ?1", {second});
        olderLeague = AddCompetition(first, QStringLiteral("2002-03"), 4);
        league = AddCompetition(first, QStringLiteral("2003-04"), 4);
        secondLeague = AddCompetition(second, QStringLiteral("2003-04"), 4);
        const QStringList names{QStringLiteral("Άρης"), QStringLiteral("Βέροια"), QStringLiteral("Γιάννινα"),
                                QStringLiteral("Δόξα")};
        for (const QString &name : names)
            entries.append(AddCompetitionTeam(league, AddTeam(country, name, name)));
        noTime = AddMatch(league, entries[0], entries[1], QDate(2004, 3, 1), {}, {}, {}, {});
        played = AddMatch(league, entries[2], entries[3], QDate(2004, 3, 2), "20:30:00", {}, 2, 1, 1.85);
        coded = AddMatch(league, entries[1], entries[2], QDate(2004, 3, 3), "18:00:00", 7, {}, {}, 2.5);
        AddMatch(league, entries[3], entries[0], QDate(2004, 3, 6), "18:00:00", {}, {}, {}, 1.5);
        AddMatch(secondLeague, entries[0], entries[1], QDate(2004, 3, 2), "18:00:00", {}, {}, {}, 1.5);
        for (TTable *table : SharedTables())
            table->Refresh();
    }

    void Exec(const QString &sql, const QVariantList &values = {})
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        statement.BindAll(values);
        statement.Execute();
    }

    // A match; the odds X and 2 follow the first (3.2 and 4) when one is given.
    int AddMatch(int dNo, int home, int away, const QDate &date, const QVariant &time, const QVariant &code,
                 const QVariant &homeGoals, const QVariant &awayGoals, const QVariant &odd1 = {})
    {
        const bool odds = odd1.isValid();
        Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
             "TelFGoals, "
             "\"Date\", \"Time\", OPAPAr, AP1, APX, AP2) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?8, ?9, ?10, "
             "?11, ?12)",
             {dNo, ++matchday_, home, away, homeGoals, awayGoals, date.toString(Qt::ISODate), time, code,
              odd1, odds ? QVariant(3.2) : QVariant(), odds ? QVariant(4.0) : QVariant()});
        SqliteStatement last(Dm().TavrolinDb.Handle(), QStringLiteral("SELECT max(GameNo) FROM Agvnes"));
        last.Step();
        return int(last.Int64(0));
    }

    // OPAPAr, AP1, APX and AP2 of a match as text ("" for an empty value).
    QStringList Stored(int gameNo)
    {
        SqliteStatement s(Dm().TavrolinDb.Handle(),
                          QStringLiteral("SELECT OPAPAr, AP1, APX, AP2 FROM Agvnes WHERE GameNo = ?1"));
        s.BindAll({gameNo});
        EXPECT_TRUE(s.Step());
        QStringList values;
        for (int column = 0; column < 4; ++column)
            values.append(s.IsNull(column) ? QString() : QString::number(s.Double(column)));
        return values;
    }

    int olderLeague = 0;
    int league = 0;
    int secondLeague = 0;
    QList<int> entries;
    int noTime = 0;
    int played = 0;
    int coded = 0;

private:
    int matchday_ = 0;
};
