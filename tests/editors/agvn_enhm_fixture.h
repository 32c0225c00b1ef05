#pragma once

#include "data/data_module.h"
#include "platform/db/alias_store.h"
#include "platform/ui/message_recorder.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

// The program's data module on a fresh data folder, with the shared tables open as the main
// window leaves them, and the message boxes recorded (a confirmation answers Yes). Reference data
// and matches go in through the module's tables, so its rules fill what they fill for the user.
class AgvnEnhmTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AliasStore().Add(
            {"Tavrolin", "PARADOX",
             "PATH:\"" + CurrentTestFolders().ProgramHome() + "/Data\";DEFAULT DRIVER:\"PARADOX\""});
        for (TTable *table : Tables())
            table->Open();
        country_ = AddCountry("Ελλάδα");
    }

    void TearDown() override
    {
        // The module outlives the test when the tests share one process.
        for (TTable *table : Tables()) {
            table->SetFiltered(false);
            table->SetFilter(QString());
            table->Close();
        }
        Dm().TavrolinDb.Close();
    }

    static TTavrolinDM &Dm() { return TavrolinDM(); }
    static QList<TTable *> Tables()
    {
        TTavrolinDM &dm = TavrolinDM();
        return {&dm.Krath,        &dm.Kathgories, &dm.Periodos, &dm.Omades,
                &dm.Diorganvseis, &dm.POmades,    &dm.Agvnes};
    }

    int AddCountry(const QString &name)
    {
        Post(Dm().Krath, {{"Name", name}});
        return Dm().Krath.FieldByName("RecNo").AsInteger();
    }

    int AddCategory(const QString &name)
    {
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country_}, {"Typos", 0}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }

    // A league of twenty teams of the category in the season; its DNo.
    int AddCompetition(int katNo, const QString &season)
    {
        if (!Dm().Periodos.Locate("Periodos", {season}))
            Post(Dm().Periodos, {{"Periodos", season}});
        EXPECT_TRUE(Dm().Kathgories.Locate("KatNo", {katNo}));
        Post(Dm().Diorganvseis, {{"KatNo", katNo},
                                 {"Periodos", season},
                                 {"Omades", 20},
                                 {"Nikh", 3},
                                 {"Isop", 1},
                                 {"Htta", 0},
                                 {"Rounds", 2},
                                 {"Typos", 0}});
        return Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    }

    // A new club taking part in the competition; the RecNo of its competition team.
    int AddTeam(int dNo, const QString &name)
    {
        EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country_}));
        // The team editor lists the teams of the chosen country.
        Dm().Omades.SetFilter(QString("KratosNo = %1").arg(country_));
        Dm().Omades.SetFiltered(true);
        Post(Dm().Omades, {{"Name", name}, {"EnName", name + " en"}});
        const int teamNo = Dm().Omades.FieldByName("TeamNo").AsInteger();
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
        EXPECT_TRUE(Dm().Omades.Locate("TeamNo", {teamNo}));
        Post(Dm().POmades, {{"TeamNo", teamNo}});
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

    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    MessageRecorder messages_;
    int country_ = 0;
};
