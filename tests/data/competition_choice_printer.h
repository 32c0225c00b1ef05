#pragma once

#include "data/competition_choice.h"

#include <ostream>

namespace tav::data {

// A choice in a failed expectation reads as its two texts.
inline void PrintTo(const CompetitionChoice &choice, std::ostream *os)
{
    *os << '"' << choice.Category.toStdString() << "\" / \"" << choice.Season.toStdString() << '"';
}

} // namespace tav::data
