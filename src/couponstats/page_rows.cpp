#include "couponstats/page_rows.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

namespace tav::couponstats {

namespace {

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

QString Cell(const QStringList &row, int col)
{
    return col >= 0 && col < row.size() ? row[col] : QString();
}

} // namespace

QStringList BlankRow(const TPageColumnSet &set)
{
    return QStringList(set.columns.size());
}

QByteArray ChecksOf(const TPageRows &rows)
{
    QByteArray checks;
    for (const QStringList &row : rows)
        checks.append(Cell(row, kCheckColumn).trimmed() == QStringLiteral("1") ? 1 : 0);
    return checks;
}

bool BoundsDrop(const QStringList &row, const TPageColumnSet &set, const TDifferenceBounds &bounds)
{
    const QString difference = Cell(row, set.differenceColumn);
    if (Blank(difference) || (Blank(bounds.ap1) && Blank(bounds.ap2) && Blank(bounds.apX)))
        return false;
    const double d = StrToFloat(difference.trimmed());
    const QString proposal = Cell(row, set.proposalColumn).trimmed();
    const auto below = [&](const QString &bound) { return !Blank(bound) && d < StrToFloat(bound.trimmed()); };
    const auto above = [&](const QString &bound) { return !Blank(bound) && d > StrToFloat(bound.trimmed()); };
    return (proposal == QStringLiteral("1") && below(bounds.ap1)) ||
           (proposal == QStringLiteral("2") && above(bounds.ap2)) ||
           (proposal == QStringLiteral("X") && below(bounds.apX));
}

TPageRows CopyCheckedRows(const TPageRows &source, const QByteArray &sourceChecks, int rowFrom, int rowTo,
                          const TDifferenceBounds &bounds, const TPageColumnSet &sourceSet,
                          const TPageColumnSet &set)
{
    TPageRows rows;
    for (qsizetype r = 0; r < source.size() && r < sourceChecks.size(); ++r) {
        if (sourceChecks[r] != 1)
            continue;
        const QStringList &from = source[r];
        const int number = StrToInt(Cell(from, sourceSet.numberColumn).trimmed());
        if (number < rowFrom || number > rowTo || BoundsDrop(from, sourceSet, bounds))
            continue;
        QStringList row = BlankRow(set);
        for (int col : set.carriedColumns)
            row[col] = Cell(from, col);
        row[kCheckColumn] = QStringLiteral("1");
        rows.append(row);
    }
    return rows;
}

TPageRows FilterRows(const TPageRows &rows, const QByteArray &checks, const TDifferenceBounds &bounds,
                     const TPageColumnSet &set)
{
    TPageRows kept;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (r < checks.size() && checks[r] == 1 && !BoundsDrop(rows[r], set, bounds))
            kept.append(rows[r]);
    }
    return kept;
}

void ProposeRows(TPageRows &rows, const TProposalThresholds &thresholds, const TPageColumnSet &set)
{
    for (QStringList &row : rows) {
        const QString home = Cell(row, set.homeColumn);
        const QString away = Cell(row, set.awayColumn);
        // A row the statistic found nothing for has nothing to propose.
        if (Blank(home) || Blank(away)) {
            row[set.proposalColumn].clear();
            continue;
        }
        const double d = StrToFloat(home.trimmed()) - StrToFloat(away.trimmed());
        row[set.proposalColumn] = ProposalFor(d, thresholds);
    }
}

TDifferenceBand DifferenceBandOf(const QString &cell, const TProposalThresholds &thresholds)
{
    if (Blank(cell))
        return TDifferenceBand::None;
    double d = 0;
    try {
        d = StrToFloat(cell.trimmed());
    } catch (const EConvertError &) {
        return TDifferenceBand::None;
    }
    if (thresholds.Apo2 <= d && d <= thresholds.Eos2)
        return TDifferenceBand::Two;
    if (thresholds.ApoX <= d && d <= thresholds.EosX)
        return TDifferenceBand::X;
    return TDifferenceBand::Other;
}

void Renumber(TPageRows &rows, int column)
{
    for (qsizetype r = 0; r < rows.size(); ++r)
        rows[r][column] = QString::number(r + 1);
}

coupons::TProposalFile ProposalFileOf(const QString &couponName, const TPageRows &rows,
                                      const TPageColumnSet &set)
{
    coupons::TProposalFile file;
    file.couponNumber = coupons::CouponNumberOf(couponName);
    for (const QStringList &row : rows) {
        const QString proposal = Cell(row, set.proposalColumn).trimmed();
        if (proposal.isEmpty() || Blank(Cell(row, set.codeColumn)))
            continue;
        coupons::TProposalLine line{Cell(row, set.codeColumn), proposal, {}};
        for (int col : set.saveFields)
            line.extra.append(Cell(row, col));
        file.lines.append(line);
    }
    return file;
}

QString FilterCodeFor(int kind, const QString &n, bool allMatches, bool firstPage)
{
    static const QStringList codes = {QStringLiteral("B"),  QStringLiteral("Φ"),  QStringLiteral("Π"),
                                      QStringLiteral("δτ"), QStringLiteral("DT"), QStringLiteral("EB"),
                                      QStringLiteral("DO"), QStringLiteral("ΔΟ"), QStringLiteral("SG"),
                                      QStringLiteral("sg"), QStringLiteral("PG")};
    if (!KindHasStatistic(kind))
        return QString();
    QString code = firstPage && kind == 5 ? QStringLiteral("ΕΒ") : codes[kind];
    if (!allMatches)
        return code + n;
    return kind <= 2 ? code + QStringLiteral("A") : code;
}

bool KindHasStatistic(int kind)
{
    return kind >= 0 && kind <= 10;
}

} // namespace tav::couponstats
