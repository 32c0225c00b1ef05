#include "coupons/analysis_cell_marks.h"

#include "coupons/analysis_grid.h"
#include "platform/core/format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace tav::coupons {

namespace {

constexpr int kLastTripleColumn = AnAvg1 + 2;
constexpr int kLastOddsColumn = AnOdd1 + 2;
constexpr int kLastProposalColumn = AnProposal + 2;
constexpr float kSameOdds = 0.0001f;

const QString kUnplayed = QStringLiteral("?");
// The result sign that belongs to the first, second and third column of a group ("X" is Latin).
const std::array<QString, 3> kSigns = {QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")};

std::optional<double> CellNumber(const QString &cell)
{
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const double value = StrToFloatDef(text, std::numeric_limits<double>::quiet_NaN());
    if (std::isnan(value))
        return std::nullopt;
    return value;
}

// The colours of an unplayed match's triple by its order of size, in the order the tests are made:
// a later test that holds overrides an earlier one, and ties no test covers keep the grid's colour.
TAnalysisMark UnplayedTripleMark(double a, double b, double c, int place)
{
    using enum TAnalysisMark;
    struct TTest
    {
        bool holds;
        std::array<TAnalysisMark, 3> marks;
    };
    const std::array<TTest, 6> tests = {{
        {a >= b && b >= c, {Green, Blue, Orange}},
        {a >= c && c > b, {Green, Orange, Blue}},
        {b > a && a > c, {Blue, Green, Orange}},
        {b > c && c > a, {Orange, Green, Blue}},
        {c > b && b > a, {Orange, Blue, Green}},
        {c > a && a > b, {Blue, Orange, Green}},
    }};
    TAnalysisMark mark = GridColour;
    for (const TTest &test : tests) {
        if (test.holds)
            mark = test.marks[place];
    }
    return mark;
}

TAnalysisCellPaint TriplePaint(const QStringList &row, int column, const QString &sign)
{
    const int first = AnForm1 + (column - AnForm1) / 3 * 3;
    const int place = column - first;
    std::array<double, 3> values{};
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = CellNumber(row.value(first + i));
        if (!value)
            return {};
        values[i] = *value;
    }
    TAnalysisMark mark = TAnalysisMark::GridColour;
    if (sign == kUnplayed)
        mark = UnplayedTripleMark(values[0], values[1], values[2], place);
    if (sign == kSigns[place]) {
        const double highest = *std::max_element(values.begin(), values.end());
        const double lowest = *std::min_element(values.begin(), values.end());
        if (values[place] == highest)
            mark = TAnalysisMark::Green;
        else if (values[place] == lowest)
            mark = TAnalysisMark::Orange;
        else
            mark = TAnalysisMark::Blue;
    }
    return {true, mark};
}

// The percentages of the odds (20 to 22) and the odds (23 to 25) of the sign that came out are
// marked when that sign had the lowest odds; equal lowest odds mark either sign.
TAnalysisCellPaint OddsPaint(const QStringList &row, int column, const QString &sign)
{
    const int place = (column - AnOddsPct1) % 3;
    std::array<float, 3> odds{};
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = CellNumber(row.value(AnOdd1 + i));
        if (!value)
            return {true, TAnalysisMark::GridColour};
        odds[i] = float(*value);
    }
    const float lowest = *std::min_element(odds.begin(), odds.end());
    const bool favourite = sign == kSigns[place] && std::fabs(odds[place] - lowest) < kSameOdds;
    return {true, favourite ? TAnalysisMark::Favourite : TAnalysisMark::GridColour};
}

// A proposal, or an agreement column of the extended layout, is green when its sign came out and
// orange when it did not; while the match is unplayed, a cell of a row with any such text is green.
TAnalysisCellPaint ProposalPaint(const QStringList &row, int column, const QString &sign)
{
    TAnalysisMark mark = TAnalysisMark::GridColour;
    if (sign == kUnplayed) {
        for (int col = AnProposal; col <= kLastProposalColumn; ++col) {
            if (!row.value(col).trimmed().isEmpty())
                mark = TAnalysisMark::Green;
        }
    }
    if (!row.value(column).trimmed().isEmpty())
        mark = sign == kSigns[column - AnProposal] ? TAnalysisMark::Green : TAnalysisMark::Orange;
    return {true, mark};
}

} // namespace

TAnalysisCellPaint AnalysisCellPaint(const QStringList &row, int column)
{
    const QString sign = row.value(AnSign);
    if (column >= AnForm1 && column <= kLastTripleColumn)
        return TriplePaint(row, column, sign);
    if (column >= AnOddsPct1 && column <= kLastOddsColumn)
        return OddsPaint(row, column, sign);
    if (column >= AnProposal && column <= kLastProposalColumn)
        return ProposalPaint(row, column, sign);
    return {};
}

} // namespace tav::coupons
