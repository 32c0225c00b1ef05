#include "editors/reference_editors_fixture.h"
#include "editors/refused_writes.h"
#include "editors/ui/agvn_enhm_form.h"
#include "editors/ui/agvnes_form.h"
#include "editors/ui/agvnes_form1.h"
#include "editors/ui/kat_edit_form.h"
#include "editors/ui/krath_form.h"
#include "editors/ui/omades_form.h"
#include "editors/ui/period_form.h"
#include "platform/core/registry.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "support/qstring_printer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <memory>
#include <ostream>
#include <tuple>

using namespace tav::editors;

namespace {

class EditorCloseTest;

// One editor window: how the user opens it, types a change, stores it and closes the window, and
// what of the change reached the database.
struct TEditorCase
{
    const char *Name;
    TTableFill Fill;
    TDataSet &(*Table)(TTavrolinDM &dm);
    QWidget *(EditorCloseTest::*Open)();
    void (EditorCloseTest::*Type)(QWidget *window);
    void (EditorCloseTest::*Store)(QWidget *window);
    void (*Close)(QWidget *window);
    int (EditorCloseTest::*Stored)();
};

void PrintTo(const TEditorCase &editor, std::ostream *out)
{
    *out << editor.Name;
}

void PressKey(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// Escape, as the user leaves a dialog.
void Escape(QWidget *window)
{
    PressKey(window, Qt::Key_Escape);
}

void CloseWindow(QWidget *window)
{
    window->close();
}

// A league of four teams with one match of its first matchday still without result, in the season
// 2004-05 of the only country.
class EditorCloseTest : public ReferenceEditorsTest,
                        public testing::WithParamInterface<std::tuple<TEditorCase, TRefusal>>
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        greece_ = AddCountry("Ελλάδα");
        dNo_ = AddCompetition(AddCategory("Α Εθνική", greece_), "2004-05", 4);
        for (int i = 1; i <= 4; ++i)
            teams_.append(AddCompetitionTeam(
                dNo_, AddTeam(greece_, QString("Ομάδα %1").arg(i), QString("Team %1").arg(i))));
        // A league match has no group.
        game_ = AddMatch(dNo_, 1, teams_.at(0), teams_.at(1), QDate(2004, 9, 12), {}, {}, QVariant());
        menuItem_.setObjectName(TAgvnesForm::MenuCallerName);
        messages_.Clear();
    }

    void TearDown() override
    {
        for (TTable *table : SharedTables())
            if (table->State() == TDataSetState::dsEdit || table->State() == TDataSetState::dsInsert)
                table->Cancel();
        if (window_)
            window_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        enhm_.reset();
        ReferenceEditorsTest::TearDown();
    }

    const TEditorCase &Editor() const { return std::get<0>(GetParam()); }
    TRefusal Refusal() const { return std::get<1>(GetParam()); }
    TDataSet &Table() { return Editor().Table(Dm()); }

    void OpenEditor() { window_ = (this->*Editor().Open)(); }
    void TypeChange() { (this->*Editor().Type)(window_); }
    void StoreChange() { (this->*Editor().Store)(window_); }
    void CloseEditor() { Editor().Close(window_); }
    int StoredChanges() { return (this->*Editor().Stored)(); }
    bool WindowOpen() const { return window_ && window_->isVisible(); }
    bool Editing()
    {
        return Table().State() == TDataSetState::dsEdit || Table().State() == TDataSetState::dsInsert;
    }
    void RefuseWrites() { Refuse(Dm().TavrolinDb, Refusal(), Editor().Fill); }

public:
    // --- the editors: what the user does in each ---

    template <typename Form> static TDBNavigator *NavigatorOf(QWidget *window)
    {
        return static_cast<Form *>(window)->DBNavigator1;
    }
    template <typename Form> static TDBGrid *GridOf(QWidget *window)
    {
        return static_cast<Form *>(window)->DBGrid1;
    }
    template <typename Form> void PressPost(QWidget *window)
    {
        NavigatorOf<Form>(window)->Button(nbPost)->click();
    }

    QWidget *OpenSeasons()
    {
        PeriodForm()->show();
        return PeriodForm();
    }
    void TypeSeason(QWidget *window)
    {
        NavigatorOf<TPeriodForm>(window)->Button(nbInsert)->click();
        GridOf<TPeriodForm>(window)->Model().SetCellText(0, "2099-00");
    }
    int StoredSeasons() { return Count(R"(SELECT COUNT(*) FROM "Periodos" WHERE "Periodos" = '2099-00')"); }

    QWidget *OpenCategories()
    {
        KatEditForm()->show();
        return KatEditForm();
    }
    void TypeCategory(QWidget *window)
    {
        NavigatorOf<TKatEditForm>(window)->Button(nbInsert)->click();
        GridOf<TKatEditForm>(window)->Model().SetCellText(0, "Β Εθνική");
        GridOf<TKatEditForm>(window)->Model().SetCellText(3, "Ελλάδα");
    }
    int StoredCategories()
    {
        return Count(R"(SELECT COUNT(*) FROM "Kathgories" WHERE "GrName" = 'Β Εθνική')");
    }

