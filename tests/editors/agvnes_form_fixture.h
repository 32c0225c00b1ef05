#pragma once

#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "support/data_module_test_base.h"

#include <QTime>

// The program's data module on a fresh data folder, with message boxes recorded (confirmations
// answer Yes). Reference data is entered the way the editors enter it, through the module's
// tables; matches are stored through the shared Agvnes as the match list stores them.
class MatchListTest : public ProgramDataModuleTest
{
protected:
    // The category and season the match list starts on, as the start-up choice writes them.
    static void RememberChoice(const QString &category, const QString &season)
    {
        TRegIniFile registry("Software\\Tavrolin\\Diorganvsh");
        registry.WriteString("Options", "NameD", category);
        registry.WriteString("Options", "NameP", season);
    }
    static QString Remembered(const char *name)
    {
        return TRegIniFile("Software\\Tavrolin\\Diorganvsh").ReadString("Options", name, "<none>");
    }

    // A competition of the category with its teams named after the competition; the RecNos of its
    // competition teams in order.
    QList<int> AddCompetition(int country, int katNo, const QString &season, int teams, int rounds = 2)
    {
        lastDNo = ProgramDataModuleTest::AddCompetition(katNo, season, teams, rounds);
        return AddCompetitionTeams(country, lastDNo, teams, "Ομάδα %1-%2", "Team %1-%2");
    }

    // Stores a match; a league match of the match list has no group.
    void AddMatch(int dNo, int day, int home, int away, const QDate &date, QVariant homeGoals = {},
                  QVariant awayGoals = {}, QVariant group = {})
    {
        ProgramDataModuleTest::AddMatch(dNo, day, home, away, date, homeGoals, awayGoals, group);
    }

    // A stored value of the match of the competition between the two teams, read past every
    // window's range.
    QVariant StoredValue(int dNo, int home, int away, const char *field)
    {
        TTable matches;
        matches.SetSessionName("Session1_1");
        matches.SetDatabaseName("Tavrolin");
        matches.SetTableName("Agvnes.DB");
        matches.Open();
        EXPECT_TRUE(matches.Locate("DiorgNo;Ghpedoyxos;Filojenoymenh", {dNo, home, away}));
        return matches.FieldByName(field).Value();
    }

    MessageRecorder messages;
    int lastDNo = 0;
};
