#pragma once

#include "editors/result_text_format.h"
#include "platform/core/message_recorder.h"
#include "support/data_module_test_base.h"

// A league of one country whose teams carry upper-case English names, and text result files in the
// writer line built from matchdays of (home, away, score) with one date per matchday.
class ResultImportTest : public ProgramDataModuleTest
{
protected:
    struct Match
    {
        QString home;
        QString away;
        QString homeGoals;
        QString awayGoals;
    };

    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        country_ = AddCountry("Ελλάδα");
        katNo_ = AddCategory("Α' Εθνική", country_);
    }

    // A competition of the teams; it becomes the current one.
    int NewCompetition(int teams, int rounds = 2, const QString &season = "2005-2006")
    {
        const int dNo = AddCompetition(katNo_, season, teams, rounds);
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
        return dNo;
    }

    int AddClub(const QString &greek, const QString &english) { return AddTeam(country_, greek, english); }

    // Matchday i (from 1) is dated first + 7 * (i - 1) days.
    static QStringList WriterLines(const QList<QList<Match>> &matchdays, const QDate &first)
    {
        QStringList lines{"Α' Εθνική"};
        for (int i = 0; i < matchdays.size(); ++i) {
            lines.append(QString(32, '-') + QString::number(i + 1));
            const QString date = first.addDays(7 * i).toString("dd/MM/yyyy");
            for (const Match &m : matchdays[i])
                lines.append(tav::editors::ResultLine(date, m.home, m.away, m.homeGoals, m.awayGoals));
        }
        return lines;
    }

    QList<QVariantList> Matches(int dNo)
    {
        return Rows(
            "SELECT a.Agvnistikh, g.EnName, f.EnName, a.TelGGoals, a.TelFGoals, a.\"Date\", a.GTeamNo "
            "FROM Agvnes a JOIN PerOmades g ON g.RecNo = a.Ghpedoyxos "
            "JOIN PerOmades f ON f.RecNo = a.Filojenoymenh WHERE a.DiorgNo = ?1 "
            "ORDER BY a.Agvnistikh, a.GameNo",
            {dNo});
    }

    MessageRecorder messages_;
    int country_ = 0;
    int katNo_ = 0;
};
