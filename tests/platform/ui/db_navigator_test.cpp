#include "db_controls_fixture.h"

#include "platform/ui/db_edit.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"

#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class DbNavigatorTest : public DbControlsTest
{
protected:
    void SetUp() override
    {
        DbControlsTest::SetUp();
        navigator.SetDataSource(&teamSource);
    }

    bool Enabled(TNavigateBtn button) const { return navigator.Button(button)->isEnabled(); }

    TDBNavigator navigator;
};

TEST_F(DbNavigatorTest, DeleteAsksForConfirmationAndNoKeepsTheRecord)
{
    messages.QueueAnswer(mrNo);
    navigator.BtnClick(nbDelete);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, QString::fromUtf8("Διαγραφή εγγραφής;"));
    EXPECT_EQ(messages.Last().caption, QString::fromUtf8("ΕΠΙΒΕΒΑΙΩΣΗ"));
    EXPECT_EQ(messages.Last().buttons, (QList<TMsgDlgBtn>{mbYes, mbNo}));
    EXPECT_EQ(teams->RecordCount(), 3);

    messages.QueueAnswer(mrYes);
    navigator.BtnClick(nbDelete);
    EXPECT_EQ(teams->RecordCount(), 2);
    EXPECT_TRUE(Stored(1, "Name").isNull());

    navigator.SetConfirmDelete(false);
    navigator.BtnClick(nbDelete);
    EXPECT_EQ(teams->RecordCount(), 1);
    EXPECT_EQ(messages.Count(), 2);
}

TEST_F(DbNavigatorTest, ButtonsFollowTheDatasetState)
{
    struct Case
    {
        const char *step;
        std::function<void()> action;
        QList<TNavigateBtn> enabled;
    };
    const Case cases[] = {
        {"first record", [] {}, {nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbRefresh}},
        {"middle",
         [&] { teams->Next(); },
         {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbRefresh}},
        {"last", [&] { teams->Last(); }, {nbFirst, nbPrior, nbInsert, nbDelete, nbEdit, nbRefresh}},
        {"editing", [&] { teams->Edit(); }, {nbFirst, nbPrior, nbInsert, nbDelete, nbPost, nbCancel}},
        {"closed", [&] { teams->Close(); }, {}},
    };
    for (const Case &c : cases) {
        c.action();
        for (int b = nbFirst; b <= nbRefresh; ++b)
            EXPECT_EQ(Enabled(TNavigateBtn(b)), c.enabled.contains(TNavigateBtn(b)))
                << c.step << " button " << b;
    }
}

TEST_F(DbNavigatorTest, ButtonsMoveAndEditAndCarryGreekHints)
{
    QList<TNavigateBtn> clicked;
    navigator.OnClick = [&](TNavigateBtn button) { clicked.append(button); };
    navigator.BtnClick(nbLast);
    EXPECT_EQ(teams->RecNo(), 3);
    navigator.Button(nbPrior)->click();
    EXPECT_EQ(teams->RecNo(), 2);
    navigator.Button(nbEdit)->click();
    teams->FieldByName("Goals").SetAsInteger(9);
    navigator.Button(nbPost)->click();
    EXPECT_EQ(Stored(2, "Goals").toInt(), 9);
    EXPECT_EQ(clicked, (QList<TNavigateBtn>{nbLast, nbPrior, nbEdit, nbPost}));

    navigator.SetShowHint(true);
    const char *const hints[] = {
        "Πρώτη εγγραφή",     "Προηγούμενη εγγραφή", "Επόμενη εγγραφή", "Τελευταία εγγραφή", "Νέα εγγραφή",
        "Διαγραφή εγγραφής", "Αλλαγή εγγραφής",     "Καταχώρηση",      "Ακύρωση",           "Ανανέωση"};
    for (int b = nbFirst; b <= nbRefresh; ++b)
        EXPECT_EQ(navigator.Button(TNavigateBtn(b))->toolTip(), QString::fromUtf8(hints[b]));

    navigator.SetVisibleButtons({nbPrior, nbNext});
    EXPECT_TRUE(navigator.Button(nbNext)->isVisibleTo(&navigator));
    EXPECT_FALSE(navigator.Button(nbDelete)->isVisibleTo(&navigator));
}

TEST_F(DbNavigatorTest, AnErrorOfAButtonIsShownInAMessageBox)
{
    navigator.Button(nbInsert)->click();
    teams->FieldByName("TeamNo").SetAsInteger(1);
    navigator.Button(nbPost)->click();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_EQ(teams->State(), TDataSetState::dsInsert);
    EXPECT_THROW(navigator.BtnClick(nbPost), EDatabaseError);
}

// A window with a navigator on the teams and the controls it hands the keyboard to, in tab order.
class DbNavigatorFocusTest : public DbControlsTest
{
protected:
    void SetUp() override
    {
        DbControlsTest::SetUp();
        layout = new QVBoxLayout(&window);
        navigator = new TDBNavigator(&window);
        navigator->SetDataSource(&teamSource);
        layout->addWidget(navigator);
    }

    void Show()
    {
        window.show();
        window.activateWindow();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &window);
    }

    void Click(TNavigateBtn button) { QTest::mouseClick(navigator->Button(button), Qt::LeftButton); }

    TDBEdit *AddEdit(TDataSource &source, const char *field)
    {
        auto *edit = new TDBEdit(&window);
        edit->SetDataSource(&source);
        edit->SetDataField(field);
        layout->addWidget(edit);
        return edit;
    }

    QWidget window;
    QVBoxLayout *layout = nullptr;
    TDBNavigator *navigator = nullptr;
};

TEST_F(DbNavigatorFocusTest, InsertAndEditHandTheKeyboardToTheGridsEditableCell)
{
    AddEdit(categorySource, "GrName");
    auto *grid = new TDBGrid(&window);
    layout->addWidget(grid);
    grid->SetDataSource(&teamSource);
    for (const char *name : {"TeamNo", "Name", "Goals"})
        grid->Columns().Add().SetFieldName(name);
    grid->Columns()[0].ReadOnly = true;
    Show();
    grid->SetSelectedIndex(2);

    Click(nbEdit);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->SelectedIndex(), 2);
    QTest::keyClicks(grid, "7");
    ASSERT_TRUE(grid->EditorMode());
    Click(nbPost);
    EXPECT_EQ(Stored(1, "Goals").toInt(), 7);

    navigator->setFocus();
    Click(nbInsert);
    EXPECT_EQ(teams->State(), TDataSetState::dsInsert);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->Row(), grid->Model().InsertRow());
    EXPECT_EQ(grid->SelectedIndex(), 1);
    QTest::keyClicks(grid, "I");
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(DbNavigatorFocusTest, WithoutAGridInsertHandsTheKeyboardToTheFirstEditOfTheRecord)
{
    AddEdit(categorySource, "GrName");
    AddEdit(teamSource, "Name")->SetReadOnly(true);
    TDBEdit *goals = AddEdit(teamSource, "Goals");
    Show();

    Click(nbInsert);
    EXPECT_TRUE(goals->hasFocus());
    QTest::keyClicks(goals, "4");
    EXPECT_EQ(goals->text(), QString("4"));
}

} // namespace