    QWidget *OpenCountries()
    {
        KrathForm()->show();
        return KrathForm();
    }
    void TypeCountry(QWidget *window)
    {
        // The grid takes typing once the edit button has been pressed.
        NavigatorOf<TKrathForm>(window)->Button(nbEdit)->click();
        NavigatorOf<TKrathForm>(window)->Button(nbInsert)->click();
        GridOf<TKrathForm>(window)->Model().SetCellText(0, "Κύπρος");
    }
    int StoredCountries() { return Count(R"(SELECT COUNT(*) FROM "Krath" WHERE "Name" = 'Κύπρος')"); }

    QWidget *OpenTeams()
    {
        TOmadesForm *form = OmadesForm();
        form->show();
        form->FormActivate();
        return form;
    }
    void TypeTeam(QWidget *window)
    {
        NavigatorOf<TOmadesForm>(window)->Button(nbInsert)->click();
        GridOf<TOmadesForm>(window)->Model().SetCellText(0, "Άρης");
        GridOf<TOmadesForm>(window)->Model().SetCellText(1, "Aris");
    }
    int StoredTeams() { return Count(R"(SELECT COUNT(*) FROM "Omades" WHERE "Name" = 'Άρης')"); }

    // The competitions summary's cursor stands on the league, as a double click there leaves it.
    QWidget *OpenUnplayed()
    {
        TQuery &summary = Dm().DShowQuery;
        summary.Close();
        summary.Prepare();
        summary.ParamByName("CurrPeriod").SetAsString("2004-05");
        summary.Open();
        EXPECT_TRUE(summary.Locate("DNo", {dNo_}));
        AgvnesForm1()->show();
        return AgvnesForm1();
    }
    // The result of the unplayed match, typed into its row.
    void TypeResult(TDBGrid *grid, int homeGoals)
    {
        EXPECT_TRUE(Dm().Agvnes.Locate("GameNo", {game_}));
        grid->Model().SetCellText(homeGoals, "3");
        grid->Model().SetCellText(homeGoals + 1, "2");
    }
    void TypeUnplayedResult(QWidget *window) { TypeResult(GridOf<TAgvnesForm1>(window), 8); }
    int StoredResults()
    {
        return Count(R"(SELECT COUNT(*) FROM "Agvnes" WHERE "GameNo" = ?1 AND "TelGGoals" = 3)", {game_});
    }

    QWidget *OpenMatchList()
    {
        TRegIniFile registry("Software\\Tavrolin\\Diorganvsh");
        registry.WriteString("Options", "NameD", "Α Εθνική");
        registry.WriteString("Options", "NameP", "2004-05");
        AgvnesForm()->ShowForCaller(&menuItem_);
        return AgvnesForm();
    }
    // A new match of the listed matchday, the teams chosen by name.
    void TypeMatch(QWidget *window)
    {
        TDBGrid *grid = static_cast<TAgvnesForm *>(window)->DBGrid1;
        PressKey(grid, Qt::Key_Insert);
        grid->Model().SetCellText(2, "Ομάδα 3");
        grid->Model().SetCellText(3, "Ομάδα 4");
    }
    // Leaving the new row stores it.
    void LeaveNewMatch(QWidget *window) { PressKey(static_cast<TAgvnesForm *>(window)->DBGrid1, Qt::Key_Up); }
    int StoredMatches()
    {
        return Count(R"(SELECT COUNT(*) FROM "Agvnes" WHERE "DiorgNo" = ?1 AND "Ghpedoyxos" = ?2)",
                     {dNo_, teams_.at(2)});
    }

    // The matches of September 2004 without result.
    QWidget *OpenResultsByDate()
    {
        enhm_ = std::make_unique<TAgvnEnhmForm>();
        enhm_->Today = [] { return QDate(2004, 9, 13); };
        enhm_->show();
        enhm_->DateFrom->setDate(QDate(2004, 9, 1));
        enhm_->DateTo->setDate(QDate(2004, 9, 30));
        enhm_->DCheckBox->setChecked(false);
        enhm_->Chkskor->setChecked(false);
        enhm_->ChkxSkor->setChecked(true);
        enhm_->Button2->click();
        return enhm_.get();
    }
    void TypeResultByDate(QWidget *window)
    {
        TypeResult(static_cast<TAgvnEnhmForm *>(window)->DBGrid1, TAgvnEnhmForm::FirstGoalColumn + 2);
    }
    // Down from the last row stores the row.
    void LeaveLastRow(QWidget *window)
    {
        PressKey(static_cast<TAgvnEnhmForm *>(window)->DBGrid1, Qt::Key_Down);
    }

protected:
    QPointer<QWidget> window_;
    std::unique_ptr<TAgvnEnhmForm> enhm_;
    QAction menuItem_;
    int greece_ = 0;
    int dNo_ = 0;
    int game_ = 0;
    QList<int> teams_;
};

template <TTable TTavrolinDM::*table> TDataSet &SharedTable(TTavrolinDM &dm)
{
    return dm.*table;
}

