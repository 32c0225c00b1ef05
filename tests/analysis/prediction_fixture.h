#pragma once

#include "analysis/prediction_engine.h"
#include "analysis/prediction_store.h"
#include "platform/core/message_recorder.h"
#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

// An 18-team league of which four teams are entered, two played matchdays and a third that is
// half played, listed as the match list leaves it on the data module's Agvnes.
class PredictionTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Ελλάδα");
        league_ = ProgramDataModuleTest::AddCompetition(AddCategory("Α Εθνική", country), "2004-05", 18);
        teams_ = AddCompetitionTeams(country, league_, 4, "Ομάδα %1-%2", "Team %1-%2");
        AddMatch(league_, 1, teams_[0], teams_[1], {2004, 9, 12}, 2, 0);
        AddMatch(league_, 1, teams_[2], teams_[3], {2004, 9, 12}, 1, 1);
        AddMatch(league_, 2, teams_[0], teams_[2], {2004, 9, 19}, 1, 0);
        AddMatch(league_, 2, teams_[3], teams_[1], {2004, 9, 19}, 0, 2);
        unplayed_ = AddMatch(league_, 3, teams_[0], teams_[3], {2004, 9, 26});
        AddMatch(league_, 3, teams_[1], teams_[2], {2004, 9, 26}, 3, 1);
        messages_.Clear();
    }

    // The matchday as the match list shows it.
    void List(int matchday)
    {
        Dm().Agvnes.SetFilter(QString("DiorgNo = %1 and Agvnistikh = %2").arg(league_).arg(matchday));
        Dm().Agvnes.SetFiltered(true);
        Dm().Agvnes.First();
    }

    void AddTeamStat(int team, int matchday, const QVariantList &figures = {0, 0, 0, 0, 0, 0, 0, 0, 0})
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(
            "INSERT INTO TeamStat (TeamNo, Agvnistikh, NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, "
            "HttesOut, "
            "Position, PositionEntos, PositionEktos) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
        statement->BindAll(QVariantList{team, matchday} + figures);
        statement->Execute();
    }

    // Anal1, AnalX and Anal2 of a TeamStat row; empty without the row.
    QVariantList Percentages(int team, int matchday)
    {
        const QList<QVariantList> rows =
            Rows("SELECT Anal1, AnalX, Anal2 FROM TeamStat WHERE TeamNo = ?1 AND Agvnistikh = ?2",
                 {team, matchday});
        return rows.isEmpty() ? QVariantList() : rows.first();
    }

    static tav::analysis::TPercentages PercentOf(const tav::analysis::TAnalysisRow &row)
    {
        using namespace tav::analysis;
        return {row.Percent[Percent1], row.Percent[PercentX], row.Percent[Percent2]};
    }

    int league_ = 0;
    QList<int> teams_;
    int unplayed_ = 0;
    MessageRecorder messages_;
};
