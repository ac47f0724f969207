#include "base/tick.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "base/task.h"
#include "support/manual_scheduler.h"

namespace {

TEST(Tick, CountsDownAndStopsAtExpiry) {
    ManualScheduler clock;
    cmcTick tick(clock);
    EXPECT_EQ(tick.Remaining(), 0u);
    EXPECT_FALSE(tick.IsRunning());

    tick.Start(100);
    EXPECT_EQ(tick.Remaining(), 100u);
    clock.Advance(30);
    EXPECT_EQ(tick.Remaining(), 70u);
    EXPECT_TRUE(tick.IsRunning());
    clock.Advance(70);
    EXPECT_EQ(tick.Remaining(), 0u);
    EXPECT_FALSE(tick.IsRunning());
    clock.Advance(1000);
    EXPECT_TRUE(tick.HasExpired());
}

TEST(Tick, MeasuresAcrossTheWrapOfTheCounter) {
    for (const uint32_t start : {0xFFFFFFFFu - 99, 0xFFFFFFFFu - 49, 0xFFFFFFFFu}) {
        ManualScheduler clock(start);
        cmcTick tick(clock);
        tick.Start(100);
        clock.Sleep(60);
        EXPECT_EQ(tick.Remaining(), 40u) << start;
        clock.Sleep(39);
        EXPECT_EQ(tick.Remaining(), 1u) << start;
        clock.Sleep(1);
        EXPECT_EQ(tick.Remaining(), 0u) << start;
    }
}

TEST(Tick, WaitHoldsTheThreadWithoutRunningTimers) {
    ManualScheduler scheduler;
    int calls = 0;
    cmcTaskPtr task = cmcTask::Create(scheduler);
    task->SetCallback([&](cmcTask&) { ++calls; });
    task->SetInterval(10);

    cmcTick tick(scheduler);
    tick.Start(100);
    tick.Wait();
    EXPECT_EQ(scheduler.NowMs(), 100u);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(tick.IsRunning());
}

TEST(SteadyClock, NeverRunsBackwards) {
    cmcSteadyClock clock;
    const uint32_t before = clock.NowMs();
    clock.Sleep(2);
    const uint32_t elapsed = clock.NowMs() - before;
    EXPECT_GE(elapsed, 2u);
    EXPECT_LT(elapsed, 60000u);
}

}  // namespace
