#include "analysis/match_analysis_grid.h"

#include "analysis/match_analysis.h"
#include "platform/core/format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tav::analysis {

namespace {

const QString kBlankFigure = QStringLiteral("1000");
constexpr double kSameOdds = 0.0001;

QString Cell(const QStringList &row, int column)
{
    return column < row.size() ? row[column] : QString();
}

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

int WholeNumber(const QString &text)
{
    return StrToIntDef(text.trimmed(), 0);
}

double Figure(const QString &text)
{
    return StrToFloatDef(text.trimmed(), 0);
}

// The sign of the result that marks the group's first, second and third cell.
const std::array<QString, 3> kSigns{QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")};

// The rank of each of three figures of an unplayed match, in the first order that holds.
TAnalysisMark UnplayedMark(int a, int x, int b, int place)
{
    using M = TAnalysisMark;
    std::array<M, 3> marks{M::None, M::None, M::None};
    if (a >= x && x >= b)
        marks = {M::First, M::Second, M::Third};
    else if (a >= b && b > x)
        marks = {M::First, M::Third, M::Second};
    else if (x > a && a > b)
        marks = {M::Second, M::First, M::Third};
    else if (x > b && b > a)
        marks = {M::Third, M::First, M::Second};
    else if (b > x && x > a)
        marks = {M::Third, M::Second, M::First};
    else if (b > a && a > x)
        marks = {M::Second, M::Third, M::First};
    return marks[place];
}

TAnalysisMark PercentMark(const QStringList &row, int first, int column)
{
    const int place = column - first;
    const int a = WholeNumber(Cell(row, first));
    const int x = WholeNumber(Cell(row, first + 1));
    const int b = WholeNumber(Cell(row, first + 2));
    const QString sign = Cell(row, macSign);
    if (sign == QStringLiteral("?"))
        return UnplayedMark(a, x, b, place);
    if (Blank(Cell(row, first)) || sign != kSigns[place])
        return TAnalysisMark::None;
    const int value = place == 0 ? a : place == 1 ? x : b;
    if (value == std::max({a, x, b}))
        return TAnalysisMark::First;
    if (value == std::min({a, x, b}))
        return TAnalysisMark::Third;
    return TAnalysisMark::Second;
}

TAnalysisMark OddsMark(const QStringList &row, int column)
{
    std::array<double, 3> odds{};
    for (int i = 0; i < 3; ++i) {
        if (Blank(Cell(row, macOdds1 + i)))
            return TAnalysisMark::None;
        odds[i] = Figure(Cell(row, macOdds1 + i));
    }
    const int place = (column - macOdds1Percent) % 3;
    const double lowest = *std::min_element(odds.begin(), odds.end());
    if (Cell(row, macSign) == kSigns[place] && std::fabs(odds[place] - lowest) < kSameOdds)
        return TAnalysisMark::FavouriteWon;
    return TAnalysisMark::None;
}

bool IsTextColumn(int column)
{
    return column == macCategoryCode || column == macSign;
}

// Stable sorts of the runs between rows with a blank text: such a row is never compared, so it
// stays where it is and parts the rows on either side.
void SortTexts(QList<QStringList> &rows, int column, QChar kind)
{
    const auto before = [column, kind](const QStringList &left, const QStringList &right) {
        const int order = QString::compare(Cell(left, column), Cell(right, column), Qt::CaseSensitive);
        return kind == QLatin1Char('a') ? order < 0 : order > 0;
    };
    auto start = rows.begin();
    while (start != rows.end()) {
        auto end = std::find_if(start, rows.end(),
                                [column](const QStringList &row) { return Blank(Cell(row, column)); });
        std::stable_sort(start, end, before);
        start = end == rows.end() ? end : end + 1;
    }
}

void SortFigures(QList<QStringList> &rows, int column, QChar kind)
{
    for (QStringList &row : rows) {
        while (row.size() <= column)
            row.append(QString());
        if (Blank(row[column]))
            row[column] = kBlankFigure;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [column, kind](const QStringList &left, const QStringList &right) {
                         const double a = Figure(left[column]);
                         const double b = Figure(right[column]);
                         return kind == QLatin1Char('a') ? a > b : a < b;
                     });
}

} // namespace

bool IsMarkedColumn(int column)
{
    return (column >= macForm1 && column <= macForm2) || (column >= macOdds1Percent && column <= macOdds2) ||
           (column >= macExtra1 && column <= macExtra2);
}

TAnalysisMark AnalysisCellMark(const QStringList &row, int column)
{
    if (column >= macForm1 && column <= macForm2)
        return PercentMark(row, macForm1, column);
    if (column >= macExtra1 && column <= macExtra2)
        return PercentMark(row, macExtra1, column);
    if (column >= macOdds1Percent && column <= macOdds2)
        return OddsMark(row, column);
    return TAnalysisMark::None;
}

bool IsSortColumn(int column)
{
    return column == macCategoryCode || (column >= macForm1 && column <= macExtra2);
}

QChar SortKindOf(int column)
{
    return column >= macCouponNumber && column <= macOdds2Percent ? QLatin1Char('d') : QLatin1Char('a');
}

void SortGridByColumn(QList<QStringList> &rows, int column, QChar kind)
{
    if (IsTextColumn(column))
        SortTexts(rows, column, kind);
    else
        SortFigures(rows, column, kind);
    for (int index = 0; index < rows.size(); ++index) {
        QStringList &row = rows[index];
        while (row.size() <= macRowNumber)
            row.append(QString());
        row[macRowNumber] = QString::number(index + 1);
        for (int c = macCouponNumber; c <= macOdds2; ++c)
            if (row[c].trimmed() == kBlankFigure)
                row[c].clear();
    }
}

} // namespace tav::analysis
