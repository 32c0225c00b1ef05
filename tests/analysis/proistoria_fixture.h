#pragma once

#include "platform/core/message_recorder.h"
#include "support/data_module_test_base.h"

// The program's data module on a fresh data folder with the shared tables open and the message
// boxes recorded, and a history of meetings entered through the module's tables: clubs that play
// in several competitions and seasons under other competition-team records.
class ProistoriaTest : public ProgramDataModuleTest
{
protected:
    // A competition of twenty teams (typos 0: league, 1: cup) of a new category; its DNo.
    int AddCompetition(int country, const QString &category, const QString &season, int typos)
    {
        const int katNo = AddCategory(category, country, typos);
        return ProgramDataModuleTest::AddCompetition(katNo, season, 20, 2, typos);
    }

    int AddClub(int country, const QString &name) { return AddTeam(country, name, name + " en"); }

    // The club's competition-team record in the competition.
    int Enter(int dNo, int teamNo) { return AddCompetitionTeam(dNo, teamNo); }

    // Two seasons of a league and a cup, and a European cup with a foreign club:
    // the chosen match is Ολυμπιακός - Παναθηναϊκός of 6 March 2005 (league 2004-05).
    void AddHistory()
    {
        const int greece = AddCountry("Ελλάδα");
        const int spain = AddCountry("Ισπανία");
        const int league03 = AddCompetition(greece, "Α Εθνική 03", "2003-04", 0);
        const int league04 = AddCompetition(greece, "Α Εθνική", "2004-05", 0);
        const int cup04 = AddCompetition(greece, "Κύπελλο", "2004-05", 1);
        const int europe = AddCompetition(spain, "Ευρώπη", "2004-05", 1);
        const int oly = AddClub(greece, "Ολυμπιακός");
        const int pao = AddClub(greece, "Παναθηναϊκός");
        const int aek = AddClub(greece, "ΑΕΚ");
        const int real = AddClub(spain, "Ρεάλ");
        const int oly03 = Enter(league03, oly);
        const int pao03 = Enter(league03, pao);
        const int oly04 = Enter(league04, oly);
        const int pao04 = Enter(league04, pao);
        const int aek04 = Enter(league04, aek);
        const int olyCup = Enter(cup04, oly);
        const int paoCup = Enter(cup04, pao);
        const int olyEu = Enter(europe, oly);
        const int realEu = Enter(europe, real);
        AddMatch(league03, 3, oly03, pao03, {2003, 9, 21}, 2, 1);
        AddMatch(league03, 18, pao03, oly03, {2004, 2, 1}, 0, 0);
        AddMatch(cup04, 2, olyCup, paoCup, {2004, 12, 15});
        AddMatch(league04, 5, oly04, aek04, {2004, 10, 3}, 1, 1);
        AddMatch(europe, 1, olyEu, realEu, {2004, 9, 15}, 1, 3);
        AddMatch(europe, 4, realEu, olyEu, {2004, 11, 2}, 0, 1);
        AddMatch(league04, 22, oly04, pao04, {2005, 3, 6}, 1, 0);
        // On the date of the chosen match and later: never listed.
        AddMatch(cup04, 5, olyCup, paoCup, {2005, 3, 6});
        AddMatch(cup04, 6, paoCup, olyCup, {2005, 4, 20}, 2, 2);
        chosenLeague_ = league04;
        europe_ = europe;
        // The confirmations of the competitions entered.
        messages_.Clear();
    }

    int chosenLeague_ = 0;
    int europe_ = 0;
    MessageRecorder messages_;
};
