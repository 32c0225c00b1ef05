#pragma once

#include "platform/core/message_recorder.h"
#include "support/data_module_test_base.h"

#include <memory>

// A data module of the test's own on a fresh data folder, with the message boxes recorded (a
// confirmation answers with its default button, Yes, unless an answer is queued).
class DataModuleTest : public DataModuleTestBase
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        dm_ = std::make_unique<TTavrolinDM>();
    }

    TTavrolinDM &Dm() override { return *dm_; }
    void RecreateModule()
    {
        dm_.reset();
        dm_ = std::make_unique<TTavrolinDM>();
    }

    // The tables the main window opens, and the reference tables the editors open.
    void OpenTables()
    {
        for (TTable *table : SharedTables())
            table->Open();
    }

    // A competition of one country with this many teams named T1, T2 ...; the RecNos of its
    // competition teams in order.
    QList<int> AddCompetitionWithTeams(int country, int katNo, const QString &season, int teams)
    {
        return AddCompetitionTeams(country, AddCompetition(katNo, season, teams), teams, "Ομάδα %1 %2",
                                   "T%1 %2");
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

    MessageRecorder messages_;

private:
    std::unique_ptr<TTavrolinDM> dm_;
};
