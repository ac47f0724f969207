#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/timer_service.h"

// Timers that fire only while the owner of the queue runs it, one at a time, in the order of
// their due times (timers due at the same time in the order they were started or last fired).
// The program's own loop without a GUI and the tests' manual scheduler are built on it. Times
// are 64-bit milliseconds of the queue's own time line, so they never wrap.
class cmcTimerQueue : public cmcTimerService {
public:
    cmcTimerQueue();
    ~cmcTimerQueue() override;
    cmcTimerQueue(const cmcTimerQueue&) = delete;
    cmcTimerQueue& operator=(const cmcTimerQueue&) = delete;

    std::unique_ptr<cmcTimer> CreateTimer(std::function<void()> onTick) override;

    // The due time of the earliest active timer.
    std::optional<uint64_t> NextDue() const;

    // Fires the earliest timer due at or before now and returns true, or returns false when none
    // is due. The timer's next due time is set before its tick function runs, so the function
    // may restart, stop or destroy its own timer, and may run the queue again (a nested loop).
    // A timer that fell behind skips the periods it missed.
    bool FireOne(uint64_t now);

protected:
    // The time from which Start measures a timer's first period.
    virtual uint64_t QueueNow() const = 0;

private:
    struct State;
    class Timer;
    std::shared_ptr<State> m_state;
};
