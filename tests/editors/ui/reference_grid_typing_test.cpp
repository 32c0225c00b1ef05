#include "editors/reference_editors_fixture.h"
#include "editors/ui/kat_edit_form.h"
#include "editors/ui/krath_form.h"
#include "editors/ui/omades_form.h"
#include "editors/ui/period_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "support/qstring_printer.h"

#include <QCoreApplication>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <ostream>
#include <tuple>

namespace {

// A reference editor as the user meets it: its window, navigator and grid.
struct EditorWindow
{
    QDialog *window = nullptr;
    TDBNavigator *navigator = nullptr;
    TDBGrid *grid = nullptr;
};

template <class Form> EditorWindow WindowOf(Form *form)
{
    return {form, form->DBNavigator1, form->DBGrid1};
}

// What the user types into a new row of an editor, cell after cell; the last text is left in its
// editor when a navigator button is clicked.
struct TypingCase
{
    const char *name;
    std::function<EditorWindow()> open;
    QStringList texts;
    // Counts the stored rows that carry the texts.
    QString countSql;
};

const TypingCase Cases[] = {
    {"Periodos",
     [] { return WindowOf(PeriodForm()); },
     {"2004-05"},
     R"(SELECT COUNT(*) FROM "Periodos" WHERE "Periodos" = '2004-05')"},
    {"Kathgories",
     [] { return WindowOf(KatEditForm()); },
     {"2004-05"},
     R"(SELECT COUNT(*) FROM "Kathgories" WHERE "GrName" = '2004-05')"},
    {"Krath",
     [] { return WindowOf(KrathForm()); },
     {"2004-05"},
     R"(SELECT COUNT(*) FROM "Krath" WHERE "Name" = '2004-05')"},
    {"Omades",
     [] { return WindowOf(OmadesForm()); },
     {"2004-05", "Season"},
     R"(SELECT COUNT(*) FROM "Omades" WHERE "Name" = '2004-05' AND "EnName" = 'Season')"},
};
constexpr int OmadesCase = 3;

// How the user gets to the cells: clicking each one, or typing straight after the insert button
// and going on with Tab.
enum class Reach
{
    ClickingTheCells,
    StraightAfterInsert
};

void PrintTo(Reach reach, std::ostream *out)
{
    *out << (reach == Reach::ClickingTheCells ? "clicking the cells" : "straight after insert");
}

class ReferenceGridTypingTest : public ReferenceEditorsTest,
                                public testing::WithParamInterface<std::tuple<int, Reach>>
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        // The team editor stores a new team with the country chosen in its list.
        AddCountry("Ελλάδα");
        editor_ = Case().open();
        editor_.window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        editor_.window->done(QDialog::Rejected);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReferenceEditorsTest::TearDown();
    }

    const TypingCase &Case() const { return Cases[std::get<0>(GetParam())]; }
    Reach Way() const { return std::get<1>(GetParam()); }

    void Click(TNavigateBtn button)
    {
        QToolButton *face = editor_.navigator->Button(button);
        ASSERT_TRUE(face->isVisible() && face->isEnabled());
        QTest::mouseClick(face, Qt::LeftButton);
    }

    void ClickCell(int column)
    {
        TDBGrid &grid = *editor_.grid;
        const QRect cell = grid.visualRect(grid.model()->index(grid.Row(), column));
        ASSERT_TRUE(cell.isValid());
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Each key goes where the focus is, as the user's keys do: the first key into a cell opens
    // its editor, which takes the focus.
    static void Type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }

    // Inserts a row and types the case's texts into its cells; the last text stays in its editor.
    void InsertAndType()
    {
        Click(nbInsert);
        for (int column = 0; column < Case().texts.size(); ++column) {
            if (Way() == Reach::ClickingTheCells)
                ClickCell(column);
            else if (column > 0)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            Type(Case().texts.at(column));
            ASSERT_TRUE(editor_.grid->EditorMode());
            ASSERT_EQ(editor_.grid->SelectedIndex(), column);
        }
    }

    EditorWindow editor_;
};

std::string CaseName(const testing::TestParamInfo<std::tuple<int, Reach>> &info)
{
    return std::string(Cases[std::get<0>(info.param)].name) +
           (std::get<1>(info.param) == Reach::ClickingTheCells ? "_ClickingTheCells"
                                                               : "_StraightAfterInsert");
}

TEST_P(ReferenceGridTypingTest, PostStoresTheTextLeftInTheOpenCell)
{
    InsertAndType();
    Click(nbPost);

    EXPECT_EQ(Count(Case().countSql), 1);
    EXPECT_EQ(editor_.grid->DataSource()->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(editor_.grid->EditorMode());
    EXPECT_EQ(messages_.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Editors, ReferenceGridTypingTest,
                         testing::Combine(testing::Range(0, int(std::size(Cases))),
                                          testing::Values(Reach::ClickingTheCells,
                                                          Reach::StraightAfterInsert)),
                         CaseName);

// The team editor's navigator has no cancel button.
class ReferenceGridCancelTest : public ReferenceGridTypingTest
{
};

TEST_P(ReferenceGridCancelTest, CancelDropsTheTextLeftInTheOpenCell)
{
    InsertAndType();
    Click(nbCancel);

    EXPECT_EQ(Count(Case().countSql), 0);
    EXPECT_EQ(editor_.grid->DataSource()->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(editor_.grid->EditorMode());
    EXPECT_EQ(messages_.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Editors, ReferenceGridCancelTest,
                         testing::Combine(testing::Range(0, OmadesCase),
                                          testing::Values(Reach::ClickingTheCells,
                                                          Reach::StraightAfterInsert)),
                         CaseName);

} // namespace
