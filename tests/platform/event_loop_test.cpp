#include "platform/event_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/task.h"

namespace {

TEST(EventLoop, RunsTasksInRealTimeUntilDoneOrTimeOut) {
    cmcSteadyClock clock;
    cmcEventLoop loop(clock);
    std::vector<uint32_t> calls;
    cmcTaskPtr task = cmcTask::Create(loop);
    task->SetCallback([&](cmcTask& self) {
        calls.push_back(clock.NowMs());
        if (calls.size() == 3) self.SetInterval(-1);
    });
    const uint32_t start = clock.NowMs();
    task->SetInterval(5);
    ASSERT_TRUE(loop.RunUntil([&] { return task->IsStopped(); }, 10000));
    ASSERT_EQ(calls.size(), 3u);
    // A periodic timer keeps its phase: the third call comes no earlier than three periods on.
    EXPECT_GE(calls[0] - start, 5u);
    EXPECT_GE(calls[2] - start, 15u);

    const uint32_t before = clock.NowMs();
    EXPECT_FALSE(loop.RunUntil([] { return false; }, 20));
    EXPECT_GE(clock.NowMs() - before, 20u);
}

}  // namespace
