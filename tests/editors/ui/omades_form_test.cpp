#include "editors/reference_editors_fixture.h"
#include "editors/ui/omades_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "support/qstring_printer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QToolButton>

namespace {

const QString EnglishNameRequired = "Πρέπει να καταχωρήσετε και το αγγλικό όνομα.";
const QString TeamExists = "Η Ομάδα αυτή υπάρχει!";
const QString TeamInCompetition =
    "Δεν μπορείτε να διαγράψετε την ομάδα.Υπάρχουν καταχωρημένες εγγραφές στις διοργανώσεις.";

class OmadesFormTest : public ReferenceEditorsTest
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        italy_ = AddCountry("Ιταλία");
        greece_ = AddCountry("Ελλάδα");
        england_ = AddCountry("Αγγλία");
    }
    void TearDown() override
    {
        if (form_)
            form_->done(mrCancel);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReferenceEditorsTest::TearDown();
    }

    // Opens the window as the menu does (its first show, then its activation).
    void Open()
    {
        form_ = OmadesForm();
        form_->show();
        form_->FormActivate();
    }

    void ChooseCountry(const QString &name)
    {
        form_->CmbKrath->setCurrentText(name);
        form_->CmbKrathChange();
    }

    // Types a team into a new row and presses the post button.
    void EnterTeam(const QString &name, const QString &enName)
    {
        form_->DBNavigator1->Button(nbInsert)->click();
        form_->DBGrid1->Model().SetCellText(0, name);
        form_->DBGrid1->Model().SetCellText(1, enName);
        form_->DBNavigator1->Button(nbPost)->click();
    }

    QStringList ShownTeams()
    {
        QStringList names;
        for (int row = 0; row < form_->DBGrid1->Model().rowCount(); ++row)
            names << form_->DBGrid1->CellText(row, 0);
        return names;
    }

    int TeamRows(const QString &name)
    {
        return Count(R"(SELECT COUNT(*) FROM "Omades" WHERE "Name" = ?1)", {name});
    }

    // Puts the cursor on the team and presses the delete button with the answer given.
    void DeleteTeam(const QString &name, const QString &enName, int answer)
    {
        ASSERT_TRUE(Dm().Omades.Locate("Name;EnName", {name, enName}));
        messages_.QueueAnswer(answer);
        form_->SpeedButton1->click();
    }

    QPointer<TOmadesForm> form_;
    int italy_ = 0;
    int greece_ = 0;
    int england_ = 0;
};

TEST_F(OmadesFormTest, ListsTheCountriesAlphabeticallyAndShowsTheFirstCountrysTeams)
{
    AddTeam(england_, "Άρσεναλ", "Arsenal");
    AddTeam(greece_, "Ολυμπιακός", "Olympiakos");
    AddTeam(england_, "Τσέλσι", "Chelsea");

    Open();

    EXPECT_EQ(form_->windowTitle(), "Καταχώρηση-Αλλαγή Ομάδων");
    EXPECT_EQ(form_->Label1->text(), "Κράτος");
    EXPECT_EQ(form_->SpeedButton1->text(), "D");
    EXPECT_EQ(form_->SpeedButton1->toolTip(), "Διαγραφή");
    ASSERT_EQ(form_->CmbKrath->count(), 3);
    EXPECT_EQ(form_->CmbKrath->itemText(0), "Αγγλία");
    EXPECT_EQ(form_->CmbKrath->itemText(1), "Ελλάδα");
    EXPECT_EQ(form_->CmbKrath->itemText(2), "Ιταλία");
    EXPECT_EQ(form_->CmbKrath->currentIndex(), 0);
    EXPECT_EQ(Dm().Krath.FieldByName("RecNo").AsInteger(), england_);
    EXPECT_EQ(ShownTeams(), QStringList({"Άρσεναλ", "Τσέλσι"}));
    ASSERT_EQ(form_->DBGrid1->Columns().Count(), 2);
    EXPECT_EQ(form_->DBGrid1->Columns()[0].Caption(), "Ελληνική Ονομασία");
    EXPECT_EQ(form_->DBGrid1->Columns()[1].Caption(), "Αγγλική Ονομασία");
    EXPECT_EQ(form_->DBGrid1->Columns()[1].Width, 250);
    EXPECT_EQ(form_->DBNavigator1->VisibleButtons(),
              TButtonSet({nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbEdit, nbPost}));
    for (int i = 0; i <= int(nbRefresh); ++i)
        EXPECT_EQ(form_->DBNavigator1->Button(TNavigateBtn(i))->icon().cacheKey(),
                  form_->ImageList1.at(i).cacheKey());
}

