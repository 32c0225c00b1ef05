#pragma once

#include "data/data_module.h"
#include "platform/core/registry.h"
#include "platform/db/alias_store.h"
#include "platform/ui/message_recorder.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

// The program's data module on a fresh data folder with the tables the main window opens, and
// the message boxes recorded (a confirmation answers with its default button unless an answer is
// queued). Reference data, teams, matches and statistics go in through the module's tables, so
// its rules fill what they fill for the user; Count reads the stored rows back with SQL.
class CompetitionWindowsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AliasStore().Add(
            {"Tavrolin", "PARADOX",
             "PATH:\"" + CurrentTestFolders().ProgramHome() + "/Data\";DEFAULT DRIVER:\"PARADOX\""});
        for (TTable *table : Tables())
            table->Open();
    }

    void TearDown() override
    {
        // The module outlives the test when the tests share one process.
        for (TTable *table : Tables()) {
            if (table->Active() && table->State() != TDataSetState::dsBrowse)
                table->Cancel();
            table->SetFiltered(false);
            table->SetFilter(QString());
            table->Close();
        }
        Dm().POmades.SetIndexFieldNames("DiorNo");
        Dm().CompetitionEditorOpen = false;
        Dm().TavrolinDb.Close();
    }

    static TTavrolinDM &Dm() { return TavrolinDM(); }
    static QList<TTable *> Tables()
    {
        TTavrolinDM &dm = TavrolinDM();
        return {&dm.Krath,        &dm.Kathgories, &dm.Periodos, &dm.Omades,
                &dm.Diorganvseis, &dm.POmades,    &dm.Agvnes,   &dm.TeamStat};
    }

    static void Remember(const QString &category, const QString &season)
    {
        TRegIniFile options("Software\\Tavrolin\\Diorganvsh");
        options.WriteString("Options", "NameD", category);
        options.WriteString("Options", "NameP", season);
    }

    int AddCountry(const QString &name)
    {
        Post(Dm().Krath, {{"Name", name}});
        return Dm().Krath.FieldByName("RecNo").AsInteger();
    }

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

    // A competition of the category, whose type and country the module copies from it.
    int AddCompetition(int katNo, const QString &season, int teams)
    {
        AddSeason(season);
        EXPECT_TRUE(Dm().Kathgories.Locate("KatNo", {katNo}));
        Post(Dm().Diorganvseis, {{"KatNo", katNo},
                                 {"Periodos", season},
                                 {"Omades", teams},
                                 {"Nikh", 3},
                                 {"Isop", 1},
                                 {"Htta", 0},
                                 {"Rounds", 2},
                                 {"Typos", 0}});
        return Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    }

    // A club of the country, as the team editor stores it; its TeamNo.
    int AddTeam(int country, const QString &name, const QString &enName)
    {
        EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country}));
        Dm().Omades.SetFilter(QString("KratosNo = %1").arg(country));
        Dm().Omades.SetFiltered(true);
        Post(Dm().Omades, {{"Name", name}, {"EnName", enName}, {"KratosNo", country}});
        return Dm().Omades.FieldByName("TeamNo").AsInteger();
    }

    // The club taking part in the competition; the RecNo of its competition team.
    int AddCompetitionTeam(int dNo, int teamNo)
    {
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
        EXPECT_TRUE(Dm().Omades.Locate("TeamNo", {teamNo}));
        Post(Dm().POmades, {{"TeamNo", teamNo}, {"DiorNo", dNo}});
        return Dm().POmades.FieldByName("RecNo").AsInteger();
    }

    void AddMatch(int dNo, int day, int home, int away, const QDate &date, QVariant homeGoals = {},
                  QVariant awayGoals = {})
    {
        Post(Dm().Agvnes, {{"DiorgNo", dNo},
                           {"Agvnistikh", day},
                           {"Ghpedoyxos", home},
                           {"Filojenoymenh", away},
                           {"Omilos", 0},
                           {"Date", date},
                           {"TelGGoals", homeGoals},
                           {"TelFGoals", awayGoals}});
    }

    void AddTeamStat(int recNo, int day)
    {
        Post(Dm().TeamStat, {{"TeamNo", recNo}, {"Agvnistikh", day}, {"Position", 1}});
    }

    // The number of rows a query counts, its values bound.
    static int Count(const QString &sql, const QVariantList &values = {})
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(sql);
        statement->BindAll(values);
        return statement->Step() ? int(statement->Int64(0)) : -1;
    }

    // Appends and posts one record; fails the test when a rule refuses it.
    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    MessageRecorder messages;
};
