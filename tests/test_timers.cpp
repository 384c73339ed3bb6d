#include "match/timer_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace hovla;

TEST(TimerService, IntervalsRoundUpToWholeClockTicks)
{
    EXPECT_EQ(TimerService::intervalTicks(1), 1);
    EXPECT_EQ(TimerService::intervalTicks(10), 1);
    EXPECT_EQ(TimerService::intervalTicks(15), 1);
    EXPECT_EQ(TimerService::intervalTicks(16), 2);  // 1.024 ticks
    EXPECT_EQ(TimerService::intervalTicks(1000), 64);
}

TEST(TimerService, StartsAsTheWindowCreatesThem)
{
    TimerService t;
    EXPECT_TRUE(t.isEnabled(TimerId::Tim_Lämpö1));
    EXPECT_TRUE(t.isEnabled(TimerId::Tim_Lämpö2));
    for (TimerId id : {TimerId::Tim_Heitto1, TimerId::Tim_Heitto2, TimerId::Tim_Löyly1,
                       TimerId::Tim_Löyly2, TimerId::Aaltokone1, TimerId::Aaltokone2})
        EXPECT_FALSE(t.isEnabled(id)) << TimerService::name(id);
}

TEST(TimerService, DueTimersFireOncePerTickInTableOrder)
{
    TimerService t;
    std::vector<TimerId> fired;
    t.setDispatch([&](TimerId id) { fired.push_back(id); });
    t.setEnabled(TimerId::Aaltokone2, true);
    t.setEnabled(TimerId::Tim_Löyly1, true);
    t.setEnabled(TimerId::Tim_Heitto2, true);
    t.tick();
    EXPECT_EQ(fired, (std::vector<TimerId>{TimerId::Tim_Heitto2, TimerId::Tim_Löyly1, TimerId::Aaltokone2}));
    fired.clear();
    for (int i = 0; i < 62; ++i)
        t.tick();
    EXPECT_EQ(std::count(fired.begin(), fired.end(), TimerId::Tim_Löyly1), 62);
    EXPECT_EQ(std::count(fired.begin(), fired.end(), TimerId::Tim_Lämpö1), 0);
    fired.clear();
    t.tick();  // tick 64: the heat timers too, first
    ASSERT_GE(fired.size(), 2u);
    EXPECT_EQ(fired[0], TimerId::Tim_Lämpö1);
    EXPECT_EQ(fired[1], TimerId::Tim_Lämpö2);
}

TEST(TimerService, DisablingThenEnablingRestartsTheInterval)
{
    TimerService t;
    int heat = 0;
    t.setDispatch([&](TimerId id) { heat += id == TimerId::Tim_Lämpö1; });
    for (int i = 0; i < 40; ++i)
        t.tick();
    t.setEnabled(TimerId::Tim_Lämpö1, false);
    t.setEnabled(TimerId::Tim_Lämpö1, true);
    for (int i = 0; i < 63; ++i)
        t.tick();
    EXPECT_EQ(heat, 0);
    t.tick();
    EXPECT_EQ(heat, 1);
    t.setEnabled(TimerId::Tim_Lämpö1, true);  // already on: no restart
    for (int i = 0; i < 64; ++i)
        t.tick();
    EXPECT_EQ(heat, 2);
}

TEST(TimerService, AHandlerCanSwitchTimersAndNestTicks)
{
    TimerService t;
    std::vector<TimerId> fired;
    bool nested = false;
    t.setDispatch([&](TimerId id) {
        fired.push_back(id);
        if (id == TimerId::Tim_Heitto1) {
            t.setEnabled(TimerId::Tim_Heitto1, false);
            t.setEnabled(TimerId::Tim_Löyly1, true);  // due on the next tick, not this one
            if (!nested) {
                nested = true;
                t.tick();  // a message box's loop ticking inside a handler
            }
        }
    });
    t.setEnabled(TimerId::Tim_Heitto1, true);
    t.tick();
    EXPECT_EQ(fired, (std::vector<TimerId>{TimerId::Tim_Heitto1, TimerId::Tim_Löyly1}));
    EXPECT_EQ(t.now(), 2);
}

// After a stall the late ticks are not made up: each timer that fell due
// fires once, and its interval starts again from then.
TEST(TimerService, AStallFiresEachDueTimerOnce)
{
    TimerService t;
    std::vector<TimerId> fired;
    t.setDispatch([&](TimerId id) { fired.push_back(id); });
    for (int i = 0; i < 60; ++i)
        t.tick();
    t.setEnabled(TimerId::Aaltokone1, true);
    t.setEnabled(TimerId::Tim_Löyly2, true);
    fired.clear();
    t.advance(7);  // a 100 ms stall: the heat timers fell due at tick 64 too
    EXPECT_EQ(fired, (std::vector<TimerId>{TimerId::Tim_Lämpö1, TimerId::Tim_Lämpö2, TimerId::Tim_Löyly2,
                                           TimerId::Aaltokone1}));
    EXPECT_EQ(t.now(), 67);
    fired.clear();
    t.tick();  // the walk goes on one step a tick
    EXPECT_EQ(fired, (std::vector<TimerId>{TimerId::Tim_Löyly2, TimerId::Aaltokone1}));
    fired.clear();
    for (int i = 0; i < 62; ++i)
        t.tick();
    EXPECT_EQ(std::count(fired.begin(), fired.end(), TimerId::Tim_Lämpö1), 0);  // a second from tick 67
    t.tick();
    EXPECT_EQ(std::count(fired.begin(), fired.end(), TimerId::Tim_Lämpö1), 1);
    fired.clear();
    t.advance(1000);  // a long stall is no different
    EXPECT_EQ(std::count(fired.begin(), fired.end(), TimerId::Aaltokone1), 1);
    EXPECT_EQ(std::count(fired.begin(), fired.end(), TimerId::Tim_Lämpö2), 1);
}
