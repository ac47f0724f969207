#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "base/task.h"
#include "platform/qt/qt_timer_service.h"
#include "support/qt/qt_events.h"

namespace {

TEST(QtTask, RunsOnTheEventLoopAndNeverReentersDuringANestedLoop) {
    cmcQtTimerService timers;
    int calls = 0;
    int depth = 0;
    int deepest = 0;
    int otherCalls = 0;
    int otherCallsDuringBox = 0;

    cmcTaskPtr other = cmcTask::Create(timers);
    other->SetCallback([&](cmcTask&) { ++otherCalls; });
    other->SetInterval(5);

    cmcTaskPtr task = cmcTask::Create(timers);
    task->SetCallback([&](cmcTask& self) {
        ++calls;
        deepest = std::max(deepest, ++depth);
        if (calls == 1) {
            // A modal box: a nested event loop for 100 ms, in which the timers go on.
            const int before = otherCalls;
            QEventLoop box;
            QTimer::singleShot(100, &box, &QEventLoop::quit);
            box.exec();
            otherCallsDuringBox = otherCalls - before;
        }
        if (calls == 3) self.SetInterval(-1);
        --depth;
    });
    task->SetInterval(0);

    ASSERT_TRUE(RunEventsUntil([&] { return task->IsStopped(); }));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(deepest, 1);
    EXPECT_GT(otherCallsDuringBox, 0);
}

TEST(QtTask, OwnerDestroyedInsideTheCallbackLetsTheTaskFinishAndGo) {
    cmcQtTimerService timers;
    cmcTaskPtr owner = cmcTask::Create(timers);
    int calls = 0;
    owner->SetCallback([&](cmcTask& self) {
        ++calls;
        owner.reset();
        EXPECT_TRUE(self.IsDeletePending());
    });
    owner->SetInterval(1);
    ASSERT_TRUE(RunEventsUntil([&] { return owner == nullptr; }));
    // Give the deferred deletion its tick; the callback is not called again.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(calls, 1);
}

}  // namespace
