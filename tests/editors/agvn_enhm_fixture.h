#pragma once

#include "platform/core/message_recorder.h"
#include "support/data_module_test_base.h"

// The program's data module on a fresh data folder, with the shared tables open as the main
// window leaves them, and the message boxes recorded (a confirmation answers Yes). Reference data
// and matches of one country go in through the module's tables.
class AgvnEnhmTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        country_ = AddCountry("Ελλάδα");
    }

    int AddCategory(const QString &name) { return ProgramDataModuleTest::AddCategory(name, country_); }

    // A league of twenty teams of the category in the season; its DNo.
    int AddCompetition(int katNo, const QString &season)
    {
        return ProgramDataModuleTest::AddCompetition(katNo, season, 20);
    }

    // A new club taking part in the competition; the RecNo of its competition team.
    int AddTeam(int dNo, const QString &name)
    {
        return AddCompetitionTeam(dNo, ProgramDataModuleTest::AddTeam(country_, name, name + " en"));
    }

    MessageRecorder messages_;
    int country_ = 0;
};
