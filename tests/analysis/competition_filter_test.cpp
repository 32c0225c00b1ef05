#include "analysis/competition_filter.h"

#include "analysis/league_sql_fixture.h"
#include "platform/core/codepage.h"
#include "platform/core/errors.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

class CompetitionFilterTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const int alpha = AddCategory(QStringLiteral("Α Εθνική"));
        const int beta = AddCategory(QStringLiteral("Β Εθνική"));
        AddLeague(1, alpha, QStringLiteral("2004-05"), {});
        AddLeague(12, alpha, QStringLiteral("2005-06"), {});
        AddLeague(3, beta, QStringLiteral("2005-06"), {});
    }
};

TEST_F(CompetitionFilterTest, TheTickedCategoriesInTheTickedSeasons)
{
    struct TCase
    {
        QStringList Categories;
        QStringList Seasons;
        std::set<int> Chosen;
    };
    const TCase cases[] = {
        {{"Α Εθνική"}, {"2005-06"}, {12}},
        {{"Α Εθνική", "Β Εθνική"}, {"2004-05", "2005-06"}, {1, 3, 12}},
        {{"Β Εθνική"}, {"2004-05"}, {}},
        {{"Γ Εθνική", "Β Εθνική"}, {"2005-06"}, {3}},
        {{}, {"2005-06"}, {}},
        {{"Α Εθνική"}, {}, {}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(BuildCompetitionFilter(Dm(), c.Categories, c.Seasons), c.Chosen)
            << c.Categories.join(',').toStdString();
}

TEST(CheckListMemory, KeepsTheTickedNamesInCodePage1253)
{
    const TCheckListMemory memory(QString::fromUtf8(StandingsUpdateSelectionFile));
    const QStringList items{"Α Εθνική", "Β Εθνική", "Premier League"};
    EXPECT_TRUE(memory.TickedRows(items).isEmpty());

    memory.Save({"Α Εθνική", "Premier League"});

    QFile file(memory.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              ToCodePage(QStringLiteral("Α Εθνική\r\nPremier League\r\n"), CodePage::Windows1253));
    EXPECT_EQ(memory.TickedRows(items), (QList<int>{0, 2}));
}

TEST(CheckListMemory, NamesTheListLacksAreIgnored)
{
    const TCheckListMemory memory(QString::fromUtf8(StandingsUpdateSelectionFile));
    memory.Save({"Γ Εθνική", "β εθνική", ""});
    EXPECT_EQ(memory.TickedRows({"Α Εθνική", "Β Εθνική"}), (QList<int>{1}));
}

TEST(CheckListMemory, AFileThatCannotBeWrittenIsAnErrorAndStaysAsItWas)
{
    const TCheckListMemory memory(QString::fromUtf8(StandingsUpdateSelectionFile));
    ASSERT_TRUE(QDir().mkpath(memory.Path())); // a folder where the file should be
    try {
        memory.Save({"Α Εθνική"});
        FAIL() << "written";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains(StandingsUpdateSelectionFile)) << error.what();
    }
    EXPECT_TRUE(QFileInfo(memory.Path()).isDir());
}

} // namespace
