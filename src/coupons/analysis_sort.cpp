#include "coupons/analysis_sort.h"

#include "coupons/analysis_grid.h"

#include <algorithm>

namespace tav::coupons {

namespace {

constexpr int kLastSortColumn = AnOdd1 + 2;

} // namespace

std::optional<TExchangeOrder> AnalysisTitleSortOrder(Qt::MouseButton button, int col, int row)
{
    if (button != Qt::LeftButton || row != 0)
        return std::nullopt;
    if (col == AnDiorg || col == AnOpapCode || (col >= AnOdd1 && col <= kLastSortColumn))
        return TExchangeOrder::D;
    if (col >= AnForm1 && col <= kLastSortColumn)
        return TExchangeOrder::A;
    return std::nullopt;
}

void SortAnalysisRows(QList<QStringList> &rows, int fromRow, TExchangeOrder order, int col, int toRow)
{
    const int first = std::max(fromRow, 0);
    const int last = std::min(toRow, int(rows.size()) - 1);
    if (first > last)
        return;
    QList<QStringList> range = rows.mid(first, last - first + 1);
    SortRows(range, col, AnalysisSortRule(order));
    for (int row = first; row <= last; ++row) {
        QStringList &cells = range[row - first];
        while (cells.size() <= AnRowNo)
            cells.append(QString());
        cells[AnRowNo] = QString::number(row);
        rows[row] = cells;
    }
}

} // namespace tav::coupons
