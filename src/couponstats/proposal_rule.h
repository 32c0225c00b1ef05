#pragma once

#include <QString>

namespace tav::couponstats {

// The six inclusive bounds that turn a team difference into a proposal: Apo1..Eos1 proposes "1",
// ApoX..EosX "X", Apo2..Eos2 "2".
struct TProposalThresholds
{
    int Apo1 = 0;
    int Eos1 = 0;
    int ApoX = 0;
    int EosX = 0;
    int Apo2 = 0;
    int Eos2 = 0;

    bool operator==(const TProposalThresholds &) const = default;
};

// The bounds of the special analyses, its pages and the head-to-head goals analysis.
inline constexpr TProposalThresholds kDefaultsA{1, 500, -4, 0, -500, -5};
// The bounds of the head-to-head signs analysis and of the points analysis pages.
inline constexpr TProposalThresholds kDefaultsB{1, 500, 0, 0, -500, -1};

// "1", "X" or "2" for the difference, or "" when it falls in no band. The bands are tried in that
// order, so where they overlap 1 wins over X and X over 2.
QString ProposalFor(double difference, const TProposalThresholds &thresholds);

} // namespace tav::couponstats
