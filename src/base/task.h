#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/timer_service.h"

class cmcTask;

// Applies the owner's disposal rule (see cmcTask::Dispose) when an owning pointer goes.
struct cmcTaskDisposer {
    void operator()(cmcTask* task) const;
};
using cmcTaskPtr = std::unique_ptr<cmcTask, cmcTaskDisposer>;

// A periodic task: a GUI-thread timer that calls one callback at a settable interval. All timed
// work of the program (the serial output pump, the clone driver's step, the event manager's
// tick, the progress redraw) runs as such a task; there are no worker threads.
//
// A task never re-enters its own callback: a tick that arrives while the callback still runs
// (a callback that shows a modal box keeps the message loop, and so the timers, going) does
// nothing. Its owner may be destroyed from inside the callback: the task then deletes itself on
// its next tick, never while the callback runs.
class cmcTask {
public:
    using Callback = std::function<void(cmcTask& task)>;

    // Stopped, without a callback.
    static cmcTaskPtr Create(cmcTimerService& timers);

    cmcTask(const cmcTask&) = delete;
    cmcTask& operator=(const cmcTask&) = delete;

    void SetCallback(Callback callback);
    // Negative stops the task; otherwise it runs every ms milliseconds, where 0 means 1 (callers
    // use -1 for stop and 0 for at once).
    void SetInterval(int32_t ms);
    // The last requested interval; negative when stopped.
    int32_t Interval() const { return m_interval; }
    bool IsStopped() const { return m_stopped; }
    bool IsBusy() const { return m_busy; }
    bool IsDeletePending() const { return m_deletePending; }

    // Forgets the callback and stops.
    void Detach();
    // The task deletes itself at its next tick, or when its timer service goes before that.
    void DeferDelete();

    // The owner's disposal rule: a task that is running, or whose callback is running, is
    // detached and deletes itself at its next tick; a stopped, idle one is deleted at once.
    static void Dispose(cmcTask* task);

private:
    explicit cmcTask(cmcTimerService& timers);
    ~cmcTask() = default;
    void OnTimer();

    Callback m_callback;
    int32_t m_interval = -1;
    bool m_busy = false;
    bool m_deletePending = false;
    bool m_stopped = true;
    cmcTimerService& m_timers;
    std::unique_ptr<cmcTimer> m_timer;
};
