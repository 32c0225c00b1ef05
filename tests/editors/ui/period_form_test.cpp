#include "editors/reference_editors_fixture.h"
#include "editors/ui/period_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "support/qstring_printer.h"

#include <QToolButton>

namespace {

const QString SeasonInUse = "Σε αυτή την περίοδο υπάρχουν καταχωρημένα στοιχεία στις διοργανώσεις!\n"
                            "Δεν μπορεί να διαγραφεί";

class PeriodFormTest : public ReferenceEditorsTest
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        form_ = PeriodForm();
    }
    void TearDown() override
    {
        form_->hide();
        ReferenceEditorsTest::TearDown();
    }

    int SeasonCount(const QString &season)
    {
        return Count(R"(SELECT COUNT(*) FROM "Periodos" WHERE "Periodos" = ?1)", {season});
    }

    // Types a season into a new row and presses the post button.
    void EnterSeason(const QString &season)
    {
        form_->DBNavigator1->Button(nbInsert)->click();
        form_->DBGrid1->Model().SetCellText(0, season);
        form_->DBNavigator1->Button(nbPost)->click();
    }

    TPeriodForm *form_ = nullptr;
};

TEST_F(PeriodFormTest, ShowsTheSeasonsNewestFirstInItsOneColumn)
{
    for (const QString season : {"2003-04", "2004", "2004-05"})
        AddSeason(season);
    Dm().Periodos.Close();

    form_->show();

    EXPECT_TRUE(Dm().Periodos.Active());
    EXPECT_EQ(form_->windowTitle(), "Περίοδος");
    ASSERT_EQ(form_->DBGrid1->Columns().Count(), 1);
    EXPECT_EQ(form_->DBGrid1->Columns()[0].Caption(), "Αγωνιστική Περίοδος");
    EXPECT_EQ(form_->DBGrid1->Columns()[0].Width, 185);
    EXPECT_TRUE(form_->DBGrid1->Options().Contains(dgConfirmDelete));
    ASSERT_EQ(form_->DBGrid1->Model().rowCount(), 3);
    EXPECT_EQ(form_->DBGrid1->CellText(0, 0), "2004-05");
    EXPECT_EQ(form_->DBGrid1->CellText(1, 0), "2004");
    EXPECT_EQ(form_->DBGrid1->CellText(2, 0), "2003-04");
    EXPECT_EQ(form_->DBNavigator1->VisibleButtons(),
              TButtonSet({nbPrior, nbNext, nbInsert, nbDelete, nbPost, nbCancel}));
    EXPECT_TRUE(form_->DBNavigator1->ConfirmDelete());
    for (int i = 0; i <= int(nbRefresh); ++i)
        EXPECT_EQ(form_->DBNavigator1->Button(TNavigateBtn(i))->icon().cacheKey(),
                  form_->ImageList1.at(i).cacheKey());
}

TEST_F(PeriodFormTest, StoresANewSeasonAndRefusesOneTypedTwiceWithTheEngineMessage)
{
    form_->show();

    EnterSeason("2005-06");
    EXPECT_EQ(SeasonCount("2005-06"), 1);
    EXPECT_EQ(messages_.Count(), 0);

    EnterSeason("2005-06");
    EXPECT_EQ(SeasonCount("2005-06"), 1);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().icon, mtError);
    EXPECT_FALSE(messages_.Last().text.isEmpty());
    EXPECT_EQ(Dm().Periodos.State(), TDataSetState::dsInsert);
}

TEST_F(PeriodFormTest, RefusesToDeleteASeasonThatACompetitionUses)
{
    const int country = AddCountry("Ελλάδα");
    AddCompetition(AddCategory("Α Εθνική", country), "2004-05", 16);
    AddSeason("2003-04");
    form_->show();
    ASSERT_TRUE(Dm().Periodos.Locate("Periodos", {"2004-05"}));
    messages_.Clear();

    form_->DBNavigator1->Button(nbDelete)->click();

    EXPECT_EQ(SeasonCount("2004-05"), 1);
    ASSERT_EQ(messages_.Count(), 2);
    EXPECT_EQ(messages_.Calls().at(0).kind, MessageKind::Dialog); // the navigator's question
    EXPECT_EQ(messages_.Last().text, SeasonInUse);
}

// The season is bound, never pasted into a statement: a quote neither fails nor widens the delete.
TEST_F(PeriodFormTest, DeletesAnUnusedSeasonOnlyAfterYes)
{
    struct Case
    {
        QString season;
        int answer;
        int left;
    };
    const Case cases[] = {
        {"2004-05", mrYes, 0}, {"2004-05", mrNo, 1}, {"2004'05", mrYes, 0}, {"' OR 1=1", mrYes, 0}};
    AddSeason("2003-04");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.season.toStdString());
        AddSeason(c.season);
        form_->show();
        ASSERT_TRUE(Dm().Periodos.Locate("Periodos", {c.season}));
        messages_.QueueAnswer(c.answer);

        form_->DBNavigator1->Button(nbDelete)->click();

        EXPECT_EQ(SeasonCount(c.season), c.left);
        EXPECT_EQ(SeasonCount("2003-04"), 1);
        if (c.left) {
            ASSERT_TRUE(Dm().Periodos.Locate("Periodos", {c.season}));
            ASSERT_TRUE(Dm().Periodos.Delete());
        }
    }
}

} // namespace
