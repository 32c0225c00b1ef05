#include "couponstats/proposal_rule.h"

#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

struct TRuleCase
{
    const char *defaults;
    double difference;
    const char *proposal;
};

TEST(ProposalRuleTest, TheDifferenceFallsIntoTheFirstBandThatHoldsIt)
{
    const TRuleCase cases[] = {
        {"A", 1, "1"},    {"A", 500, "1"}, {"A", 0, "X"},   {"A", -4, "X"},   {"A", -5, "2"},
        {"A", -500, "2"}, {"A", 501, ""},  {"A", -501, ""}, {"A", 0.5, ""},   {"A", -4.5, ""},
        {"B", 0, "X"},    {"B", -1, "2"},  {"B", 1, "1"},   {"B", -500, "2"}, {"B", 501, ""},
    };
    for (const TRuleCase &c : cases) {
        SCOPED_TRACE(std::string(c.defaults) + " " + std::to_string(c.difference));
        const TProposalThresholds &thresholds = std::string(c.defaults) == "A" ? kDefaultsA : kDefaultsB;
        EXPECT_EQ(ProposalFor(c.difference, thresholds), QString(c.proposal));
    }
}

TEST(ProposalRuleTest, WhereBandsOverlapOneWinsOverXAndXOverTwo)
{
    const TProposalThresholds overlapping{0, 10, -3, 5, -10, 2};
    EXPECT_EQ(ProposalFor(0, overlapping), QString("1"));
    EXPECT_EQ(ProposalFor(-1, overlapping), QString("X"));
    EXPECT_EQ(ProposalFor(-4, overlapping), QString("2"));
    const TProposalThresholds empty{5, 1, 5, 1, 5, 1};
    EXPECT_EQ(ProposalFor(3, empty), QString());
}

} // namespace
