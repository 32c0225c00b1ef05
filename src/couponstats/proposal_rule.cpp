#include "couponstats/proposal_rule.h"

namespace tav::couponstats {

namespace {

bool Within(double difference, int from, int to)
{
    return from <= difference && difference <= to;
}

} // namespace

QString ProposalFor(double difference, const TProposalThresholds &thresholds)
{
    if (Within(difference, thresholds.Apo1, thresholds.Eos1))
        return QStringLiteral("1");
    if (Within(difference, thresholds.ApoX, thresholds.EosX))
        return QStringLiteral("X");
    if (Within(difference, thresholds.Apo2, thresholds.Eos2))
        return QStringLiteral("2");
    return QString();
}

} // namespace tav::couponstats
