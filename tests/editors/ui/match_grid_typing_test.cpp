#include "editors/agvnes_form_fixture.h"
#include "editors/ui/agvnes_form.h"
#include "platform/ui/db_grid.h"
#include "support/qstring_printer.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int DateColumn = 0;
constexpr int HomeColumn = 2;
constexpr int AwayColumn = 3;
const QString NotADate = "'abc' δεν είναι έγκυρη τιμή για το πεδίο 'Date'";

// Records the message boxes and, like a real modal box, takes the keyboard focus while it is up
// and gives it back when it is answered.
class FocusTakingRecorder : public MessageRecorder
{
public:
    MessageAnswer Show(const MessageRequest &request) override
    {
        QPointer<QWidget> previous = QApplication::focusWidget();
        auto box = std::make_unique<QWidget>();
        box->show();
        box->activateWindow();
        box->setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), box.get());
        const MessageAnswer answer = MessageRecorder::Show(request);
        box.reset();
        if (previous) {
            previous->activateWindow();
            previous->setFocus();
        }
        QCoreApplication::processEvents();
        return answer;
    }
};

// The match list of a league with one stored match, driven through its grid as a user drives it:
// the Insert key for a new row, mouse clicks on cells, keys into the cell editors.
class MatchGridTypingTest : public MatchListTest
{
protected:
    void SetUp() override
    {
        MatchListTest::SetUp();
        const int country = AddCountry("Ελλάδα");
        teams = AddCompetition(country, AddCategory("Α Εθνική", country), "2004-05", 4);
        dNo = lastDNo;
        // The matches open, with their list of competition teams, once the teams are stored.
        Dm().Agvnes.Open();
        AddMatch(dNo, 1, teams[0], teams[1], QDate(2004, 9, 12));
        RememberChoice("Α Εθνική", "2004-05");
        menuItem.setObjectName(TAgvnesForm::MenuCallerName);
        form = AgvnesForm();
        form->ShowForCaller(&menuItem);
        grid = form->DBGrid1;
        grid->setFocus();
        QCoreApplication::processEvents();
        messages.Clear();
    }
    void TearDown() override
    {
        form->close();
        Dm().Agvnes.Cancel();
        Dm().Agvnes.Close();
        MatchListTest::TearDown();
    }

    QList<TTable *> Tables() override
    {
        QList<TTable *> tables = SharedTables();
        tables.removeOne(&Dm().Agvnes);
        return tables;
    }

    QPoint CellCentre(int column, int row = -1) const
    {
        return grid->visualRect(grid->model()->index(row < 0 ? grid->Row() : row, column)).center();
    }
    // A click on a cell of the row, by default the current one.
    void ClickCell(int column, int row = -1)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(column, row));
    }
    // A double click opens the cell's editor.
    void OpenCell(int column)
    {
        ClickCell(column);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(column));
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void Type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
    static QComboBox *OpenLookup() { return qobject_cast<QComboBox *>(QApplication::focusWidget()); }

    // Picks the team at the place in the open lookup editor with the arrow key, and leaves it
    // with Tab.
    static void PickTeam(int place)
    {
        for (int i = 0; i <= place; ++i)
            Key(Qt::Key_Down);
        Key(Qt::Key_Tab);
    }

    int StoredMatches() { return Count(R"(SELECT COUNT(*) FROM "Agvnes" WHERE "DiorgNo" = ?1)", {dNo}); }
    TField &Field(const char *name) { return Dm().Agvnes.FieldByName(name); }

    QList<int> teams;
    int dNo = 0;
    QAction menuItem;
    TAgvnesForm *form = nullptr;
    TDBGrid *grid = nullptr;
};

TEST_F(MatchGridTypingTest, AnUntouchedTeamCellStaysEmptyAndTheUnchangedRowIsDropped)
{
    QTest::keyClick(grid, Qt::Key_Insert);
    ASSERT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
    OpenCell(HomeColumn);

    QComboBox *lookup = OpenLookup();
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(lookup->count(), 4);
    EXPECT_EQ(lookup->currentIndex(), -1);
    EXPECT_EQ(lookup->currentText(), "");

    Key(Qt::Key_Tab);
    EXPECT_TRUE(Field("Ghpedoyxos").IsNull());
    EXPECT_FALSE(Dm().Agvnes.Modified());

    ClickCell(DateColumn, 0);
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(StoredMatches(), 1);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(MatchGridTypingTest, TeamsPickedInTheCellsAreStored)
{
    QTest::keyClick(grid, Qt::Key_Insert);
    OpenCell(HomeColumn);
    PickTeam(2);
    // Tab went on into the away team's cell.
    ASSERT_EQ(grid->SelectedIndex(), AwayColumn);
    ASSERT_NE(OpenLookup(), nullptr);
    PickTeam(3);
    EXPECT_EQ(Field("Ghpedoyxos").AsInteger(), teams[2]);
    EXPECT_EQ(Field("Filojenoymenh").AsInteger(), teams[3]);

    Key(Qt::Key_Up);
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(StoredValue(dNo, teams[2], teams[3], "Agvnistikh").toInt(), 1);
}

TEST_F(MatchGridTypingTest, AnInvalidDateKeepsTheNewRowForCorrection)
{
    FocusTakingRecorder boxes;
    // No date in the header: the new row's date is only what is typed into it.
    form->EditDate->clear();
    QTest::keyClick(grid, Qt::Key_Insert);
    OpenCell(HomeColumn);
    PickTeam(2);
    PickTeam(3);
    ClickCell(DateColumn);
    Type("abc");
    Key(Qt::Key_Tab);

    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text, NotADate);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "abc");
    EXPECT_EQ(grid->SelectedIndex(), DateColumn);

    // Leaving the row tries the date again: one message, and the row stays.
    Key(Qt::Key_Up);
    EXPECT_EQ(boxes.Count(), 2);
    EXPECT_EQ(boxes.Last().text, NotADate);
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
    EXPECT_EQ(Field("Ghpedoyxos").AsInteger(), teams[2]);
    EXPECT_EQ(StoredMatches(), 1);

    Key(Qt::Key_A, Qt::ControlModifier);
    Type("26/09/2004");
    Key(Qt::Key_Up);
    EXPECT_EQ(boxes.Count(), 2);
    EXPECT_EQ(StoredValue(dNo, teams[2], teams[3], "Date"), QVariant(QDate(2004, 9, 26)));
}

} // namespace
