#include "app/sel_opt_dlg.h"

#include "app/main_window_fixture.h"
#include "app/tip_form.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/db_lookup_list.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

namespace {

// The program's data module on a fresh data folder with two categories: a league with three
// seasons (matches in the newest two) and a cup with one. The dialog is driven through its
// handlers, never shown for real.
class SelOptDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        TTavrolinDM &dm = TavrolinDM();
        for (TTable *table : Tables())
            table->Open();
        Post(dm.Krath, {{"Name", "Ελλάδα"}});
        const QVariant greece = dm.Krath.FieldByName("RecNo").Value();
        Post(dm.Kathgories, {{"GrName", "Α' ΕΘΝΙΚΗ"}, {"Kratos", greece}, {"Typos", 0}});
        league_ = dm.Kathgories.FieldByName("KatNo").AsInteger();
        for (const char *season : {"2003-04", "2004'05", "2005-06"})
            AddCompetition(league_, season);
        Post(dm.Kathgories, {{"GrName", "ΚΥΠΕΛΛΟ"}, {"Kratos", greece}, {"Typos", 1}});
        cup_ = dm.Kathgories.FieldByName("KatNo").AsInteger();
        cupDNo_ = AddCompetition(cup_, "2004'05");
        // The league's 2004'05 season has matches up to matchday 7.
        ASSERT_TRUE(dm.Diorganvseis.Locate("KatNo;Periodos", {league_, "2004'05"}));
        const int dNo = dm.Diorganvseis.FieldByName("DNo").AsInteger();
        QList<int> teams;
        for (const char *name : {"Ολυμπιακός", "ΑΕΚ"}) {
            Post(dm.Omades, {{"Name", name}, {"EnName", name}});
            ASSERT_TRUE(dm.Diorganvseis.Locate("DNo", {dNo}));
            Post(dm.POmades, {{"TeamNo", dm.Omades.FieldByName("TeamNo").Value()}, {"DiorNo", dNo}});
            teams.append(dm.POmades.FieldByName("RecNo").AsInteger());
        }
        for (const int day : {3, 7})
            Post(dm.Agvnes, {{"DiorgNo", dNo},
                             {"Agvnistikh", day},
                             {"Ghpedoyxos", teams[0]},
                             {"Filojenoymenh", teams[1]},
                             {"Omilos", 0},
                             {"Date", QDate(2004, 9, day)}});
        messages.Clear();
    }

    void TearDown() override
    {
        for (TTable *table : Tables()) {
            table->SetFiltered(false);
            table->SetFilter(QString());
            table->Close();
        }
        TavrolinDM().TavrolinDb.Close();
    }

    static QList<TTable *> Tables()
    {
        TTavrolinDM &dm = TavrolinDM();
        return {&dm.Krath,        &dm.Kathgories, &dm.Periodos, &dm.Omades,
                &dm.Diorganvseis, &dm.POmades,    &dm.Agvnes};
    }

    int AddCompetition(int katNo, const QString &season)
    {
        TTavrolinDM &dm = TavrolinDM();
        if (!dm.Periodos.Locate("Periodos", {season}))
            Post(dm.Periodos, {{"Periodos", season}});
        EXPECT_TRUE(dm.Kathgories.Locate("KatNo", {katNo}));
        Post(dm.Diorganvseis, {{"KatNo", katNo},
                               {"Periodos", season},
                               {"Omades", 2},
                               {"Nikh", 3},
                               {"Isop", 1},
                               {"Htta", 0},
                               {"Rounds", 2},
                               {"Typos", 0}});
        return dm.Diorganvseis.FieldByName("DNo").AsInteger();
    }

    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    static QStringList Items(const TDBLookupListBox *list)
    {
        QStringList items;
        for (int row = 0; row < list->count(); ++row)
            items.append(list->item(row)->text());
        return items;
    }

    static TRegIniFile Options() { return TRegIniFile("Software\\Tavrolin\\Diorganvsh"); }

    TTable &Competitions() { return TavrolinDM().Diorganvseis; }

    MessageRecorder messages;
    TSelOptDlg dialog;
    int league_ = 0, cup_ = 0, cupDNo_ = 0;
};

TEST(GeneralSettingsTest, FreshRegistryGivesTheDefaults)
{
    EXPECT_EQ(tav::data::CurrentChoice(), tav::data::CompetitionChoice{});
    EXPECT_TRUE(ReadShowTips());
    EXPECT_FALSE(ReadEndFlag());
    // As an earlier run left them.
    TRegIniFile options("Software\\Tavrolin\\Diorganvsh");
    options.WriteString("Options", "NameD", "Α' ΕΘΝΙΚΗ");
    options.WriteString("Options", "NameP", "2004'05");
    EXPECT_EQ(tav::data::CurrentChoice(), (tav::data::CompetitionChoice{"Α' ΕΘΝΙΚΗ", "2004'05"}));
}

