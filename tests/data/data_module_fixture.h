#pragma once

#include "data/data_module.h"
#include "platform/db/alias_store.h"
#include "platform/ui/message_recorder.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

#include <memory>

// A data module on a fresh data folder of the test's program folder, with the message boxes
// recorded (a confirmation answers with its default button, Yes, unless an answer is queued).
// The helpers enter reference data the way the editors do: through the module's tables, with
// the cursors of the lists on the user's choice.
class DataModuleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AliasStore().Add({"Tavrolin", "PARADOX", "PATH:\"" + DataFolder() + "\";DEFAULT DRIVER:\"PARADOX\""});
        dm_ = std::make_unique<TTavrolinDM>();
    }

    static QString DataFolder() { return CurrentTestFolders().ProgramHome() + "/Data"; }
    TTavrolinDM &Dm() { return *dm_; }
    void RecreateModule()
    {
        dm_.reset();
        dm_ = std::make_unique<TTavrolinDM>();
    }

    // The tables the main window opens, and the reference tables the editors open.
    void OpenTables()
    {
        for (TTable *table : {&Dm().Krath, &Dm().Kathgories, &Dm().Periodos, &Dm().Omades, &Dm().Diorganvseis,
                              &Dm().POmades, &Dm().Agvnes})
            table->Open();
    }

    int AddCountry(const QString &name)
    {
        Post(Dm().Krath, {{"Name", name}});
        return Dm().Krath.FieldByName("RecNo").AsInteger();
    }

    void AddSeason(const QString &season) { Post(Dm().Periodos, {{"Periodos", season}}); }

    // Typos 0: league, 1: cup.
    int AddCategory(const QString &name, int country, int typos = 0)
    {
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country}, {"Typos", typos}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }

    // A competition of the category, whose type and country the module copies from it.
    int AddCompetition(int katNo, const QString &season, int teams)
    {
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

    // A team of the country, as the team editor stores it (its list on the country); returns its
    // TeamNo.
    int AddTeam(int country, const QString &name, const QString &enName)
    {
        EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country}));
        Dm().Omades.SetFilter(QString("KratosNo = %1").arg(country));
        Dm().Omades.SetFiltered(true);
        Post(Dm().Omades, {{"Name", name}, {"EnName", enName}});
        return Dm().Omades.FieldByName("TeamNo").AsInteger();
    }

    // A team of the competition, as the competition editor stores it; returns its RecNo.
    int AddCompetitionTeam(int dNo, int teamNo)
    {
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
        EXPECT_TRUE(Dm().Omades.Locate("TeamNo", {teamNo}));
        Post(Dm().POmades, {{"TeamNo", teamNo}});
        return Dm().POmades.FieldByName("RecNo").AsInteger();
    }

    // A competition of one country with this many teams named T1, T2 ...; the RecNos of its
    // competition teams in order.
    QList<int> AddCompetitionWithTeams(int country, int katNo, const QString &season, int teams)
    {
        const int dNo = AddCompetition(katNo, season, teams);
        QList<int> recNos;
        for (int i = 1; i <= teams; ++i) {
            const int teamNo =
                AddTeam(country, QString("Ομάδα %1 %2").arg(dNo).arg(i), QString("T%1 %2").arg(dNo).arg(i));
            recNos.append(AddCompetitionTeam(dNo, teamNo));
        }
        return recNos;
    }

    // Inserts a match through Agvnes; false when a rule refused it.
    bool InsertMatch(int dNo, int day, int home, int away, QVariant date = QDate(2004, 9, 12),
                     QVariant homeGoals = {}, QVariant awayGoals = {})
    {
        TTable &agvnes = Dm().Agvnes;
        if (!agvnes.Insert())
            return false;
        const QList<std::pair<QString, QVariant>> values{
            {"DiorgNo", dNo}, {"Agvnistikh", day}, {"Ghpedoyxos", home},     {"Filojenoymenh", away},
            {"Omilos", 0},    {"Date", date},      {"TelGGoals", homeGoals}, {"TelFGoals", awayGoals}};
        for (const auto &[name, value] : values)
            agvnes.FieldByName(name).SetValue(value);
        return agvnes.Post();
    }

    // Appends and posts one record; fails the test when a rule refuses it.
    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    MessageRecorder messages_;

private:
    std::unique_ptr<TTavrolinDM> dm_;
};
