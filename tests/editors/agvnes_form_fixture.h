#pragma once

#include "data/data_module.h"
#include "platform/core/registry.h"
#include "platform/db/alias_store.h"
#include "platform/ui/message_recorder.h"
#include "support/test_environment.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

// The program's data module on a fresh data folder, with message boxes recorded (confirmations
// answer Yes). Reference data is entered the way the editors enter it, through the module's
// tables; matches are stored through the shared Agvnes as the match list stores them.
class MatchListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AliasStore().Add({"Tavrolin", "PARADOX", "PATH:\"" + DataFolder() + "\";DEFAULT DRIVER:\"PARADOX\""});
        for (TTable *table : {&Dm().Krath, &Dm().Kathgories, &Dm().Periodos, &Dm().Omades, &Dm().Diorganvseis,
                              &Dm().POmades, &Dm().Agvnes})
            if (!table->Active())
                table->Open();
    }

    static QString DataFolder() { return CurrentTestFolders().ProgramHome() + "/Data"; }
    static TTavrolinDM &Dm() { return TavrolinDM(); }

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

    // A competition of the category with its teams named after the competition; the RecNos of its
    // competition teams in order.
    QList<int> AddCompetition(int country, int katNo, const QString &season, int teams, int rounds = 2)
    {
        EXPECT_TRUE(Dm().Kathgories.Locate("KatNo", {katNo}));
        Post(Dm().Diorganvseis, {{"KatNo", katNo},
                                 {"Periodos", season},
                                 {"Omades", teams},
                                 {"Nikh", 3},
                                 {"Isop", 1},
                                 {"Htta", 0},
                                 {"Rounds", rounds},
                                 {"Typos", 0}});
        const int dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
        lastDNo = dNo;
        QList<int> recNos;
        for (int i = 1; i <= teams; ++i) {
            EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country}));
            Dm().Omades.SetFilter(QString("KratosNo = %1").arg(country));
            Dm().Omades.SetFiltered(true);
            Post(Dm().Omades, {{"Name", QString("Ομάδα %1-%2").arg(dNo).arg(i)},
                               {"EnName", QString("Team %1-%2").arg(dNo).arg(i)}});
            const int teamNo = Dm().Omades.FieldByName("TeamNo").AsInteger();
            EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
            EXPECT_TRUE(Dm().Omades.Locate("TeamNo", {teamNo}));
            Post(Dm().POmades, {{"TeamNo", teamNo}});
            recNos.append(Dm().POmades.FieldByName("RecNo").AsInteger());
        }
        return recNos;
    }

    // Stores a match; a league match has no group.
    void AddMatch(int dNo, int day, int home, int away, const QDate &date, QVariant homeGoals = {},
                  QVariant awayGoals = {}, QVariant group = {})
    {
        Post(Dm().Agvnes, {{"DiorgNo", dNo},
                           {"Agvnistikh", day},
                           {"Ghpedoyxos", home},
                           {"Filojenoymenh", away},
                           {"Omilos", group},
                           {"Date", date},
                           {"TelGGoals", homeGoals},
                           {"TelFGoals", awayGoals}});
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

    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    MessageRecorder messages;
    int lastDNo = 0;
};
