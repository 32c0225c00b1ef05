#pragma once

#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "support/data_module_test_base.h"

// The program's data module on a fresh data folder with the tables the main window opens and the
// statistics, and the message boxes recorded (a confirmation answers with its default button
// unless an answer is queued). Reference data, teams, matches and statistics go in through the
// module's tables; Count reads the stored rows back with SQL.
class CompetitionWindowsTest : public ProgramDataModuleTest
{
protected:
    void TearDown() override
    {
        Dm().CompetitionEditorOpen = false;
        ProgramDataModuleTest::TearDown();
        Dm().POmades.SetIndexFieldNames("DiorNo");
    }

    QList<TTable *> Tables() override { return SharedTables() << &Dm().TeamStat; }

    static void Remember(const QString &category, const QString &season)
    {
        TRegIniFile options("Software\\Tavrolin\\Diorganvsh");
        options.WriteString("Options", "NameD", category);
        options.WriteString("Options", "NameP", season);
    }

    void AddTeamStat(int recNo, int day)
    {
        Post(Dm().TeamStat, {{"TeamNo", recNo}, {"Agvnistikh", day}, {"Position", 1}});
    }

    MessageRecorder messages;
};
