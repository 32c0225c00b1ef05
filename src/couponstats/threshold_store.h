#pragma once

#include "couponstats/proposal_rule.h"

#include <QString>

#include <array>

namespace tav::couponstats {

// The six bounds as text, in the order 1Apo, 1Eos, XApo, XEos, 2Apo, 2Eos.
using TThresholdTexts = std::array<QString, 6>;

// The value names of section "Params" of "Software\Tavrolin\Directories", in the same order.
inline constexpr std::array<const char *, 6> kThresholdNames = {"1Apo", "1Eos", "XApo",
                                                                "XEos", "2Apo", "2Eos"};

// The bounds written as the registry keeps them.
TThresholdTexts ThresholdTextsOf(const TProposalThresholds &thresholds);

// The stored texts; a missing value (or key) gives the text of the reader's default.
TThresholdTexts ReadThresholdTexts(const TProposalThresholds &defaults);

// Stores the texts as they stand, an empty one too; EInOutError when the settings cannot be written.
void WriteThresholdTexts(const TThresholdTexts &texts);

// The bounds of the texts, converted when they are used; a text that is no whole number (an empty
// one saved, say) raises EConvertError naming it.
TProposalThresholds ThresholdsFromTexts(const TThresholdTexts &texts);

} // namespace tav::couponstats
