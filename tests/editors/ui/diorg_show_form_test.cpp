#include "editors/ui/diorg_show_form.h"

#include "editors/diorganvsh_fixture.h"
#include "editors/ui/agvnes_form1.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"

#include <QComboBox>
#include <QCoreApplication>

#include <memory>

namespace {

// Two seasons; in the older one a league with results up to matchday 2 and a cup without
// matches. The window is built but not shown.
class DiorgShowFormTest : public CompetitionWindowsTest
{
protected:
    void SetUp() override
    {
        CompetitionWindowsTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int league = AddCategory("Α' ΕΘΝΙΚΗ", greece, 0);
        const int cup = AddCategory("ΚΥΠΕΛΛΟ", greece, 1);
        leagueDNo_ = AddCompetition(league, "2004'05", 4);
        cupDNo_ = AddCompetition(cup, "2004'05", 4);
        AddCompetition(league, "2005-06", 4);
        QList<int> teams;
        for (const char *name : {"Ολυμπιακός", "ΑΕΚ", "ΠΑΟΚ", "Άρης"})
            teams.append(AddCompetitionTeam(leagueDNo_, AddTeam(greece, name, QString(name) + " en")));
        AddMatch(leagueDNo_, 1, teams[0], teams[1], QDate(2004, 9, 12), 2, 0);
        AddMatch(leagueDNo_, 1, teams[2], teams[3], QDate(2004, 9, 12), 1, 1);
        AddMatch(leagueDNo_, 2, teams[1], teams[2], QDate(2004, 9, 19), 1, 0);
        AddMatch(leagueDNo_, 2, teams[3], teams[0], QDate(2004, 9, 19));
        AddMatch(leagueDNo_, 3, teams[0], teams[2], QDate(2004, 9, 26));
        form = std::make_unique<TDiorgShowForm>();
        messages.Clear();
    }

    void TearDown() override
    {
        form.reset();
        Printer().SetOutputFileName(QString());
        CompetitionWindowsTest::TearDown();
    }

    static QString RememberedSeason()
    {
        return TRegIniFile("Software\\Tavrolin\\Diorganvsh").ReadString("Options", "NameP", "none");
    }

    QStringList Row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < form->DBGrid1->Columns().Count(); ++column)
            cells.append(form->DBGrid1->CellText(row, column));
        return cells;
    }

    int RowCount() const { return form->DBGrid1->Model().rowCount(); }

    QStringList Seasons() const
    {
        QStringList seasons;
        for (int i = 0; i < form->PeriodCombo->count(); ++i)
            seasons.append(form->PeriodCombo->itemText(i));
        return seasons;
    }

    int leagueDNo_ = 0, cupDNo_ = 0;
    std::unique_ptr<TDiorgShowForm> form;
};

TEST_F(DiorgShowFormTest, ShowsTheRememberedSeasonWithCurrentAndHighestMatchdays)
{
    Remember("", "2004'05");

    form->FormShow();

    EXPECT_EQ(form->windowTitle(), QString("Συγκεντρωτικός Πίνακας Διοργανώσεων"));
    EXPECT_EQ(Seasons(), (QStringList{"2005-06", "2004'05"}));
    EXPECT_EQ(form->PeriodCombo->currentText(), QString("2004'05"));
    QStringList titles;
    for (int column = 0; column < form->DBGrid1->Columns().Count(); ++column)
        titles.append(form->DBGrid1->Columns()[column].Caption());
    EXPECT_EQ(titles, (QStringList{"Διοργάνωση", "Αγων.", "Ημερομηνία", "Αρ. Ομάδων", "Γύροι", "ΒΝ", "ΒΙ",
                                   "ΒΗ", "Πρωτ.", "Προβ.", "Υποβ.", "Αρχείο", "Τελ. Αγωνιστική"}));
    ASSERT_EQ(RowCount(), 2);
    EXPECT_EQ(Row(0),
              (QStringList{"Α' ΕΘΝΙΚΗ", "2", "19/09/2004", "4", "2", "3", "1", "0", "", "", "", "", "3"}));
    EXPECT_EQ(Row(1), (QStringList{"ΚΥΠΕΛΛΟ", "1", "", "4", "2", "3", "1", "0", "", "", "", "", "0"}));
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
}

