#include "base/task.h"

#include <utility>

void cmcTaskDisposer::operator()(cmcTask* task) const {
    cmcTask::Dispose(task);
}

cmcTaskPtr cmcTask::Create(cmcTimerService& timers) {
    return cmcTaskPtr(new cmcTask(timers));
}

cmcTask::cmcTask(cmcTimerService& timers)
    : m_timers(timers), m_timer(timers.CreateTimer([this] { OnTimer(); })) {}

void cmcTask::SetCallback(Callback callback) {
    m_callback = std::move(callback);
}

void cmcTask::SetInterval(int32_t ms) {
    m_interval = ms;
    if (ms < 0) {
        m_timer->Stop();
    } else {
        m_timer->Start(ms == 0 ? 1 : ms);
    }
    m_stopped = !m_timer->IsActive();
}

void cmcTask::Detach() {
    m_callback = nullptr;
    SetInterval(-1);
}

void cmcTask::DeferDelete() {
    m_deletePending = true;
    // Should the timer service go before the next tick, it deletes the task instead.
    m_timers.DeferDeletion(this, [this] { delete this; });
    SetInterval(1);
}

void cmcTask::Dispose(cmcTask* task) {
    if (task == nullptr) return;
    // A task whose callback is running is never deleted under it, even when it was stopped.
    if (!task->m_stopped || task->m_busy) {
        task->Detach();
        task->DeferDelete();
    } else {
        delete task;
    }
}

void cmcTask::OnTimer() {
    if (m_deletePending) {
        m_timers.CancelDeletion(this);
        delete this;
        return;
    }
    if (m_busy || !m_callback) return;
    m_busy = true;
    // A copy: the callback may replace or clear the task's callback while it runs.
    const Callback callback = m_callback;
    callback(*this);
    m_busy = false;
}
