#include "couponstats/score_proposal.h"

#include "platform/core/format.h"

#include <algorithm>

namespace tav::couponstats {

namespace {

QString Cell(const QStringList &row, int column)
{
    return row.value(column);
}

QString OneSign(const QString &sign)
{
    const QString trimmed = sign.trimmed();
    return trimmed == QStringLiteral("Χ") ? QStringLiteral("X") : trimmed;
}

double Percent(double part, int whole)
{
    return whole == 0 ? 0 : 100 * part / whole;
}

} // namespace

bool SameScoreSign(const QString &a, const QString &b)
{
    return OneSign(a) == OneSign(b);
}

int WinningOddsColumn(const QString &sign)
{
    const QString first = sign.trimmed().left(1);
    if (first == QStringLiteral("1"))
        return kOdd1Column;
    if (first == QStringLiteral("2"))
        return kOdd2Column;
    if (first == QStringLiteral("X") || first == QStringLiteral("Χ"))
        return kOddXColumn;
    return -1;
}

coupons::TProposalFile ScoreProposalFile(const QString &couponName, const TPageRows &rows)
{
    coupons::TProposalFile file;
    file.couponNumber = coupons::CouponNumberOf(couponName);
    for (const QStringList &row : rows) {
        const QString number = Cell(row, kScoreFirstNumberColumn).trimmed();
        const QString proposal = Cell(row, kScoreProposalColumn).trimmed();
        if (number.isEmpty() || proposal.isEmpty())
            continue;
        file.lines.append({number,
                           proposal,
                           {Cell(row, kScoreHomeScoredColumn), Cell(row, kScoreHomeSumColumn),
                            Cell(row, kScoreTwoTwoColumn)}});
    }
    return file;
}

TScoreTally TallyScoreRows(const TPageRows &rows, const QList<int> &indexes, int proposalColumn)
{
    TScoreTally tally;
    for (int r : indexes) {
        const QStringList &row = rows[r];
        const QString proposal = Cell(row, proposalColumn).trimmed();
        const QString sign = Cell(row, kScoreSignColumn).trimmed();
        if (sign.isEmpty())
            continue;
        ++tally.results;
        if (proposal.isEmpty())
            continue;
        ++tally.proposed;
        if (SameScoreSign(sign, proposal)) {
            ++tally.hits;
            const int oddsColumn = WinningOddsColumn(sign);
            if (oddsColumn >= 0)
                tally.odds += StrToFloat(Cell(row, oddsColumn).trimmed());
        }
    }
    return tally;
}

QString ScoreSummaryText(const TScoreTally &tally)
{
    return QStringLiteral("Αγώνες :") + IntToStr(tally.results) + QStringLiteral("  Επιτυχίες ") +
           IntToStr(tally.hits) + QStringLiteral(" από ") + IntToStr(tally.results) +
           QStringLiteral(" Αποδοση :") +
           Format(QStringLiteral("%.2f  %.2f"), {tally.odds, Percent(tally.odds, tally.results)}) +
           QStringLiteral("%  ");
}

QString LoadSummaryText(const TScoreTally &tally)
{
    return QStringLiteral("Αγώνες :") + IntToStr(tally.results) + QStringLiteral("  Επιτυχίες ") +
           IntToStr(tally.hits) + QStringLiteral(" από ") + IntToStr(tally.proposed) +
           QStringLiteral(" Αποδοση :") + Format(QStringLiteral("%.2f"), {tally.odds});
}

QList<int> ApplyScoreProposal(TPageRows &rows, const coupons::TProposalFile &proposal)
{
    QList<int> received;
    for (const coupons::TProposalLine &line : proposal.lines) {
        const QString number = line.code.trimmed();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            QStringList &row = rows[r];
            if (Cell(row, kScoreNumberColumn).trimmed() != number)
                continue;
            while (row.size() < kScoreFirstPageExtraColumn + kScoreFirstPageExtraCount)
                row.append(QString());
            row[kScoreFirstPageProposalColumn] = line.sign;
            for (int i = 0; i < kScoreFirstPageExtraCount; ++i)
                row[kScoreFirstPageExtraColumn + i] = line.extra.value(i);
            if (!received.contains(int(r)))
                received.append(int(r));
        }
    }
    std::sort(received.begin(), received.end());
    return received;
}

} // namespace tav::couponstats