const TEditorCase Editors[] = {
    {"Seasons", PeriodosFill, SharedTable<&TTavrolinDM::Periodos>, &EditorCloseTest::OpenSeasons,
     &EditorCloseTest::TypeSeason, &EditorCloseTest::PressPost<TPeriodForm>, Escape,
     &EditorCloseTest::StoredSeasons},
    {"Categories", KathgoriesFill, SharedTable<&TTavrolinDM::Kathgories>, &EditorCloseTest::OpenCategories,
     &EditorCloseTest::TypeCategory, &EditorCloseTest::PressPost<TKatEditForm>, Escape,
     &EditorCloseTest::StoredCategories},
    {"Countries", KrathFill, SharedTable<&TTavrolinDM::Krath>, &EditorCloseTest::OpenCountries,
     &EditorCloseTest::TypeCountry, &EditorCloseTest::PressPost<TKrathForm>, Escape,
     &EditorCloseTest::StoredCountries},
    {"Teams", OmadesFill, SharedTable<&TTavrolinDM::Omades>, &EditorCloseTest::OpenTeams,
     &EditorCloseTest::TypeTeam, &EditorCloseTest::PressPost<TOmadesForm>, Escape,
     &EditorCloseTest::StoredTeams},
    {"UnplayedMatches", AgvnesFill, SharedTable<&TTavrolinDM::Agvnes>, &EditorCloseTest::OpenUnplayed,
     &EditorCloseTest::TypeUnplayedResult, &EditorCloseTest::PressPost<TAgvnesForm1>, Escape,
     &EditorCloseTest::StoredResults},
    {"MatchList", AgvnesFill, SharedTable<&TTavrolinDM::Agvnes>, &EditorCloseTest::OpenMatchList,
     &EditorCloseTest::TypeMatch, &EditorCloseTest::LeaveNewMatch, CloseWindow,
     &EditorCloseTest::StoredMatches},
    {"ResultsByDate", AgvnesFill, SharedTable<&TTavrolinDM::Agvnes>, &EditorCloseTest::OpenResultsByDate,
     &EditorCloseTest::TypeResultByDate, &EditorCloseTest::LeaveLastRow, CloseWindow,
     &EditorCloseTest::StoredResults},
};

TEST_P(EditorCloseTest, ClosingAfterARefusedStoreDropsTheChangeWithoutStoringItAgain)
{
    OpenEditor();
    RefuseWrites();
    TypeChange();
    StoreChange();
    ASSERT_EQ(messages_.Count(), 1) << messages_.Texts().join('\n').toStdString();
    EXPECT_TRUE(messages_.Last().text.contains(RefusalWords(Refusal())))
        << messages_.Last().text.toStdString();
    ASSERT_TRUE(Editing()) << "the refused change stays for correction";

    CloseEditor();

    EXPECT_FALSE(WindowOpen());
    EXPECT_EQ(messages_.Count(), 1) << "closing stored the refused change again";
    EXPECT_EQ(Table().State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(Table().Filtered());
    EXPECT_EQ(StoredChanges(), 0);
}

TEST_P(EditorCloseTest, ClosingWithAChangeTheDatabaseRefusesKeepsTheWindowForItsCorrection)
{
    OpenEditor();
    RefuseWrites();
    TypeChange();

    CloseEditor();

    ASSERT_EQ(messages_.Count(), 1) << messages_.Texts().join('\n').toStdString();
    EXPECT_TRUE(messages_.Last().text.contains(RefusalWords(Refusal())))
        << messages_.Last().text.toStdString();
    EXPECT_TRUE(WindowOpen());
    EXPECT_TRUE(Editing());

    // The user has seen why it cannot be stored: closing again gives it up.
    CloseEditor();

    EXPECT_FALSE(WindowOpen());
    EXPECT_EQ(messages_.Count(), 1);
    EXPECT_EQ(Table().State(), TDataSetState::dsBrowse);
    EXPECT_EQ(StoredChanges(), 0);
}

// Without a refusal: the change left in the window is what the user wanted stored.
class PendingChangeTest : public EditorCloseTest
{
};

TEST_P(PendingChangeTest, ClosingStoresAChangeLeftPending)
{
    OpenEditor();
    TypeChange();

    CloseEditor();

    EXPECT_FALSE(WindowOpen());
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('\n').toStdString();
    EXPECT_EQ(Table().State(), TDataSetState::dsBrowse);
    EXPECT_EQ(StoredChanges(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryEditor, EditorCloseTest,
                         testing::Combine(testing::ValuesIn(Editors),
                                          testing::Values(TRefusal::ReadOnly, TRefusal::FullDisk)),
                         [](const testing::TestParamInfo<EditorCloseTest::ParamType> &info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    RefusalName(std::get<1>(info.param));
                         });
INSTANTIATE_TEST_SUITE_P(EveryEditor, PendingChangeTest,
                         testing::Combine(testing::ValuesIn(Editors), testing::Values(TRefusal::ReadOnly)),
                         [](const testing::TestParamInfo<PendingChangeTest::ParamType> &info) {
                             return std::string(std::get<0>(info.param).Name);
                         });

} // namespace