TEST_F(DiorgShowFormTest, SeasonNoLongerThereGivesTheNewest)
{
    Remember("", "1999");

    form->FormShow();

    EXPECT_EQ(form->PeriodCombo->currentText(), QString("2005-06"));
    ASSERT_EQ(RowCount(), 1);
    EXPECT_EQ(Row(0).first(), QString("Α' ΕΘΝΙΚΗ"));
}

TEST_F(DiorgShowFormTest, ChangingTheSeasonRefillsTheGridAndRemembersIt)
{
    form->FormShow();
    ASSERT_EQ(RowCount(), 1);

    form->PeriodCombo->setCurrentIndex(1);
    emit form->PeriodCombo->activated(1);

    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(RememberedSeason(), QString("2004'05"));
}

TEST_F(DiorgShowFormTest, CloseRemembersTheSeasonAndClearsTheFiltersOthersLeft)
{
    auto *shown = new TDiorgShowForm;
    shown->show();
    shown->PeriodCombo->setCurrentIndex(1);
    Dm().Agvnes.SetRange({leagueDNo_, 1}, {leagueDNo_, 1});
    Dm().Agvnes.SetFilter("TelGGoals = null");
    Dm().Agvnes.SetFiltered(true);
    Dm().Diorganvseis.SetFilter(QString("DNo=%1").arg(cupDNo_));
    Dm().Diorganvseis.SetFiltered(true);
    ASSERT_TRUE(Dm().Omades.Filtered());
    int closed = 0;
    QObject::connect(shown, &TDiorgShowForm::Closed, [&closed] { ++closed; });

    shown->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(closed, 1);
    EXPECT_EQ(DiorgShowForm(), nullptr);
    EXPECT_EQ(RememberedSeason(), QString("2004'05"));
    for (TDataSet *table :
         std::initializer_list<TDataSet *>{&Dm().Agvnes, &Dm().Omades, &Dm().Diorganvseis}) {
        EXPECT_FALSE(table->Filtered()) << table->DisplayTableName().toStdString();
        EXPECT_TRUE(table->Filter().isEmpty()) << table->DisplayTableName().toStdString();
    }
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 5) << "the range is gone";
    EXPECT_EQ(Dm().Diorganvseis.RecordCount(), 3);
}

TEST_F(DiorgShowFormTest, DoubleClickOpensTheUnplayedMatchesOfTheRow)
{
    Remember("", "2004'05");
    form->FormShow();
    Dm().Agvnes.SetRange({cupDNo_}, {cupDNo_});
    Dm().DShowQuery.First();

    form->DBGrid1DblClick();

    EXPECT_TRUE(AgvnesForm1()->isVisible());
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 1) << "the league's one unplayed match up to its current matchday";
    AgvnesForm1()->close();
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 5);
}

TEST_F(DiorgShowFormTest, PrintButtonPrintsTheSummary)
{
    Remember("", "2004'05");
    form->FormShow();
    const QString pdf = CurrentTestFolders().Root() + "/summary.pdf";
    Printer().SetOutputFileName(pdf);

    form->BitBtn1Click();

    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Συγκεντρωτικός Πίνακας Διοργανώσεων 2004'05")) << text.toStdString();
    EXPECT_TRUE(text.contains("Τελ. Αγωνιστική")) << text.toStdString();
    EXPECT_TRUE(text.contains("19/09/2004")) << text.toStdString();
    EXPECT_TRUE(text.contains("ΚΥΠΕΛΛΟ")) << text.toStdString();
}

} // namespace
