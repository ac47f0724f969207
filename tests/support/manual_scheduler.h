#pragma once

#include <cstdint>
#include <functional>

#include "platform/clock.h"
#include "platform/timer_queue.h"

// Deterministic time for tests: a clock and a timer service on virtual milliseconds. Nothing
// happens until the test advances the time; then every timer due fires in time order, with the
// clock showing its due time. Advance may be called again from inside a timer's callback (a
// nested loop, as a modal box runs one). Sleep moves the clock without firing any timer, as a
// blocking wait on the GUI thread holds every timer.
class ManualScheduler : public cmcTimerQueue, public cmcClock {
public:
    // startMs sets the clock's 32-bit count, for instance just before it wraps.
    explicit ManualScheduler(uint32_t startMs = 0) : m_now(startMs) {}

    uint32_t NowMs() const override { return static_cast<uint32_t>(m_now); }
    void Sleep(uint32_t ms) override { m_now += ms; }

    // Fires every timer due within the next ms milliseconds; the clock then stands at the end.
    void Advance(uint32_t ms);
    // Advances timer by timer until done() holds, at most limitMs; returns done().
    bool RunUntil(const std::function<bool()>& done, uint32_t limitMs);
    // Milliseconds since the scheduler was created.
    uint64_t Elapsed() const { return m_now - m_start; }

protected:
    uint64_t QueueNow() const override { return m_now; }

private:
    uint64_t m_now;
    uint64_t m_start = m_now;
};
