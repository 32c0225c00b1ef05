#include "couponstats/operations/protaseis_score.h"

#include "platform/core/format.h"

#include <optional>
#include <vector>

namespace tav::operations {

namespace {

// The odds column of a sign; none for a text that is no single sign.
std::optional<int> SignOddsCol(const QString &sign, int Odd1Col, int OddXCol, int Odd2Col)
{
    if (sign == QStringLiteral("1"))
        return Odd1Col;
    if (sign == QStringLiteral("2"))
        return Odd2Col;
    if (sign == QStringLiteral("X") || sign == QStringLiteral("Χ"))
        return OddXCol;
    return std::nullopt;
}

double Percent(double part, double whole)
{
    return whole == 0 ? 0 : 100 * part / whole;
}

} // namespace

TProtaseisScore ScoreProtaseisRows(int FromRow, int ToRow, int ProposalCol, int SignCol, int Odd1Col,
                                   int OddXCol, int Odd2Col, const TCellText &Cell)
{
    TProtaseisScore score;
    // The staking odd of every row with a proposal.
    std::vector<std::optional<double>> staked;
    for (int row = FromRow; row <= ToRow; ++row) {
        const QString proposal = Cell(ProposalCol, row).trimmed();
        if (proposal.isEmpty())
            continue;
        const QString result = Cell(SignCol, row).trimmed();
        const std::optional<int> col = SignOddsCol(proposal, Odd1Col, OddXCol, Odd2Col);
        const std::optional<double> odd = col ? std::optional(StrToFloat(Cell(*col, row))) : std::nullopt;
        staked.push_back(odd);
        if (odd && proposal == result) {
            ++score.Hits;
            score.HitOddsSum += *odd;
        }
        if (!result.isEmpty()) {
            ++score.Played;
            score.OddsSum += odd.value_or(0);
        }
    }
    // Each proposal is staked so that a hit returns the sum of the played odds.
    for (const std::optional<double> &odd : staked)
        if (odd)
            score.Stake += score.OddsSum / *odd;
    return score;
}

QString ProtaseisSummary(const TProtaseisScore &score)
{
    const double yield = score.Hits * score.OddsSum;
    return QStringLiteral("Αγώνες :") + IntToStr(score.Played) + QStringLiteral("  Επιτυχίες ") +
           IntToStr(score.Hits) + QStringLiteral(" από ") + IntToStr(score.Played) +
           QStringLiteral(" Αποδοση :") +
           Format(QStringLiteral("%.2f  %.2f"), {score.HitOddsSum, Percent(score.HitOddsSum, score.Played)}) +
           QStringLiteral("%  ") + QLatin1Char('\r') +
           Format(QStringLiteral(
                      " Αθροισμα ΑΠ. : %.2f  Κόστος Παιχνιδιού : %.2f   Απόδοση : %.2f  Ποσοστό : %.2f "),
                  {score.OddsSum, score.Stake, yield, Percent(yield, score.Stake)}) +
           QLatin1Char('%');
}

} // namespace tav::operations
