#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_timer_pool.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Ticks of the pool are driven here one by one; nothing waits for the clock.
void Tick(TStyTimerPool &pool, int times)
{
    for (int i = 0; i < times; ++i)
        pool.TimerTick();
}

TEST(StyTimerPool, IntervalsMustBeWholeTicksAndFireOnTheirTick)
{
    TStyTimerPool pool(nullptr, 50);
    for (int interval : {120, 30, 0, 75}) {
        try {
            pool.AddTimer(1, interval, {});
            ADD_FAILURE() << interval << " was taken";
        } catch (const EStyError &error) {
            EXPECT_EQ(error.Message(), "Interval not compatible with MinInterval property!");
        }
    }
    EXPECT_EQ(pool.Count(), 0);

    std::vector<int> firedAt;
    pool.AddTimer(1, 150, [&](QObject *sender) {
        EXPECT_EQ(sender, &pool);
        firedAt.push_back(pool.TickCount());
    });
    EXPECT_TRUE(pool.Active());
    EXPECT_TRUE(pool.TimerRunning());
    EXPECT_EQ(pool.TimerByIdent(1)->Ticks(), 3);
    Tick(pool, 9);
    EXPECT_EQ(firedAt, (std::vector<int>{3, 6, 9}));
    EXPECT_EQ(pool.TimerByIdent(1)->Counter, 3);

    EXPECT_THROW(pool.AddTimer(1, 50, {}), EStyError) << "an identifier in use";
}

TEST(StyTimerPool, MaxCountStopsAnItemAndThePoolEventServesItemsWithoutTheirOwn)
{
    TStyTimerPool pool(nullptr, 50);
    std::vector<std::pair<int, int>> fired;
    pool.OnTimer = [&](QObject *, std::uint16_t ident, int counter) { fired.emplace_back(ident, counter); };
    pool.AddTimer(7, 50, {});
    pool.AddTimer(8, 100, {});
    pool.TimerByIdent(7)->MaxCount = 3;
    Tick(pool, 6);

    int sevens = 0;
    for (const auto &[ident, counter] : fired)
        sevens += ident == 7;
    EXPECT_EQ(sevens, 3);
    EXPECT_FALSE(pool.TimerByIdent(7)->Enabled());
    EXPECT_EQ(fired[1], std::make_pair(7, 2));
    EXPECT_EQ(fired[2], std::make_pair(8, 1));

    TStyTimerItem &item = *pool.TimerByIdent(7);
    item.MaxCount = 0;
    item.SetEnabled(true);
    EXPECT_FALSE(item.Enabled()) << "an item allowed no firings stays off";
    item.SetInterval(70);
    EXPECT_EQ(item.Interval(), 50) << "not a multiple of the tick";
    item.SetInterval(200);
    EXPECT_EQ(item.Ticks(), 4);
}

TEST(StyTimerPool, TheLastRemovalStopsTheTimer)
{
    TStyTimerPool pool(nullptr, 50);
    pool.AddTimer(1, 50, {});
    pool.AddTimer(2, 100, {});
    pool.RemoveTimer(1);
    EXPECT_TRUE(pool.TimerRunning());
    EXPECT_EQ(pool.IndexOfIdent(2), 0);
    pool.RemoveTimer(99);
    pool.RemoveTimer(2);
    EXPECT_FALSE(pool.TimerRunning());
    EXPECT_FALSE(pool.Active());
    EXPECT_EQ(pool.Count(), 0);
}

TEST(StyTimerPool, HandlersMayRemoveTimersAndPumpTicks)
{
    TStyTimerPool pool(nullptr, 50);
    int first = 0, second = 0;
    pool.AddTimer(1, 50, [&](QObject *) {
        ++first;
        pool.TimerTick(); // a handler that pumps messages meets no second tick
        pool.RemoveTimer(1);
        pool.RemoveTimer(2);
    });
    pool.AddTimer(2, 50, [&](QObject *) { ++second; });
    Tick(pool, 3);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(pool.Count(), 0);
}

TEST(StyTimerPool, MinIntervalChangesOnlyWhileADesignIsRead)
{
    TStyTimerPool pool;
    EXPECT_EQ(pool.MinInterval(), 1000);
    pool.SetMinInterval(100);
    EXPECT_EQ(pool.MinInterval(), 1000);

    TStyDesign design;
    design.values = {{"MinInterval", 100}};
    tav::styled::ReadDesign(pool, design);
    EXPECT_EQ(pool.MinInterval(), 100);
    EXPECT_EQ(tav::styled::WriteDesign(pool).Value("MinInterval").toInt(), 100);
}

} // namespace
