// The match list's form button: the team form window on the list's lists, and the list back on
// the window's choice with its matchday unchanged.
#include "analysis/ui/pin_form.h"
#include "app/window_links.h"
#include "editors/agvnes_form_fixture.h"
#include "editors/ui/agvnes_form.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/up_down_edit.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace tav::app;

namespace {

class TeamFormLinkTest : public MatchListTest
{
protected:
    void SetUp() override
    {
        MatchListTest::SetUp();
        const int country = AddCountry("Ελλάδα");
        const int katNo = AddCategory("Α Εθνική", country);
        for (const char *season : {"2004-05", "2005-06"})
            AddSeason(season);
        older = AddCompetition(country, katNo, "2004-05", 4);
        AddMatch(lastDNo, 1, older[0], older[1], QDate(2004, 9, 12), 2, 1);
        AddMatch(lastDNo, 2, older[1], older[0], QDate(2004, 9, 19), 1, 1);
        newer = AddCompetition(country, katNo, "2005-06", 4);
        AddMatch(lastDNo, 1, newer[0], newer[1], QDate(2005, 9, 11), 0, 3);
        AddMatch(lastDNo, 2, newer[2], newer[0], QDate(2005, 9, 18), 1, 1);
        menuItem.setObjectName("N18");
        RememberChoice("Α Εθνική", "2004-05");
        LinkedAgvnesForm();
        AgvnesForm()->ShowForCaller(&menuItem);
        messages.Clear();
    }

    QList<int> older;
    QList<int> newer;
    QAction menuItem;
};

} // namespace

TEST_F(TeamFormLinkTest, FormButtonShowsTheTeamFormOnTheListsAndBringsTheListBackOnItsChoice)
{
    TAgvnesForm &list = *AgvnesForm();
    ASSERT_EQ(list.AgvnEdit->Text(), "2");
    ASSERT_TRUE(list.BtnForma->isEnabled());
    const QStringList listSeasons = list.Chooser->Lists().Seasons;
    QStringList shownSeasons;
    QString viewedGames;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        auto &form = static_cast<TPinForm &>(dialog);
        shownSeasons = form.Chooser->Lists().Seasons;
        const int season = form.PeriodCombo->findText("2005-06");
        form.PeriodCombo->setCurrentIndex(season);
        emit form.PeriodCombo->activated(season);
        form.DBLookupComboBox1->setFocus();
        QTest::keyClick(form.DBLookupComboBox1, Qt::Key_Down);
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        viewedGames = form.LblAS->text();
        dialog.reject();
        return dialog.result();
    });

    QTest::mouseClick(list.BtnForma, Qt::LeftButton);

    EXPECT_EQ(runner.RunCount(), 1);
    EXPECT_EQ(shownSeasons, listSeasons);
    // The first team of 2005-06 lost at home and drew away.
    EXPECT_EQ(viewedGames, "2");
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.PeriodCombo->currentText(), "2005-06");
    EXPECT_EQ(list.DiorgCombo->currentText(), "Α Εθνική");
    EXPECT_EQ(list.AgvnEdit->Text(), "2");
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 1);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('|').toStdString();
}
