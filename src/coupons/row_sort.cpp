#include "coupons/row_sort.h"

#include "platform/core/format.h"

#include <QRandomGenerator>

#include <cmath>
#include <optional>

namespace tav::coupons {

namespace {

std::optional<double> NumberOf(const QString &cell)
{
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = QString(text).replace(',', '.').toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

class TQuickSorter
{
public:
    TQuickSorter(const QList<QStringList> &rows, int column, const TRowSortRule &rule,
                 const TPivotPicker &picker)
        : rows_(rows), column_(column), numeric_(rule.numericColumns.contains(column)),
          absolute_(rule.absoluteValues), picker_(picker)
    {
    }

    void Sort(QList<int> &order, int low, int high)
    {
        while (low < high) {
            std::swap(order[low], order[picker_(low, high)]);
            const int pivot = order[low];
            int i = low;
            int j = high;
            while (i < j) {
                while (i < j && Continues(order[j], pivot, false))
                    --j;
                if (i < j)
                    order[i++] = order[j];
                while (i < j && Continues(order[i], pivot, true))
                    ++i;
                if (i < j)
                    order[j--] = order[i];
            }
            order[i] = pivot;
            // The smaller half by recursion, the larger by the loop: no deep stack on sorted input.
            if (i - low < high - i) {
                Sort(order, low, i - 1);
                low = i + 1;
            } else {
                Sort(order, i + 1, high);
                high = i - 1;
            }
        }
    }

private:
    QString Cell(int row) const { return rows_[row].value(column_); }

    // Whether a scan goes on past the entry: from the left while it is smaller than the pivot,
    // from the right while it is not.
    bool Continues(int entry, int pivot, bool fromLeft) const
    {
        if (!numeric_) {
            const bool smaller = Cell(entry).localeAwareCompare(Cell(pivot)) < 0;
            return fromLeft ? smaller : !smaller;
        }
        const std::optional<double> value = NumberOf(Cell(entry));
        const std::optional<double> pivotValue = NumberOf(Cell(pivot));
        if (!value || !pivotValue)
            return false;
        const double a = absolute_ ? std::fabs(*value) : *value;
        const double b = absolute_ ? std::fabs(*pivotValue) : *pivotValue;
        return fromLeft ? a < b : !(a < b);
    }

    const QList<QStringList> &rows_;
    int column_;
    bool numeric_;
    bool absolute_;
    const TPivotPicker &picker_;
};

bool ExchangeText(const QString &upper, const QString &lower, TExchangeOrder order)
{
    if (upper.trimmed().isEmpty() || lower.trimmed().isEmpty())
        return false;
    const int compared = upper.localeAwareCompare(lower);
    return order == TExchangeOrder::A ? compared > 0 : compared < 0;
}

bool ExchangeNumbers(const QString &upper, const QString &lower, const TRowSortRule &rule)
{
    const double a = NumberOf(upper).value_or(rule.blankValue);
    const double b = NumberOf(lower).value_or(rule.blankValue);
    return rule.order == TExchangeOrder::A ? a < b : a > b;
}

void ExchangeSort(QList<QStringList> &rows, int column, const TRowSortRule &rule)
{
    const bool text = rule.textColumns.contains(column);
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (qsizetype step = 0; step + 1 < rows.size(); ++step) {
            const qsizetype upper = text ? step : rows.size() - 2 - step;
            const bool swap =
                text ? ExchangeText(rows[upper].value(column), rows[upper + 1].value(column), rule.order)
                     : ExchangeNumbers(rows[upper].value(column), rows[upper + 1].value(column), rule);
            if (swap) {
                rows.swapItemsAt(upper, upper + 1);
                exchanged = true;
            }
        }
    }
}

} // namespace

TRowSortRule PageSortRule()
{
    TRowSortRule rule;
    rule.numericColumns = {7, 8, 9, 11, 12, 13, 14};
    rule.absoluteValues = true;
    return rule;
}

TRowSortRule FirstPageSortRule()
{
    TRowSortRule rule;
    rule.numericColumns = {7, 8, 9, 11, 13, 14, 15};
    return rule;
}

TRowSortRule AnalysisSortRule(TExchangeOrder order)
{
    TRowSortRule rule;
    rule.method = TRowSortMethod::AdjacentExchange;
    rule.textColumns = {2, 18};
    rule.order = order;
    return rule;
}

void SortRows(QList<QStringList> &rows, int column, const TRowSortRule &rule, const TPivotPicker &picker)
{
    if (rule.method == TRowSortMethod::AdjacentExchange) {
        ExchangeSort(rows, column, rule);
        return;
    }
    const TPivotPicker pick = picker ? picker : [](int low, int high) {
        return int(QRandomGenerator::global()->bounded(low, high + 1));
    };
    QList<int> order;
    for (int row = 0; row < rows.size(); ++row)
        order.append(row);
    TQuickSorter(rows, column, rule, pick).Sort(order, 0, int(rows.size()) - 1);
    QList<QStringList> sorted;
    for (int row : order)
        sorted.append(rows[row]);
    rows = sorted;
}

} // namespace tav::coupons
