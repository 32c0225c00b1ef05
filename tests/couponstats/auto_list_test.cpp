#include "couponstats/auto_list.h"

#include "couponstats/current_folder.h"
#include "platform/core/errors.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

using Steps = QList<TAutoStep>;

struct TLinesCase
{
    QStringList lines;
    Steps steps;
};

TEST(AutoListTest, EachLineGivesOneStepPerNumberOfItsList)
{
    const TLinesCase cases[] = {
        {{"x3;4,6"}, {{3, 4}, {3, 6}}},
        {{"2;5,,7"}, {{2, 5}, {2, 7}}},
        {{"1;0"}, {{1, 0}}},
        {{" 4 ; 8 , 9 ,"}, {{4, 8}, {4, 9}}},
        {{"ΕΙΔΟΣ 11;3"}, {{11, 3}}},
        {{"no semicolon 5,6", "", "0;1"}, {{0, 1}}},
        {{"abc;2", "5;x,7", "6;"}, {{0, 2}, {5, 0}, {5, 7}}},
        {{"7;1;2"}, {{7, 0}}},
        {{"1;2", "3;4,5"}, {{1, 2}, {3, 4}, {3, 5}}},
    };
    for (const TLinesCase &c : cases) {
        SCOPED_TRACE(c.lines.join(" | ").toStdString());
        const TAutoListText list = ParseAutoList(c.lines);
        EXPECT_EQ(list.steps, c.steps);
        EXPECT_EQ(list.given, c.steps.size());
        EXPECT_FALSE(list.Overflowed());
    }
}

TEST(AutoListTest, TextThatIsNoWholeNumberCountsAsZero)
{
    const std::pair<const char *, int> cases[] = {{"12", 12}, {"  -3 ", -3}, {"+4", 4}, {"", 0},
                                                  {"1,5", 0}, {"4a", 0},     {"a", 0},  {"99999999999", 0}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(StrToIntTrim(text), value) << text;
}

TEST(AutoListTest, MoreStepsThanTheListHoldsKeepTheFirstOnes)
{
    QStringList lines;
    for (int line = 0; line < 101; ++line)
        lines.append(QString("%1;1,2,3,4,5").arg(line % 13));
    const TAutoListText list = ParseAutoList(lines);
    EXPECT_EQ(list.given, 505);
    EXPECT_TRUE(list.Overflowed());
    ASSERT_EQ(list.steps.size(), kMaxAutoSteps);
    EXPECT_EQ(list.steps.first(), (TAutoStep{0, 1}));
    EXPECT_EQ(list.steps.last(), (TAutoStep{99 % 13, 5}));
}

TEST(AutoListTest, TheFileInTheCurrentFolderComesBeforeTheOneInTheProgramFolder)
{
    const QString inProgram = JoinPath(ProgramFolder(), kAutoListFileName);
    const QString current = CurrentTestFolders().Root() + "/work";
    const CurrentFolder here(current);
    EXPECT_TRUE(FindAutoListFile().isEmpty());
    EXPECT_TRUE(ReadAutoList().steps.isEmpty()) << "no file gives no steps";

    WriteTextLines(inProgram, {"ΠΡΟΓΡΑΜΜΑ 8;3"});
    EXPECT_EQ(FindAutoListFile(), inProgram);
    EXPECT_EQ(ReadAutoList().steps, (Steps{{8, 3}}));

    QFile here_file(JoinPath(current, kAutoListFileName));
    ASSERT_TRUE(here_file.open(QIODevice::WriteOnly));
    here_file.write("x3;4,6\r\n2;5,,7\r\n1;0"); // CRLF lines, the last without a line end
    here_file.close();
    EXPECT_EQ(FindAutoListFile(), JoinPath(current, kAutoListFileName));
    EXPECT_EQ(ReadAutoList().steps, (Steps{{3, 4}, {3, 6}, {2, 5}, {2, 7}, {1, 0}}));
}

TEST(AutoListTest, AFileThatCannotBeReadRaisesTheFileError)
{
    const QString current = CurrentTestFolders().Root() + "/work";
    const CurrentFolder here(current);
    WriteTextLines(JoinPath(ProgramFolder(), kAutoListFileName), {"1;2"});
    ASSERT_TRUE(QDir(current).mkdir(kAutoListFileName));
    EXPECT_THROW(ReadAutoList(), EInOutError);
}

} // namespace
