#include "editors/result_text_format.h"
#include "platform/core/errors.h"

#include <gtest/gtest.h>

using namespace tav::editors;

namespace {

TEST(ResultTextFormatTest, WriterLinePadsWithoutCutting)
{
    EXPECT_EQ(ResultLine("12/03/2005", "ARIS", "PAOK", "2", "1"),
              QString("12/03/2005 ARIS                -PAOK                  2- 1"));
    EXPECT_EQ(ResultLine("12/03/2005", "ARIS", "PAOK", "", ""),
              QString("12/03/2005 ARIS                -PAOK                   -  "));
    // A 23-character home name moves the away name to column 36.
    const QString wide = ResultLine("12/03/2005", "ABCDEFGHIJKLMNOPQRSTUVW", "PAOK", "0", "0");
    EXPECT_EQ(wide.indexOf("PAOK") + 1, 36);
}

TEST(ResultTextFormatTest, WriterLayoutReadsTheWriterLine)
{
    const QString line = ResultLine("12/03/2005", "ARIS", "PAOK", "10", "12");
    const TResultLayout layout = TResultLayout::WriterLine(true);
    const auto piece = [&](const QString &start, const QString &length) {
        return CutPiece(line, LayoutInteger(start), LayoutInteger(length));
    };
    EXPECT_EQ(piece(layout.DateStart, layout.DateLen), "12/03/2005");
    EXPECT_EQ(piece(layout.GhpStart, layout.GhpLen), "ARIS");
    EXPECT_EQ(piece(layout.FilStart, layout.FilLen), "PAOK");
    EXPECT_EQ(piece(layout.ScoreStart, layout.ScoreLen), "10-12");
}

TEST(ResultTextFormatTest, CutPieceClampsToTheLine)
{
    EXPECT_EQ(CutPiece("  abc\t", 0, 6), "abc");
    EXPECT_EQ(CutPiece("abcdef", 4, 10), "def");
    EXPECT_EQ(CutPiece("abc", 9, 2), "");
}

TEST(ResultTextFormatTest, DatesOfEachFormat)
{
    struct Case
    {
        int type;
        QString piece;
        QDate expected; // invalid: no date
    };
    const int year = 2026;
    const Case cases[] = {
        {0, "12/3/2005", QDate(2005, 3, 12)},
        {0, "12/03/2005", QDate(2005, 3, 12)},
        {0, "12-03-2005", QDate()},
        {1, "03/12/2005", QDate(2005, 3, 12)},
        {1, "0x/12/2005", QDate()},
        {2, "Mar 05, 2005", QDate(2005, 3, 5)},
        {2, "Dec 31, 1999", QDate(1999, 12, 31)},
        // An unknown month name is no date.
        {2, "Xyz 05, 2005", QDate()},
        {3, "5 junio 2005", QDate(2005, 6, 5)},
        {3, "5 giugno 2005", QDate()},
        {3, "15 dicembre 2004", QDate(2004, 12, 15)},
        {4, "Sunday 5 MARCH", QDate(year, 3, 5)},
        {4, "Sunday 5 march", QDate(year, 3, 5)},
        {4, "Sunday 5", QDate()},
        {-1, "12/03/2005", QDate()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.piece.toStdString());
        const std::optional<QDate> date = ParseResultDate(c.type, c.piece, year);
        EXPECT_EQ(date.has_value(), c.expected.isValid());
        if (date) {
            EXPECT_EQ(*date, c.expected);
        }
    }
}

TEST(ResultTextFormatTest, PartsOfNoRealDayAreAConversionError)
{
    EXPECT_THROW(ParseDateDmy("31/02/2005"), EConvertError);
    EXPECT_THROW(ParseDateItalian("32 marzo 2005"), EConvertError);
}

TEST(ResultTextFormatTest, ScoresOfEachFormat)
{
    struct Case
    {
        int type;
        QString piece;
        QString kept;
        std::optional<int> home;
        std::optional<int> away;
    };
    const Case cases[] = {
        {0, "2- 1", "2- 1", 2, 1},   {0, "-", "-", {}, {}},           {0, "10-12", "10-12", 10, 12},
        {2, "3 - 0", "3 - 0", 3, 0}, {1, "[2] - [1]", "2 - 1", 2, 1}, {1, "[2] -", "2 -  ", 2, {}},
        {-1, "2-1", "", {}, {}},     {0, "a-1", "a-1", {}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.piece.toStdString());
        const QString kept = KeptScore(c.type, c.piece);
        EXPECT_EQ(kept, c.kept);
        const TSplitScore goals = SplitScore(kept);
        EXPECT_EQ(goals.Home, c.home);
        EXPECT_EQ(goals.Away, c.away);
    }
}

TEST(ResultTextFormatTest, LayoutFileRoundTrip)
{
    TResultLayout layout = TResultLayout::WriterLine(true);
    layout.DateDivision = true;
    layout.ScoreType = 1;
    const QStringList lines = LayoutFileLines(layout);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.mid(8), QStringList({"0", "1", "1", "1"}));
    TResultLayout read;
    ReadLayoutFileLines(lines, read);
    EXPECT_EQ(LayoutFileLines(read), lines);
}

TEST(ResultTextFormatTest, LayoutFileWithoutAnIndexStopsAfterTheBoxes)
{
    TResultLayout read;
    EXPECT_THROW(ReadLayoutFileLines({"1", "10", "12"}, read), EConvertError);
    EXPECT_EQ(read.GhpStart, "12");
    EXPECT_EQ(read.GhpLen, "");
}

TEST(ResultTextFormatTest, SemicolonLinesBecomeColumns)
{
    const QString out =
        ConvertSemicolonLines({"  1η ΑΓΩΝΙΣΤΙΚΗ  ", "Alpha;2;-;1;Beta;12/03/2005;extra", "a;b"});
    EXPECT_EQ(out, QString("--------------------------------1\r") + "12/03/2005 " +
                       QString("Alpha").leftJustified(20) + "-" + QString("Beta").leftJustified(18) +
                       "   2- 1\r");
    // Read with the score one column earlier than the writer line.
    const QString line = out.split('\r').at(1);
    EXPECT_EQ(CutPiece(line, 53, 5), "2- 1");
}

TEST(ResultTextFormatTest, FileNamesOfCategories)
{
    EXPECT_EQ(ResultFileName("Α' Εθνική"), "Α Εθνική.txt");
    EXPECT_EQ(ResultFileName("Serie A/B\\C"), "Serie A_B_C.txt");
}

} // namespace
