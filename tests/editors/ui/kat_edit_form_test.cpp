#include "editors/reference_editors_fixture.h"
#include "editors/ui/kat_edit_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

namespace {

class KatEditFormTest : public ReferenceEditorsTest
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        form_ = KatEditForm();
        greece_ = AddCountry("Ελλάδα");
        italy_ = AddCountry("Ιταλία");
    }
    void TearDown() override
    {
        form_->hide();
        ReferenceEditorsTest::TearDown();
    }

    TKatEditForm *form_ = nullptr;
    int greece_ = 0;
    int italy_ = 0;
};

TEST_F(KatEditFormTest, ShowsEveryCategoryWithItsCountryAndTypeInItsColumns)
{
    AddCategory("Α Εθνική", greece_);
    AddCategory("Serie A", italy_);

    form_->show();

    EXPECT_EQ(form_->windowTitle(), "Κατηγορίες");
    EXPECT_TRUE(Dm().TyposKathg.Active());
    const QList<std::tuple<QString, QString, int>> columns = {{"GrName", "Ελληνική Ονομασία", 180},
                                                              {"EnName", "Αγγλική Ονομασία", 180},
                                                              {"ItName", "Ιταλική Ονομασία", 180},
                                                              {"KratosName", "Κράτος", 110},
                                                              {"Kode", "Κωδικός", 0},
                                                              {"Isxys", "Ισχύς", 45},
                                                              {"Symbol", "Σύμβολο", 35},
                                                              {"TyposKathg", "Τύπος", 0}};
    ASSERT_EQ(form_->DBGrid1->Columns().Count(), columns.size());
    for (int i = 0; i < columns.size(); ++i) {
        const auto &[field, caption, width] = columns.at(i);
        EXPECT_EQ(form_->DBGrid1->Columns()[i].FieldName(), field);
        EXPECT_EQ(form_->DBGrid1->Columns()[i].Caption(), caption);
        EXPECT_EQ(form_->DBGrid1->Columns()[i].Width, width);
    }
    ASSERT_EQ(form_->DBGrid1->Model().rowCount(), 2);
    EXPECT_EQ(form_->DBGrid1->CellText(0, 0), "Serie A");
    EXPECT_EQ(form_->DBGrid1->CellText(0, 3), "Ιταλία");
    EXPECT_EQ(form_->DBGrid1->CellText(1, 7), "Πρωτάθλημα");
    EXPECT_FALSE(form_->DBNavigator1->VisibleButtons().Contains(nbDelete));
    for (int i = 0; i <= int(nbRefresh); ++i)
        EXPECT_EQ(form_->DBNavigator1->Button(TNavigateBtn(i))->icon().cacheKey(),
                  form_->ImageList1.at(i).cacheKey());
}

TEST_F(KatEditFormTest, ShowsAllCategoriesAgainAfterTheCompetitionEditorNarrowedThemToOneCountry)
{
    AddCategory("Α Εθνική", greece_);
    AddCategory("Serie A", italy_);
    Dm().Kathgories.SetFilter(QString("Kratos = %1").arg(greece_));
    Dm().Kathgories.SetFiltered(true);
    ASSERT_EQ(Dm().Kathgories.RecordCount(), 1);

    form_->show();

    EXPECT_EQ(Dm().Kathgories.Filter(), "");
    EXPECT_EQ(form_->DBGrid1->Model().rowCount(), 2);
}

TEST_F(KatEditFormTest, ANewCategoryStoresTheKeysOfTheCountryAndTypeChosenByName)
{
    form_->show();
    form_->DBNavigator1->Button(nbInsert)->click();
    form_->DBGrid1->Model().SetCellText(0, "Serie B");
    form_->DBGrid1->Model().SetCellText(3, "Ιταλία");
    form_->DBGrid1->Model().SetCellText(7, "Κύπελο");
    form_->DBNavigator1->Button(nbPost)->click();

    EXPECT_EQ(messages_.Count(), 0);
    const QList<QVariantList> stored =
        Rows(R"(SELECT "Kratos", "Typos" FROM "Kathgories" WHERE "GrName" = 'Serie B')");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.at(0).at(0).toInt(), italy_);
    EXPECT_EQ(stored.at(0).at(1).toInt(), 1);
}

// A new data folder has no category types; without one no competition of the category could be
// stored, so the first showing stores the league and cup types, once.
TEST_F(KatEditFormTest, ANewDataFolderOffersTheLeagueAndCupTypes)
{
    form_->show();
    form_->hide();
    form_->show();
    form_->DBNavigator1->Button(nbInsert)->click();
    form_->DBGrid1->Model().SetCellText(0, "Serie A");
    form_->DBGrid1->Model().SetCellText(3, "Ιταλία");
    form_->DBGrid1->Model().SetCellText(7, "Πρωτάθλημα");
    form_->DBNavigator1->Button(nbPost)->click();

    EXPECT_EQ(Rows(R"(SELECT "Id", "Name" FROM "TyposKathgoria" ORDER BY "Id")"),
              (QList<QVariantList>{{0, "Πρωτάθλημα"}, {1, "Κύπελο"}}));
    EXPECT_EQ(Rows(R"(SELECT "Typos" FROM "Kathgories" WHERE "GrName" = 'Serie A')"),
              (QList<QVariantList>{{0}}));
    EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(KatEditFormTest, DeletingFromTheGridIsRefusedSilently)
{
    AddCategory("Α Εθνική", greece_);
    form_->show();

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
    QApplication::sendEvent(form_->DBGrid1, &press);

    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Kathgories")"), 1);
    EXPECT_EQ(messages_.Count(), 0);
}

} // namespace