TEST_F(OmadesFormTest, SwitchingTheCountryShowsItsTeamsAndANewTeamBelongsToIt)
{
    AddTeam(england_, "Άρσεναλ", "Arsenal");
    AddTeam(greece_, "Ολυμπιακός", "Olympiakos");
    Open();

    ChooseCountry("Ελλάδα");
    EXPECT_EQ(ShownTeams(), QStringList({"Ολυμπιακός"}));

    EnterTeam("Παναθηναϊκός", "Panathinaikos");

    EXPECT_EQ(messages_.Count(), 0);
    const QList<QVariantList> stored =
        Rows(R"(SELECT "KratosNo", "TeamNo" FROM "Omades" WHERE "Name" = 'Παναθηναϊκός')");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.at(0).at(0).toInt(), greece_);
    EXPECT_EQ(stored.at(0).at(1).toInt(), 3);
    EXPECT_EQ(ShownTeams(), QStringList({"Ολυμπιακός", "Παναθηναϊκός"}));
}

TEST_F(OmadesFormTest, TheTeamRulesRefuseAMissingEnglishNameAndADuplicateWithTheirMessages)
{
    AddTeam(greece_, "Ολυμπιακός", "Olympiakos");
    Open();
    ChooseCountry("Ελλάδα");

    struct Case
    {
        QString name;
        QString enName;
        QString message;
    };
    const Case cases[] = {{"Άρης", "", EnglishNameRequired},
                          {"Άρης", "  ", EnglishNameRequired},
                          {"Ολυμπιακός", "", EnglishNameRequired},
                          {"Ολυμπιακός", "Olympiakos", TeamExists}};
    for (const Case &c : cases) {
        SCOPED_TRACE((c.name + "/" + c.enName).toStdString());
        messages_.Clear();
        EnterTeam(c.name, c.enName);

        ASSERT_EQ(messages_.Count(), 1);
        EXPECT_EQ(messages_.Last().text, c.message);
        EXPECT_EQ(Dm().Omades.State(), TDataSetState::dsInsert);
        Dm().Omades.Cancel();
    }
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Omades")"), 1);

    // The same Greek name in another country is another team.
    ChooseCountry("Ιταλία");
    EnterTeam("Ολυμπιακός", "Olympiakos");
    EXPECT_EQ(TeamRows("Ολυμπιακός"), 2);
}

TEST_F(OmadesFormTest, ATeamOfAnyCompetitionIsNotDeleted)
{
    const int olympiakos = AddTeam(greece_, "Ολυμπιακός", "Olympiakos");
    const int katNo = AddCategory("Α Εθνική", greece_);
    const int older = AddCompetition(katNo, "2003-04", 16);
    AddCompetitionTeam(older, olympiakos);
    // The current competition is another one, without the team.
    const int current = AddCompetition(katNo, "2004-05", 16);
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {current}));
    Open();
    ChooseCountry("Ελλάδα");
    messages_.Clear();

    DeleteTeam("Ολυμπιακός", "Olympiakos", mrYes);

    EXPECT_EQ(TeamRows("Ολυμπιακός"), 1);
    ASSERT_EQ(messages_.Count(), 2);
    EXPECT_EQ(messages_.Calls().at(0).text, "Επιβεβαιώστε τη διαγραφή");
    EXPECT_EQ(messages_.Calls().at(0).caption, "Διαγραφή");
    EXPECT_EQ(messages_.Calls().at(0).icon, mtConfirmation);
    EXPECT_EQ(messages_.Calls().at(0).defaultButton, mbNo);
    EXPECT_EQ(messages_.Last().text, TeamInCompetition);
}

TEST_F(OmadesFormTest, ATeamOfNoCompetitionIsDeletedAfterYesAndOnlyThatRecord)
{
    AddTeam(greece_, "Ο'Νηλ", "O'Neil");
    AddTeam(greece_, "Άρης", "Aris");
    Open();
    ChooseCountry("Ελλάδα");

    DeleteTeam("Άρης", "Aris", mrNo);
    EXPECT_EQ(TeamRows("Άρης"), 1);

    DeleteTeam("Ο'Νηλ", "O'Neil", mrYes);
    EXPECT_EQ(TeamRows("Ο'Νηλ"), 0);
    EXPECT_EQ(TeamRows("Άρης"), 1);
    EXPECT_TRUE(Dm().Omades.Active());
    EXPECT_EQ(ShownTeams(), QStringList({"Άρης"}));
    EXPECT_EQ(messages_.Count(), 2);
}

TEST_F(OmadesFormTest, DeletingATeamNotStoredYetDropsIt)
{
    AddTeam(greece_, "Άρης", "Aris");
    Open();
    ChooseCountry("Ελλάδα");
    form_->DBNavigator1->Button(nbInsert)->click();
    form_->DBGrid1->Model().SetCellText(0, "ΠΑΟΚ");

    messages_.QueueAnswer(mrYes);
    form_->SpeedButton1->click();

    EXPECT_EQ(Dm().Omades.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(TeamRows("Άρης"), 1);
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Omades")"), 1);
}

TEST_F(OmadesFormTest, ClosingUnfiltersTheTeamsAndDestroysTheWindow)
{
    AddTeam(greece_, "Άρης", "Aris");
    Open();
    ASSERT_TRUE(Dm().Omades.Filtered());

    form_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_FALSE(Dm().Omades.Filtered());
    EXPECT_TRUE(form_.isNull());
    form_ = OmadesForm();
    EXPECT_FALSE(form_.isNull());
}

} // namespace
