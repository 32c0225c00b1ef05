// The windows the match list opens for its listed matches, and the way back, as the program links
// them.
#include "analysis/ui/agvn_pososta_form.h"
#include "analysis/ui/agvn_proistoria_form.h"
#include "analysis/ui/baum_form.h"
#include "analysis/ui/proistoria_form.h"
#include "app/window_links.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "editors/agvnes_form_fixture.h"
#include "editors/ui/agvnes_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/up_down_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tav::app;

namespace {

class MatchListLinksTest : public MatchListTest
{
protected:
    void SetUp() override
    {
        MatchListTest::SetUp();
        const int country = AddCountry("Ελλάδα");
        AddSeason("2004-05");
        league = AddCompetition(country, AddCategory("Α Εθνική", country), "2004-05", 4);
        leagueNo = lastDNo;
        AddMatch(leagueNo, 1, league[0], league[1], QDate(2004, 9, 12), 2, 1);
        AddMatch(leagueNo, 1, league[2], league[3], QDate(2004, 9, 12), 0, 0);
        AddMatch(leagueNo, 2, league[1], league[0], QDate(2004, 9, 19), 1, 1);
        AddMatch(leagueNo, 2, league[3], league[2], QDate(2004, 9, 19));
        menuItem.setObjectName("N18");
        RememberChoice("Α Εθνική", "2004-05");
        LinkedAgvnesForm();
        AgvnesForm()->ShowForCaller(&menuItem);
        messages.Clear();
    }

    QList<int> league;
    int leagueNo = 0;
    QAction menuItem;
};

} // namespace

TEST_F(MatchListLinksTest, LeagueTableOpensOnTheListedMatchdayAndLeadsBack)
{
    TAgvnesForm &list = *AgvnesForm();
    ASSERT_EQ(list.AgvnEdit->Text(), "2");
    list.AgvnEdit->SetText("1");
    list.BaumButtonClick();

    TBaumForm &table = BaumForm();
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.AgvnEdit->Position(), 1);
    EXPECT_EQ(table.DiorgCombo->currentText(), "Α Εθνική");
    // After matchday 1 the first home side leads with the only win.
    EXPECT_EQ(table.SGrd->Cells(1, 0), QString("Ομάδα %1-1").arg(leagueNo));
    EXPECT_EQ(messages.Count(), 0);

    table.AgvnButtonClick();
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.DiorgCombo->currentText(), "Α Εθνική");
    EXPECT_EQ(list.PeriodCombo->currentText(), "2004-05");
    EXPECT_EQ(list.AgvnEdit->Text(), "1");
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 2);
}

TEST_F(MatchListLinksTest, HeadToHeadPopupListsTheEarlierMeetingOfTheMatchUnderTheCursor)
{
    TAgvnesForm &list = *AgvnesForm();
    // Matchday 2 lists the return match of matchday 1's first game.
    ASSERT_TRUE(Dm().Agvnes.Locate("Ghpedoyxos;Filojenoymenh", {league[1], league[0]}));
    list.N2Click();
    TProistoriaForm &popup = *ProistoriaForm();
    EXPECT_TRUE(popup.isVisible());
    EXPECT_GE(popup.ProistoriaQuery.RecordCount(), 1);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(MatchListLinksTest, AnalysisButtonPredictsTheListedMatchday)
{
    TAgvnesForm &list = *AgvnesForm();
    ASSERT_TRUE(list.Button1->isEnabled());
    QTest::mouseClick(list.Button1, Qt::LeftButton);
    TAgvnPosostaForm &prediction = *AgvnPosostaForm();
    EXPECT_TRUE(prediction.isVisible());
    EXPECT_EQ(prediction.AgvnLabel->text(), "Αγωνιστική 2η");
    ASSERT_EQ(prediction.Analysis.AnalysisCount, 2);
    EXPECT_EQ(prediction.AnalyshGrid->RowCount(), 4);
    // The return match of matchday 2 ended in a draw.
    EXPECT_EQ(prediction.AnalyshGrid->Cells(2, 1), QString("Ομάδα %1-2 - Ομάδα %1-1").arg(leagueNo));
    EXPECT_EQ(prediction.AnalyshGrid->Cells(11, 1), "X");
    EXPECT_EQ(prediction.AnalyshGrid->Cells(2, 3), "Επιτυχίες :");
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('|').toStdString();
}

TEST_F(MatchListLinksTest, HistoryButtonShowsTheMeetingsOfTheListedMatchday)
{
    TAgvnesForm &list = *AgvnesForm();
    ASSERT_TRUE(list.Button2->isEnabled());
    QTest::mouseClick(list.Button2, Qt::LeftButton);
    TAgvnProistoriaForm &history = *AgvnProistoriaForm();
    EXPECT_TRUE(history.isVisible());
    EXPECT_EQ(history.windowTitle(), "Προϊστορία Αγώνων");
    EXPECT_EQ(history.AgvnLabel->text(), "Αγωνιστική 2η");
    // Matchday 1 of the same season came before: one season column, two rows per match.
    ASSERT_EQ(history.ProistoriaGrid->RowCount(), 5);
    EXPECT_EQ(history.ProistoriaGrid->ColCount(), 8);
    EXPECT_EQ(history.ProistoriaGrid->Cells(1, 0), "2004-05");
    EXPECT_EQ(history.ProistoriaGrid->Cells(0, 1), QString("Ομάδα %1-2 - Ομάδα %1-1").arg(leagueNo));
    EXPECT_EQ(history.ProistoriaGrid->Cells(1, 2), " 2- 1");
    EXPECT_EQ(history.ProistoriaGrid->Cells(7, 1), " 1- 1");
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('|').toStdString();
    history.close();
}
