#include "couponstats/operations/history_fixture.h"
#include "couponstats/operations/proistoria_counts.h"

#include <gtest/gtest.h>

namespace tav::operations {

void PrintTo(const TProistoriaCounts &c, std::ostream *out)
{
    *out << "{" << c.Found << ", " << c.First << ", " << c.Second << ", " << c.Third << "}";
}

} // namespace tav::operations

using namespace tav::operations;

namespace {

using ProistoriaCountsTest = TeamHistoryTest;

constexpr int kAway = 2;

TEST_F(ProistoriaCountsTest, TheLatestPlayedMeetingsBeforeTheDayCount)
{
    Add(kTeam, kAway, day, 5, 0);             // on the day itself
    Add(kTeam, kAway, DaysBefore(1), {}, {}); // not played
    Add(kTeam, kAway, DaysBefore(2), 2, 1);
    Add(kAway, kTeam, DaysBefore(3), 4, 0); // sides reversed
    Add(kTeam, kAway, DaysBefore(4), 1, 1);
    Add(kTeam, kAway, DaysBefore(5), 0, 3);
    const struct
    {
        int n;
        TProistoriaCounts signs;
        TProistoriaCounts goals;
    } cases[] = {
        {1, {true, 1, 0, 0}, {true, 2, 1, 0}},
        {3, {true, 1, 1, 1}, {true, 3, 5, 0}},
        {4, {true, 0, 0, 0}, {true, 0, 0, 0}},
        {0, {true, 0, 0, 0}, {true, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CountProistoriaSigns(Dm(), kTeam, kAway, dayText, c.n), c.signs) << "N " << c.n;
        EXPECT_EQ(CountProistoriaGoals(Dm(), kTeam, kAway, dayText, c.n), c.goals) << "N " << c.n;
    }
}

TEST_F(ProistoriaCountsTest, AnUnplayedMeetingIsStillFound)
{
    Add(kTeam, kAway, DaysBefore(1), {}, {});
    EXPECT_EQ(CountProistoriaSigns(Dm(), kTeam, kAway, dayText, 1), (TProistoriaCounts{true, 0, 0, 0}));
    EXPECT_EQ(CountProistoriaSigns(Dm(), kAway, kTeam, dayText, 1), (TProistoriaCounts{}));
}

} // namespace
