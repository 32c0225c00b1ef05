#include "couponstats/stat_all.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

namespace tav::couponstats {

namespace {

// Page 1's free column and its score.
constexpr int kPageProp0Column = 16;
constexpr int kPageScoreColumn = 17;

QString Cell(const QStringList &row, int col)
{
    return row.value(col);
}

bool WholeNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

bool AllIn(const QList<int> &values, int from, int to)
{
    for (int v : values) {
        if (v < from || v > to)
            return false;
    }
    return true;
}

int OddsColumnOf(const QString &sign)
{
    if (sign == QStringLiteral("1"))
        return kOdd1Column;
    if (sign == QStringLiteral("X") || sign == QStringLiteral("Χ"))
        return kOddXColumn;
    if (sign == QStringLiteral("2"))
        return kOdd2Column;
    return -1;
}

} // namespace

QList<TPageColumn> StatAllBaseColumns()
{
    return CouponColumns() + QList<TPageColumn>{{QStringLiteral("Προτ0"), 35},
                                                {QStringLiteral("ΠΡΟΤ"), 35},
                                                {QStringLiteral("ΣΚΟΡ"), 35}};
}

TPageRows StatAllRows(const TPageRows &pageOne, const QList<TStatAllPage> &pages)
{
    TPageRows rows;
    for (const QStringList &from : pageOne) {
        QStringList row(kStatAllFirstPageColumn + pages.size());
        for (int col = kCodeColumn; col <= kNumberColumn; ++col)
            row[col] = Cell(from, col);
        row[kStatAllProp0Column] = Cell(from, kPageProp0Column);
        row[kStatAllScoreColumn] = Cell(from, kPageScoreColumn);
        const QString code = Cell(from, kCodeColumn).trimmed();
        for (qsizetype p = 0; p < pages.size(); ++p) {
            for (const QStringList &pageRow : pages[p].rows) {
                if (Cell(pageRow, kCodeColumn).trimmed() == code)
                    row[kStatAllFirstPageColumn + p] = Cell(pageRow, pages[p].columns->summaryColumn);
            }
        }
        rows.append(row);
    }
    return rows;
}

void SetConsensusProposals(TPageRows &rows, const TProposalThresholds &thresholds)
{
    for (QStringList &row : rows) {
        QList<int> values;
        for (qsizetype col = kStatAllFirstPageColumn; col < row.size(); ++col) {
            int value = 0;
            if (WholeNumber(row[col], value))
                values.append(value);
        }
        if (values.isEmpty())
            continue;
        if (AllIn(values, thresholds.Apo1, thresholds.Eos1))
            row[kStatAllProposalColumn] = QStringLiteral("1");
        if (AllIn(values, thresholds.ApoX, thresholds.EosX))
            row[kStatAllProposalColumn] = QStringLiteral("X");
        if (AllIn(values, thresholds.Apo2, thresholds.Eos2))
            row[kStatAllProposalColumn] = QStringLiteral("2");
    }
}

coupons::TRowSortRule StatAllSortRule(int colCount)
{
    coupons::TRowSortRule rule;
    rule.method = coupons::TRowSortMethod::RandomPivot;
    rule.numericColumns = {kOdd1Column, kOddXColumn, kOdd2Column, kNumberColumn};
    for (int col = kStatAllFirstPageColumn; col < colCount; ++col)
        rule.numericColumns.append(col);
    return rule;
}

void SortStatAllRows(TPageRows &rows, int col, int colCount, const coupons::TPivotPicker &picker)
{
    const coupons::TRowSortRule rule = StatAllSortRule(colCount);
    if (!rule.numericColumns.contains(col)) {
        coupons::SortRows(rows, col, rule, picker);
        return;
    }
    TPageRows numbers;
    TPageRows others;
    for (const QStringList &row : rows) {
        bool ok = false;
        Cell(row, col).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        (ok ? numbers : others).append(row);
    }
    coupons::SortRows(numbers, col, rule, picker);
    rows = numbers + others;
}

coupons::TProposalFile StatAllProposalFile(const QString &couponName, const TPageRows &rows)
{
    coupons::TProposalFile file;
    file.couponNumber = coupons::CouponNumberOf(couponName);
    for (const QStringList &row : rows) {
        const QString proposal = Cell(row, kStatAllProposalColumn).trimmed();
        if (!proposal.isEmpty() && !Cell(row, kCodeColumn).trimmed().isEmpty())
            file.lines.append({Cell(row, kCodeColumn), proposal, {}});
    }
    return file;
}

coupons::TProposalScore ApplyStatAllProposals(const coupons::TProposalFile &file, TPageRows &rows)
{
    TPageRows loaded = rows;
    coupons::TProposalScore score;
    for (const coupons::TProposalLine &line : file.lines) {
        const QString code = line.code.trimmed();
        for (QStringList &row : loaded) {
            if (Cell(row, kCodeColumn).trimmed() != code)
                continue;
            row[kStatAllProposalColumn] = line.sign;
            const QString proposal = line.sign.trimmed();
            const QString result = Cell(row, kSignColumn).trimmed();
            if (!result.isEmpty() && proposal == result) {
                ++score.Hits;
                const int odds = OddsColumnOf(result);
                if (odds >= 0)
                    score.OddsSum += StrToFloat(Cell(row, odds).trimmed());
            }
            if (!result.isEmpty() && !proposal.isEmpty())
                ++score.Played;
            if (!result.isEmpty())
                ++score.Matches;
        }
    }
    rows = loaded;
    return score;
}

} // namespace tav::couponstats
