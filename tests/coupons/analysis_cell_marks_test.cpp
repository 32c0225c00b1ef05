#include "coupons/analysis_cell_marks.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

using enum TAnalysisMark;

constexpr int kColumns = 31;

// A data row with the result sign and the cells given from their column on.
QStringList Row(const QString &sign, std::initializer_list<std::pair<int, QStringList>> cells)
{
    QStringList row(kColumns);
    row[18] = sign;
    for (const auto &[first, texts] : cells) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            row[first + i] = texts[i];
    }
    return row;
}

struct TCase
{
    const char *what;
    QStringList row;
    int first;                          // the first of the columns checked
    QList<TAnalysisCellPaint> expected; // one per column from first on
};

void Check(const TCase &c)
{
    for (qsizetype i = 0; i < c.expected.size(); ++i) {
        const TAnalysisCellPaint paint = AnalysisCellPaint(c.row, c.first + int(i));
        EXPECT_EQ(paint.Marked, c.expected[i].Marked) << c.what << ", column " << c.first + i;
        EXPECT_EQ(paint.Mark, c.expected[i].Mark) << c.what << ", column " << c.first + i;
    }
}

const TAnalysisCellPaint kPlain{};
TAnalysisCellPaint Bold(TAnalysisMark mark)
{
    return {true, mark};
}

TEST(AnalysisCellMarks, TriplesOfUnplayedAndPlayedMatches)
{
    const TCase cases[] = {
        {"unplayed 40 40 20",
         Row("?", {{6, {"40", "40", "20"}}}),
         6,
         {Bold(Green), Bold(Blue), Bold(Orange)}},
        {"unplayed 20 40 40: no test holds",
         Row("?", {{9, {"20", "40", "40"}}}),
         9,
         {Bold(GridColour), Bold(GridColour), Bold(GridColour)}},
        {"unplayed 30 10 20",
         Row("?", {{12, {"30", "10", "20"}}}),
         12,
         {Bold(Green), Bold(Orange), Bold(Blue)}},
        {"unplayed 20 50 10",
         Row("?", {{15, {"20", "50", "10"}}}),
         15,
         {Bold(Blue), Bold(Green), Bold(Orange)}},
        {"unplayed 10 50 20",
         Row("?", {{6, {"10", "50", "20"}}}),
         6,
         {Bold(Orange), Bold(Green), Bold(Blue)}},
        {"unplayed 10 20 70",
         Row("?", {{6, {"10", "20", "70"}}}),
         6,
         {Bold(Orange), Bold(Blue), Bold(Green)}},
        {"unplayed 20 10 70",
         Row("?", {{6, {"20", "10", "70"}}}),
         6,
         {Bold(Blue), Bold(Orange), Bold(Green)}},
        {"X with 30 30 40: only the draw's cell, the lowest",
         Row("X", {{6, {"30", "30", "40"}}}),
         6,
         {Bold(GridColour), Bold(Orange), Bold(GridColour)}},
        {"1 sharing the highest",
         Row("1", {{9, {"45", "45", "10"}}}),
         9,
         {Bold(Green), Bold(GridColour), Bold(GridColour)}},
        {"2 in the middle",
         Row("2", {{15, {"20", "50", "30"}}}),
         15,
         {Bold(GridColour), Bold(GridColour), Bold(Blue)}},
        {"an empty cell leaves the triple plain",
         Row("?", {{6, {"40", " ", "20"}}}),
         6,
         {kPlain, kPlain, kPlain}},
        {"a cell that is no number counts as empty",
         Row("1", {{6, {"40", "abc", "20"}}}),
         6,
         {kPlain, kPlain, kPlain}},
        {"decimal comma",
         Row("?", {{6, {"40,5", "40,25", "19"}}}),
         6,
         {Bold(Green), Bold(Blue), Bold(Orange)}},
    };
    for (const TCase &c : cases)
        Check(c);
}

TEST(AnalysisCellMarks, OddsMarkTheFavouriteThatCameOut)
{
    const TCase cases[] = {
        {"1 with the lowest odds",
         Row("1", {{20, {"60", "25", "15", "1,50", "3,20", "5,00"}}}),
         20,
         {Bold(Favourite), Bold(GridColour), Bold(GridColour), Bold(Favourite), Bold(GridColour),
          Bold(GridColour)}},
        {"2 without the lowest odds",
         Row("2", {{20, {"60", "25", "15", "1,50", "3,20", "5,00"}}}),
         20,
         {Bold(GridColour), Bold(GridColour), Bold(GridColour), Bold(GridColour), Bold(GridColour),
          Bold(GridColour)}},
        {"X sharing the lowest odds",
         Row("X", {{23, {"2,10", "2,10", "3,00"}}}),
         21,
         {Bold(Favourite), Bold(GridColour), Bold(GridColour), Bold(Favourite), Bold(GridColour)}},
        {"no odds: still bold",
         Row("1", {{20, {"", "", "", "", "", ""}}}),
         20,
         {Bold(GridColour), Bold(GridColour), Bold(GridColour), Bold(GridColour), Bold(GridColour),
          Bold(GridColour)}},
        {"odds that are no number", Row("1", {{23, {"1,50", "-", "5,00"}}}), 23, {Bold(GridColour)}},
    };
    for (const TCase &c : cases)
        Check(c);
}

TEST(AnalysisCellMarks, ProposalsAndAgreementColumns)
{
    const TCase cases[] = {
        {"proposal 1 came out", Row("1", {{27, {"1"}}}), 27, {Bold(Green)}},
        {"proposal 1, result 2", Row("2", {{27, {"1"}}}), 27, {Bold(Orange)}},
        {"empty proposal of a played match", Row("2", {}), 27, {Bold(GridColour)}},
        {"agreement columns, result X",
         Row("X", {{27, {"1", "1", "1"}}}),
         27,
         {Bold(Orange), Bold(Green), Bold(Orange)}},
        {"unplayed: an empty cell of a row with agreement text",
         Row("?", {{28, {"1"}}}),
         27,
         {Bold(Green), Bold(Orange), Bold(Green)}},
        {"unplayed, nothing proposed", Row("?", {}), 27, {Bold(GridColour)}},
    };
    for (const TCase &c : cases)
        Check(c);
}

TEST(AnalysisCellMarks, OtherColumnsKeepTheGridsPainting)
{
    const QStringList row = Row("1", {{0, {"01/02/2004", "18:00", "ΑΓΓ", "A-B", "2", "1"}}, {19, {"101"}}});
    for (int col : {0, 1, 2, 3, 4, 5, 18, 19, 26, 30})
        EXPECT_FALSE(AnalysisCellPaint(row, col).Marked) << col;
    EXPECT_FALSE(AnalysisCellPaint(QStringList(), 6).Marked);
}

} // namespace
