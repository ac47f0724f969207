#include "base/task.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "support/manual_scheduler.h"

namespace {

class TaskTest : public testing::Test {
protected:
    // Records the clock at every call of the task's callback.
    cmcTaskPtr MakeRecordingTask(std::vector<uint32_t>& calls) {
        cmcTaskPtr task = cmcTask::Create(m_scheduler);
        task->SetCallback([this, &calls](cmcTask&) { calls.push_back(m_scheduler.NowMs()); });
        return task;
    }

    ManualScheduler m_scheduler;
};

TEST_F(TaskTest, StartsStoppedAndRunsAtItsInterval) {
    std::vector<uint32_t> calls;
    cmcTaskPtr task = MakeRecordingTask(calls);
    EXPECT_TRUE(task->IsStopped());
    EXPECT_LT(task->Interval(), 0);
    m_scheduler.Advance(50);
    EXPECT_TRUE(calls.empty());

    task->SetInterval(10);
    EXPECT_FALSE(task->IsStopped());
    m_scheduler.Advance(35);
    EXPECT_EQ(calls, (std::vector<uint32_t>{60, 70, 80}));
}

TEST_F(TaskTest, IntervalZeroMeansOneMillisecondAndMinusOneStops) {
    std::vector<uint32_t> calls;
    cmcTaskPtr task = MakeRecordingTask(calls);
    task->SetInterval(0);
    EXPECT_EQ(task->Interval(), 0);
    m_scheduler.Advance(3);
    EXPECT_EQ(calls, (std::vector<uint32_t>{1, 2, 3}));

    task->SetInterval(-1);
    EXPECT_TRUE(task->IsStopped());
    m_scheduler.Advance(100);
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(TaskTest, CallbackMayChangeItsOwnInterval) {
    std::vector<uint32_t> calls;
    cmcTaskPtr task = cmcTask::Create(m_scheduler);
    task->SetCallback([&](cmcTask& self) {
        calls.push_back(m_scheduler.NowMs());
        self.SetInterval(calls.size() < 3 ? 10 : -1);
    });
    task->SetInterval(1);
    m_scheduler.Advance(100);
    EXPECT_EQ(calls, (std::vector<uint32_t>{1, 11, 21}));
    EXPECT_TRUE(task->IsStopped());
}

TEST_F(TaskTest, NeverReentersItsCallbackWhileANestedLoopRuns) {
    // The first call of the callback opens a nested loop for 100 ms, as a modal message box does;
    // the task's own ticks go on meanwhile, and so does another task.
    int depth = 0;
    int deepest = 0;
    std::vector<uint32_t> calls;
    std::vector<uint32_t> otherCalls;
    cmcTaskPtr task = cmcTask::Create(m_scheduler);
    task->SetCallback([&](cmcTask& self) {
        ++depth;
        deepest = std::max(deepest, depth);
        calls.push_back(m_scheduler.NowMs());
        EXPECT_TRUE(self.IsBusy());
        if (calls.size() == 1) m_scheduler.Advance(100);
        --depth;
    });
    cmcTaskPtr other = MakeRecordingTask(otherCalls);
    task->SetInterval(10);
    other->SetInterval(25);

    m_scheduler.Advance(130);
    EXPECT_EQ(deepest, 1);
    EXPECT_FALSE(task->IsBusy());
    // Held from 10 to 110 by its own box; then on at its period.
    EXPECT_EQ(calls, (std::vector<uint32_t>{10, 120, 130}));
    EXPECT_EQ(otherCalls, (std::vector<uint32_t>{25, 50, 75, 100, 125}));
}

TEST_F(TaskTest, OwnerDestroyedFromInsideTheCallbackFreesTheTaskAtItsNextTick) {
    for (const bool stopFirst : {false, true}) {
        SCOPED_TRACE(stopFirst ? "task stopped by its callback" : "task running");
        cmcTaskPtr owner = cmcTask::Create(m_scheduler);
        bool returned = false;
        owner->SetCallback([&](cmcTask& self) {
            if (stopFirst) self.SetInterval(-1);
            owner.reset();  // the owner goes while the callback runs
            EXPECT_TRUE(self.IsDeletePending());
            EXPECT_EQ(self.Interval(), 1);
            returned = true;
        });
        owner->SetInterval(10);
        const uint64_t start = m_scheduler.Elapsed();
        m_scheduler.Advance(10);
        EXPECT_TRUE(returned);
        // Still alive: its timer waits for the next tick, which deletes it with its timer.
        EXPECT_EQ(m_scheduler.NextDue(), start + 11);
        m_scheduler.Advance(1);
        EXPECT_EQ(m_scheduler.NextDue(), std::nullopt);
    }
}

TEST_F(TaskTest, DisposingARunningTaskDetachesIt) {
    std::vector<uint32_t> calls;
    cmcTaskPtr task = MakeRecordingTask(calls);
    task->SetInterval(5);
    task.reset();
    EXPECT_EQ(m_scheduler.NextDue(), 1u);  // DeferDelete: the next tick in 1 ms
    m_scheduler.Advance(50);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(m_scheduler.NextDue(), std::nullopt);
}

// Counts the timers it made that are gone: a task is gone with its timer.
class CountingTimerService : public cmcTimerService {
public:
    explicit CountingTimerService(int& destroyed) : m_destroyed(destroyed) {}
    std::unique_ptr<cmcTimer> CreateTimer(std::function<void()>) override {
        return std::make_unique<Timer>(m_destroyed);
    }

private:
    class Timer : public cmcTimer {
    public:
        explicit Timer(int& destroyed) : m_destroyed(destroyed) {}
        ~Timer() override { ++m_destroyed; }
        void Start(int32_t) override { m_active = true; }
        void Stop() override { m_active = false; }
        bool IsActive() const override { return m_active; }

    private:
        int& m_destroyed;
        bool m_active = false;
    };
    int& m_destroyed;
};

TEST(TaskTeardown, AServiceThatGoesFirstDeletesTheTasksWaitingForTheirTick) {
    int destroyed = 0;
    {
        CountingTimerService timers(destroyed);
        cmcTaskPtr running = cmcTask::Create(timers);
        running->SetInterval(10);
        cmcTaskPtr idle = cmcTask::Create(timers);
        running.reset();  // waits for a tick that never comes
        idle.reset();     // deleted at once
        EXPECT_EQ(destroyed, 1);
    }
    EXPECT_EQ(destroyed, 2);
}

TEST_F(TaskTest, ATaskThatDeletedItselfOnItsTickIsNotDeletedAgainByTheService) {
    // A second delete shows under the address sanitizer.
    {
        ManualScheduler scheduler;
        cmcTaskPtr task = cmcTask::Create(scheduler);
        task->SetInterval(5);
        task.reset();
        scheduler.Advance(5);
        EXPECT_EQ(scheduler.NextDue(), std::nullopt);
    }
}

TEST_F(TaskTest, TimersDueAtTheSameTimeFireInTheOrderTheyWereStarted) {
    std::vector<int> order;
    cmcTaskPtr first = cmcTask::Create(m_scheduler);
    cmcTaskPtr second = cmcTask::Create(m_scheduler);
    second->SetCallback([&](cmcTask&) { order.push_back(2); });
    first->SetCallback([&](cmcTask&) { order.push_back(1); });
    second->SetInterval(10);
    first->SetInterval(10);
    m_scheduler.Advance(20);
    EXPECT_EQ(order, (std::vector<int>{2, 1, 2, 1}));
}

}  // namespace
