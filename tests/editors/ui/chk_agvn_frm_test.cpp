#include "editors/ui/chk_agvn_frm.h"

#include "editors/diorganvsh_fixture.h"
#include "platform/db/sqlite_statement.h"
#include "platform/ui/db_lookup_combo.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

// One league of the season 2004-05 with three matches and a season whose text names no table.
// The dialog is shown as the menu shows it, without its own loop.
class ChkAgvnFrmTest : public CompetitionWindowsTest
{
protected:
    void SetUp() override
    {
        CompetitionWindowsTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        dNo = AddCompetition(AddCategory("Α' ΕΘΝΙΚΗ", greece), "2004-05", 3);
        teams = AddCompetitionTeams(greece, dNo, 3, "Ομάδα %1-%2", "Team %1-%2");
        AddMatch(dNo, 1, teams[0], teams[1], QDate(2004, 9, 12), 1, 0);
        AddMatch(dNo, 2, teams[1], teams[2], QDate(2004, 9, 19), 2, 2);
        AddMatch(dNo, 3, teams[2], teams[0], QDate(2004, 9, 26));
        AddSeason("2004'05");
        messages.Clear();
        ChkAgvnFrm()->show();
    }

    void TearDown() override
    {
        ChkAgvnFrm()->hide();
        CompetitionWindowsTest::TearDown();
    }

    // Picks the season in the list as the mouse does, then presses the start button.
    void Start(const QString &season)
    {
        TDBLookupComboBox *combo = ChkAgvnFrm()->PeriodCombo;
        const int index = combo->findText(season);
        ASSERT_GE(index, 0) << season.toStdString();
        emit combo->activated(index);
        QTest::mouseClick(ChkAgvnFrm()->BitBtn1, Qt::LeftButton);
    }

    int Copied() { return Count("SELECT count(*) FROM Agvnes200405"); }

    int dNo = 0;
    QList<int> teams;
};

TEST_F(ChkAgvnFrmTest, StartCopiesTheSeasonAndAgainUpdatesIt)
{
    EXPECT_EQ(ChkAgvnFrm()->windowTitle(), "ΜΕΤΑΦΟΡΑ ΕΓΓΡΑΦΩΝ ΣΤΟ ΑΡΧΕΙΟ ΑΓΩΝΩΝ");
    Start("2004-05");
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(Copied(), 3);
    EXPECT_EQ(ChkAgvnFrm()->ProgBar->value(), 0);

    Start("2004-05");
    EXPECT_EQ(Copied(), 3);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(ChkAgvnFrmTest, RefusedSeasonsAndFailedCopiesAreReportedAndStoreNothing)
{
    QTest::mouseClick(ChkAgvnFrm()->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text,
              "Δεν επιλέξατε περίοδο.\nΕπιλέξτε την περίοδο των αγώνων που θα μεταφερθούν.");
    EXPECT_EQ(messages.Last().icon, mtError);

    Start("2004'05");
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_TRUE(messages.Last().text.startsWith("Η περίοδος \"2004'05\" δεν μπορεί"))
        << messages.Last().text.toStdString();

    DbConnection::Lease unnumbered =
        Dm().TavrolinDb.Connection().Statement("UPDATE Agvnes SET Agvnistikh = NULL WHERE Agvnistikh = 3");
    unnumbered->Execute();
    Start("2004-05");
    ASSERT_EQ(messages.Count(), 3);
    EXPECT_TRUE(messages.Last().text.startsWith("Η μεταφορά ακυρώθηκε"))
        << messages.Last().text.toStdString();
    EXPECT_FALSE(Dm().TavrolinDb.TableExists("Agvnes200405"));
    EXPECT_EQ(ChkAgvnFrm()->ProgBar->value(), 0);
}

} // namespace