TEST_F(SelOptDlgTest, ShowNarrowsToTheLastCompetitionsCategoryAndSelectsItsLastSeason)
{
    dialog.FormShow();

    EXPECT_EQ(dialog.windowTitle(), QString("ΕΠΙΛΟΓΗ ΔΙΟΡΓΑΝΩΣΗΣ - ΠΕΡΙΟΔΟΥ"));
    EXPECT_EQ(dialog.DBLookupComboBox1->Text(), QString("ΚΥΠΕΛΛΟ"));
    EXPECT_EQ(Competitions().Filter(), QString("KatNo=%1").arg(cup_));
    EXPECT_TRUE(Competitions().Filtered());
    EXPECT_EQ(Items(dialog.DBLookupListBox1), QStringList{"2004'05"});
    EXPECT_EQ(dialog.DBLookupListBox1->SelectedText(), QString("2004'05"));
}

TEST_F(SelOptDlgTest, ChoosingACategoryOffersItsSeasons)
{
    dialog.FormShow();

    emit dialog.DBLookupComboBox1->activated(dialog.DBLookupComboBox1->findText("Α' ΕΘΝΙΚΗ"));

    EXPECT_EQ(Competitions().Filter(), QString("KatNo=%1").arg(league_));
    EXPECT_EQ(Items(dialog.DBLookupListBox1), (QStringList{"2003-04", "2004'05", "2005-06"}));
    EXPECT_EQ(dialog.DBLookupListBox1->SelectedText(), QString("2005-06"));
}

TEST_F(SelOptDlgTest, OkRemembersTheChoiceAndLeavesTheCompetitionsUnfilteredOnIt)
{
    dialog.FormShow();
    emit dialog.DBLookupComboBox1->activated(dialog.DBLookupComboBox1->findText("Α' ΕΘΝΙΚΗ"));
    dialog.DBLookupListBox1->setCurrentRow(1);

    dialog.OKBtnClick();

    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(Options().ReadSection("Options"), (QStringList{"Agvnistikh", "NameD", "NameP"}));
    EXPECT_EQ(Options().ReadString("Options", "NameD", ""), QString("Α' ΕΘΝΙΚΗ"));
    EXPECT_EQ(Options().ReadString("Options", "NameP", ""), QString("2004'05"));
    EXPECT_EQ(Options().ReadInteger("Options", "Agvnistikh", -1), 7);
    EXPECT_FALSE(Competitions().Filtered());
    EXPECT_TRUE(Competitions().Filter().isEmpty());
    EXPECT_EQ(Competitions().RecordCount(), 4);
    EXPECT_EQ(Competitions().FieldValues("KatNo;Periodos"), QVariant(QVariantList{league_, "2004'05"}));
}

TEST_F(SelOptDlgTest, CompetitionWithoutMatchesIsRememberedWithMatchdayZero)
{
    dialog.FormShow();

    dialog.OKBtnClick();

    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(Options().ReadInteger("Options", "Agvnistikh", -1), 0);
    EXPECT_EQ(Competitions().FieldByName("DNo").AsInteger(), cupDNo_);
}

TEST_F(SelOptDlgTest, IncompleteOrUnknownChoiceKeepsTheDialogOpen)
{
    dialog.FormShow();
    dialog.DBLookupListBox1->clearSelection();
    dialog.OKBtnClick();
    EXPECT_EQ(messages.Texts(), QStringList{"Πρέπει να επιλέξετε διοργάνωση και περίοδο!"});

    // The category shown is not the one the seasons were listed for.
    dialog.DBLookupListBox1->setCurrentRow(0);
    dialog.DBLookupComboBox1->SetKeyValue(league_);
    messages.Clear();
    dialog.OKBtnClick();
    EXPECT_EQ(messages.Texts(),
              QStringList{"Δεν υπάρχουν στοιχεία για τη διοργάνωση και περίοδο που επιλέξατε!"});

    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(Competitions().Filtered());
    EXPECT_TRUE(Options().ReadSection("Options").isEmpty());
}

TEST_F(SelOptDlgTest, EscapeDoesNotEndTheDialog)
{
    dialog.FormShow();
    dialog.reject();
    EXPECT_EQ(dialog.result(), 0);
}

// The main window shows the dialog at its first showing, modal to the whole program.
TEST_F(MainWindowTest, FirstShowBringsUpTheStartUpChoice)
{
    EXPECT_TRUE(SelOptDlg()->isVisible());
    EXPECT_EQ(SelOptDlg()->windowModality(), Qt::ApplicationModal);

    // Nothing to choose in an empty database: OK lets the user through with nothing written.
    SelOptDlg()->OKBtnClick();
    EXPECT_FALSE(SelOptDlg()->isVisible());
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    EXPECT_FALSE(TavrolinDM().Diorganvseis.Filtered());
    EXPECT_TRUE(TRegIniFile("Software\\Tavrolin\\Diorganvsh").ReadSection("Options").isEmpty());
}

} // namespace
