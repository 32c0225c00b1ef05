#include "editors/ui/agvn_util_frm.h"

#include "editors/diorganvsh_fixture.h"
#include "platform/db/sqlite_statement.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

const QString ChooseSeason = QStringLiteral("Παρακαλώ επιλέξτε μία περίοδο");

// Three leagues of one season with two matches each; the second league's team list names a club
// otherwise than the clubs do. The window is shown as it shows when opened.
class AgvnUtilFrmTest : public CompetitionWindowsTest
{
protected:
    void SetUp() override
    {
        CompetitionWindowsTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        for (const QString name : {"Α' ΕΘΝΙΚΗ", "Β' ΕΘΝΙΚΗ", "Γ' ΕΘΝΙΚΗ"}) {
            const int katNo = AddCategory(name, greece);
            const int dNo = AddCompetition(katNo, "2004-05", 2);
            const QList<int> teams = AddCompetitionTeams(greece, dNo, 2, "Ομάδα %1-%2", "Team %1-%2");
            AddMatch(dNo, 1, teams[0], teams[1], QDate(2004, 9, 12), 1, 0);
            AddMatch(dNo, 2, teams[1], teams[0], QDate(2004, 9, 19), 2, 2);
            competitions.append(dNo);
            categories.append(name);
            homeTeams.append(teams[0]);
        }
        AddSeason("2005-06");
        Dm().Agvnes.SetFilter(QString());
        Dm().Agvnes.SetFiltered(false);
        messages.Clear();
    }

    void TearDown() override
    {
        delete AgvnUtilFrm();
        CompetitionWindowsTest::TearDown();
    }

    TAgvnUtilFrm *Open()
    {
        auto *form = new TAgvnUtilFrm;
        form->show();
        return form;
    }

    void MisnameTeamOf(int competition)
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(
            "UPDATE PerOmades SET GrName = 'Άλλο όνομα' WHERE RecNo = ?1");
        statement->BindAll({homeTeams[competition]});
        statement->Execute();
    }

    // The competitions the grid lists, by their category names.
    QSet<QString> Listed(TAgvnUtilFrm *form)
    {
        QSet<QString> listed;
        const int column = form->DBGrid1->Columns().Count() - 1;
        for (int row = 0; row < form->DBGrid1->Model().rowCount(); ++row)
            listed.insert(form->DBGrid1->CellText(row, column));
        return listed;
    }

    // What a user does with the mouse in a lookup list: picks the item showing this text.
    static void Choose(TDBLookupComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        emit combo->activated(index);
    }

    QList<int> competitions;
    QStringList categories;
    QList<int> homeTeams;
};

TEST_F(AgvnUtilFrmTest, CheckListsTheMatchesOfTheMisnamedCompetitionAndExitClearsTheFilter)
{
    MisnameTeamOf(1);
    TAgvnUtilFrm *form = Open();
    EXPECT_EQ(form->windowTitle(), "Ελεγχός αρχείου Αγώνων");
    QStringList titles;
    for (int column = 0; column < form->DBGrid1->Columns().Count(); ++column)
        titles.append(form->DBGrid1->Columns()[column].Caption());
    EXPECT_EQ(titles, (QStringList{"Γηπεδούχος", "Φιλοξενούμενη", "Γηπ. (Ομάδες)", "Φιλ. (Ομάδες)",
                                   "Αγωνιστ.", "Ημ/νία", "Διοργάνωση"}));
    EXPECT_EQ(form->DBGrid1->Model().rowCount(), 6) << "every match before the check";

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);

    EXPECT_EQ(Listed(form), (QSet<QString>{categories[1]}));
    ASSERT_EQ(form->DBGrid1->Model().rowCount(), 2);
    // The second match has the misnamed team away.
    EXPECT_EQ(form->DBGrid1->CellText(1, 1), "Άλλο όνομα");
    EXPECT_EQ(form->DBGrid1->CellText(1, 3), QString("Ομάδα %1-1").arg(competitions[1]));
    EXPECT_EQ(messages.Count(), 0);

    QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(AgvnUtilFrm(), nullptr);
    EXPECT_FALSE(Dm().Agvnes.Filtered());
    EXPECT_TRUE(Dm().Agvnes.Filter().isEmpty());
}

TEST_F(AgvnUtilFrmTest, CheckWithEveryNameAgreeingKeepsTheViewItHad)
{
    TAgvnUtilFrm *form = Open();
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(form->DBGrid1->Model().rowCount(), 6);

    Choose(form->DBLookupComboBox2, "2004-05");
    Choose(form->DBLookupComboBox1, categories[2]);
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(Listed(form), (QSet<QString>{categories[2]}));
}

TEST_F(AgvnUtilFrmTest, PickedCompetitionComesFirstAndTheCheckAddsToIt)
{
    MisnameTeamOf(0);
    TAgvnUtilFrm *form = Open();

    // Without a season nothing can be found: the view stays.
    Choose(form->DBLookupComboBox1, categories[2]);
    EXPECT_EQ(messages.Texts(), QStringList{ChooseSeason});
    EXPECT_EQ(form->DBGrid1->Model().rowCount(), 6);

    Choose(form->DBLookupComboBox2, "2005-06");
    Choose(form->DBLookupComboBox1, categories[2]);
    EXPECT_EQ(form->DBGrid1->Model().rowCount(), 6) << "no such competition in that season";

    Choose(form->DBLookupComboBox2, "2004-05");
    Choose(form->DBLookupComboBox1, categories[2]);
    EXPECT_EQ(Listed(form), (QSet<QString>{categories[2]}));
    EXPECT_EQ(Dm().Agvnes.Filter(), QString("DiorgNo=%1").arg(competitions[2]));

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(Listed(form), (QSet<QString>{categories[0], categories[2]}));
    EXPECT_EQ(messages.Count(), 1);
}

} // namespace
