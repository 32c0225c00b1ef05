// The standings update dialog over a real database: the ticked categories remembered in
// selBaum.txt, the run started and stopped through its buttons, and the dialog closing whatever
// happens.
#include "analysis/ui/auto_baum_form.h"

#include "analysis/competition_filter.h"
#include "analysis/league_sql_fixture.h"
#include "platform/core/modal_result.h"
#include "platform/core/text_file.h"
#include "platform/ui/modal_runner.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::analysis;

namespace {

const QString Season = QStringLiteral("2004-05");
const QString First = QStringLiteral("Α Εθνική");
const QString Second = QStringLiteral("Β Εθνική");

// Four-team leagues numbered 1 and 12 of two categories, matchdays 1 to 7 played.
class AutoBaumFormTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const QStringList names{QStringLiteral("Α"), QStringLiteral("Β"), QStringLiteral("Γ"),
                                QStringLiteral("Δ")};
        AddSeason(AddLeague(1, AddCategory(First), Season, names), 1);
        AddSeason(AddLeague(12, AddCategory(Second), Season, names), 12);
        form = std::make_unique<TAutoBaumForm>();
    }

    void AddSeason(const QList<int> &teams, int DNo)
    {
        for (int day = 1; day <= 7; ++day) {
            const QDate date = QDate(2004, 9, 1).addDays(7 * day);
            AddGame(DNo, day, teams[day % 4], teams[(day + 1) % 4], date, day % 3, day % 2);
            AddGame(DNo, day, teams[(day + 2) % 4], teams[(day + 3) % 4], date, (day + 1) % 4, 1);
        }
    }

    static QString SelectionPath()
    {
        return TCheckListMemory(QString::fromUtf8(StandingsUpdateSelectionFile)).Path();
    }

    int StoredCount(int DNo)
    {
        return Count(QStringLiteral("SELECT COUNT(*) FROM TeamStat JOIN PerOmades ON RecNo = TeamStat.TeamNo "
                                    "WHERE DiorNo = ?1"),
                     {DNo});
    }

    // Shows the dialog modally, lets the script work its widgets, and answers with its result.
    int Run(const std::function<void()> &script)
    {
        ScriptedModalRunner runner([&](QDialog &dialog) {
            script();
            return dialog.result();
        });
        return RunModal(*form);
    }

    std::unique_ptr<TAutoBaumForm> form;
};

TEST_F(AutoBaumFormTest, ShowTicksTheRememberedCategoriesAndTheTwoNewestSeasons)
{
    Exec(QStringLiteral("INSERT INTO Periodos (Periodos) VALUES ('2003-04'), ('2005-06')"));
    WriteTextLines(SelectionPath(), {Second, QStringLiteral("Άγνωστη")});

    Run([&] {
        EXPECT_EQ(TAutoBaumForm::Ticked(form->ChkLst1), (QStringList{Second}));
        EXPECT_EQ(TAutoBaumForm::Ticked(form->PeriodCombo), (QStringList{"2005-06", "2004-05"}));
        EXPECT_EQ(form->PeriodCombo->item(2)->text(), QStringLiteral("2003-04"));
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    });

    EXPECT_EQ(ReadTextLines(SelectionPath()), (QStringList{Second}));
    EXPECT_EQ(StoredCount(1) + StoredCount(12), 0);
}

TEST_F(AutoBaumFormTest, OkStoresTheLeaguesOfTheTickedCategoriesAndCloses)
{
    WriteTextLines(SelectionPath(), {Second});

    const int result = Run([&] { QTest::mouseClick(form->BitBtn1, Qt::LeftButton); });

    EXPECT_EQ(result, int(mrOk));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(StoredCount(1), 0);
    EXPECT_EQ(StoredCount(12), 4 * 7);
    EXPECT_EQ(form->edDiorg->text(), Second);
    EXPECT_EQ(form->edAgvn->text(), QStringLiteral("7"));
    EXPECT_FALSE(form->StopRequested);
    EXPECT_EQ(messages_.Count(), 0);
}

// "Stop" pressed while matchday 3 of the second competition is computed takes effect before
// matchday 4: what was stored stays, and the dialog closes.
TEST_F(AutoBaumFormTest, StopEndsTheRunBeforeTheNextMatchdayKeepingWhatIsStored)
{
    QObject::connect(form->edAgvn, &QLineEdit::textChanged, form.get(), [this](const QString &matchday) {
        if (form->edDiorg->text() == Second && matchday == QStringLiteral("3"))
            QMetaObject::invokeMethod(
                form->BitBtn3, [this] { QTest::mouseClick(form->BitBtn3, Qt::LeftButton); },
                Qt::QueuedConnection);
    });

    const int result = Run([&] {
        QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    });

    EXPECT_EQ(result, int(mrOk));
    EXPECT_EQ(StoredCount(1), 4 * 7);
    EXPECT_EQ(StoredCount(12), 4 * 3);
    EXPECT_EQ(ReadTextLines(SelectionPath()), (QStringList{First, Second}));
}

TEST_F(AutoBaumFormTest, StopWithoutARunClosesTheDialog)
{
    const int result = Run([&] { QTest::mouseClick(form->BitBtn3, Qt::LeftButton); });

    EXPECT_EQ(result, int(mrOk));
    EXPECT_FALSE(form->isVisible());
    // Shown again, the dialog has forgotten the stop.
    Run([&] {
        EXPECT_FALSE(form->StopRequested);
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    });
}

TEST_F(AutoBaumFormTest, ADatabaseErrorIsNamedAndTheDialogCloses)
{
    Exec(QStringLiteral("CREATE TRIGGER RefuseMatchday3 BEFORE INSERT ON TeamStat WHEN NEW.Agvnistikh = 3 "
                        "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    WriteTextLines(SelectionPath(), {First});

    const int result = Run([&] { QTest::mouseClick(form->BitBtn1, Qt::LeftButton); });

    EXPECT_EQ(result, int(mrOk));
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_TRUE(messages_.Last().text.contains(QStringLiteral("«Α Εθνική» (2004-05)")))
        << messages_.Last().text.toStdString();
    EXPECT_TRUE(messages_.Last().text.contains(QStringLiteral("αγωνιστική 3")));
    EXPECT_EQ(StoredCount(1), 0);
}

// A selection file that cannot be written is reported in Greek; the dialog closes all the same.
TEST_F(AutoBaumFormTest, ASelectionFileThatCannotBeWrittenIsReported)
{
    const int result = Run([&] {
        ASSERT_TRUE(QDir().mkpath(SelectionPath()));
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    });

    EXPECT_EQ(result, int(mrCancel));
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_TRUE(messages_.Last().text.contains(QStringLiteral("selBaum.txt")))
        << messages_.Last().text.toStdString();
}

} // namespace
