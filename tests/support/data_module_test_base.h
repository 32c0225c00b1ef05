#pragma once

// For test programs that link tavrolin_data: the data module on a fresh data folder of the test's
// program folder, and reference data entered the way the editors enter it, through the module's
// tables with the cursors of the lists on the user's choice, so the module's rules fill what they
// fill for the user (the country of a team, the competition of a competition team).

#include "data/data_module.h"
#include "support/test_database.h"

#include <QDate>

#include <gtest/gtest.h>

class DataModuleTestBase : public testing::Test
{
protected:
    virtual TTavrolinDM &Dm() = 0;

    // The tables the main window opens, which the editors share.
    QList<TTable *> SharedTables()
    {
        return {&Dm().Krath,        &Dm().Kathgories, &Dm().Periodos, &Dm().Omades,
                &Dm().Diorganvseis, &Dm().POmades,    &Dm().Agvnes};
    }

    int AddCountry(const QString &name)
    {
        Post(Dm().Krath, {{"Name", name}});
        return Dm().Krath.FieldByName("RecNo").AsInteger();
    }

    // The season, unless it is there already.
    void AddSeason(const QString &season)
    {
        if (!Dm().Periodos.Locate("Periodos", {season}))
            Post(Dm().Periodos, {{"Periodos", season}});
    }

    // Typos 0: league, 1: cup.
    int AddCategory(const QString &name, int country, int typos = 0)
    {
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country}, {"Typos", typos}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }

    // A competition of the category in the season, whose country (and for a category, type) the
    // module copies from the category; its DNo.
    int AddCompetition(int katNo, const QString &season, int teams, int rounds = 2, int typos = 0)
    {
        AddSeason(season);
        EXPECT_TRUE(Dm().Kathgories.Locate("KatNo", {katNo}));
        Post(Dm().Diorganvseis, {{"KatNo", katNo},
                                 {"Periodos", season},
                                 {"Omades", teams},
                                 {"Nikh", 3},
                                 {"Isop", 1},
                                 {"Htta", 0},
                                 {"Rounds", rounds},
                                 {"Typos", typos}});
        return Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    }

    // A team of the country, as the team editor stores it (its list on the country); its TeamNo.
    int AddTeam(int country, const QString &name, const QString &enName)
    {
        EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country}));
        Dm().Omades.SetFilter(QString("KratosNo = %1").arg(country));
        Dm().Omades.SetFiltered(true);
        Post(Dm().Omades, {{"Name", name}, {"EnName", enName}});
        return Dm().Omades.FieldByName("TeamNo").AsInteger();
    }

    // The team taking part in the competition, as the competition editor stores it; the RecNo of
    // its competition team.
    int AddCompetitionTeam(int dNo, int teamNo)
    {
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
        Dm().Omades.SetFiltered(false);
        EXPECT_TRUE(Dm().Omades.Locate("TeamNo", {teamNo}));
        Post(Dm().POmades, {{"TeamNo", teamNo}});
        return Dm().POmades.FieldByName("RecNo").AsInteger();
    }

    // New teams of the country taking part in the competition, named by the patterns from the DNo
    // (%1) and their place (%2, from 1); the RecNos of their competition teams in order.
    QList<int> AddCompetitionTeams(int country, int dNo, int teams, const QString &name,
                                   const QString &enName)
    {
        QList<int> recNos;
        for (int i = 1; i <= teams; ++i) {
            const int teamNo = AddTeam(country, name.arg(dNo).arg(i), enName.arg(dNo).arg(i));
            recNos.append(AddCompetitionTeam(dNo, teamNo));
        }
        return recNos;
    }

    // A match of the competition (group 0 for a league); its GameNo.
    int AddMatch(int dNo, int day, int home, int away, const QDate &date, const QVariant &homeGoals = {},
                 const QVariant &awayGoals = {}, const QVariant &group = 0)
    {
        Post(Dm().Agvnes, {{"DiorgNo", dNo},
                           {"Agvnistikh", day},
                           {"Ghpedoyxos", home},
                           {"Filojenoymenh", away},
                           {"Omilos", group},
                           {"Date", date},
                           {"TelGGoals", homeGoals},
                           {"TelFGoals", awayGoals}});
        return Dm().Agvnes.FieldByName("GameNo").AsInteger();
    }

    // Appends and posts one record; fails the test when a rule refuses it.
    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    // The rows a statement returns, its values bound, read straight from the database file.
    QList<QVariantList> Rows(const QString &sql, const QVariantList &values = {})
    {
        return ::Rows(Dm().TavrolinDb, sql, values);
    }

    // The number a counting statement returns, its values bound; -1 without an answer.
    int Count(const QString &sql, const QVariantList &values = {})
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(sql);
        statement->BindAll(values);
        return statement->Step() ? int(statement->Int64(0)) : -1;
    }
};

// The program's own module: the shared tables open as the main window leaves them, and closed
// again with the database after the test, as the program leaves them when it ends.
class ProgramDataModuleTest : public DataModuleTestBase
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        for (TTable *table : Tables())
            table->Open();
    }

    void TearDown() override
    {
        for (TTable *table : Tables()) {
            if (table->State() == TDataSetState::dsEdit || table->State() == TDataSetState::dsInsert)
                table->Cancel();
            table->SetFiltered(false);
            table->SetFilter(QString());
            table->Close();
        }
        Dm().TavrolinDb.Close();
    }

    TTavrolinDM &Dm() override { return TavrolinDM(); }
    virtual QList<TTable *> Tables() { return SharedTables(); }
};
