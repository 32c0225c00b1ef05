#include "analysis/proistoria_fixture.h"
#include "analysis/ui/proistoria_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_text.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

using ProistoriaFormTest = ProistoriaTest;

// Every row of the grid as its four cells joined by " | ".
QStringList GridRows(TProistoriaForm &form)
{
    QStringList rows;
    TDBGrid &grid = *form.ProistoriaGrid;
    for (int row = 0; row < grid.Model().rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.Columns().Count(); ++column)
            cells.append(grid.CellText(row, column));
        rows.append(cells.join(" | "));
    }
    return rows;
}

TEST_F(ProistoriaFormTest, TheHomeAndTheOverallRequestListEarlierMeetings)
{
    AddHistory();
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {chosenLeague_, 22}));
    TProistoriaForm form;
    form.ShowHomeHistory();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QString("Προϊστορία Αγώνα"));
    EXPECT_EQ(form.DBText1->text(), QString("Ολυμπιακός - Παναθηναϊκός"));
    TDBGrid &grid = *form.ProistoriaGrid;
    ASSERT_EQ(grid.Columns().Count(), 4);
    EXPECT_EQ(grid.Columns()[0].Caption(), QString("Ημερομηνία"));
    EXPECT_EQ(grid.Columns()[1].Caption(), QString("Γηπεδούχος"));
    EXPECT_EQ(grid.Columns()[2].Caption(), QString("Φιλοξενούμενη"));
    EXPECT_EQ(grid.Columns()[3].Caption(), QString("Αποτέλεσμα"));
    EXPECT_EQ(GridRows(form), QStringList({"21/09/2003 | Ολυμπιακός | Παναθηναϊκός |  2- 1",
                                           "15/12/2004 | Ολυμπιακός | Παναθηναϊκός | ? - ?"}));

    form.ShowAllHistory();
    EXPECT_EQ(GridRows(form), QStringList({"21/09/2003 | Ολυμπιακός | Παναθηναϊκός |  2- 1",
                                           "01/02/2004 | Παναθηναϊκός | Ολυμπιακός |  0- 0",
                                           "15/12/2004 | Ολυμπιακός | Παναθηναϊκός | ? - ?"}));
    EXPECT_TRUE(messages_.Calls().isEmpty()) << messages_.Texts().join('|').toStdString();
    form.close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ProistoriaFormTest, ClubsOfAnotherCountryKeepTheirNames)
{
    AddHistory();
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {europe_, 4}));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {chosenLeague_}));
    TProistoriaForm form;
    form.ShowHomeHistory();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(GridRows(form).isEmpty());
    form.ShowAllHistory();
    // The shared team table is narrowed to one country; the popup's names are not.
    ASSERT_TRUE(Dm().Omades.Filtered());
    EXPECT_EQ(GridRows(form), QStringList({"15/09/2004 | Ολυμπιακός | Ρεάλ |  1- 3"}));
}

TEST_F(ProistoriaFormTest, AMatchWithoutEarlierMeetingsShowsAnEmptyGrid)
{
    AddHistory();
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {chosenLeague_, 5}));
    TProistoriaForm form;
    form.ShowAllHistory();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(GridRows(form).isEmpty());
    EXPECT_EQ(form.DBText1->text(), QString("Ολυμπιακός - ΑΕΚ"));
}

TEST_F(ProistoriaFormTest, ADatabaseErrorIsShownAndTheWindowStaysHidden)
{
    AddHistory();
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {chosenLeague_, 22}));
    TQuery rename;
    rename.SetDatabase(&Dm().TavrolinDb);
    rename.SQL().Add("alter table PerOmades rename to PerOmadesAway");
    rename.ExecSQL();
    TProistoriaForm form;
    form.ShowHomeHistory();
    rename.SQL().Clear();
    rename.SQL().Add("alter table PerOmadesAway rename to PerOmades");
    rename.ExecSQL();
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().icon, mtError);
}

} // namespace
