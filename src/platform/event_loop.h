#pragma once

#include <cstdint>
#include <functional>

#include "platform/clock.h"
#include "platform/timer_queue.h"

// Runs timers in real time on the calling thread, for programs without a GUI event loop (the
// command-line program, benchmarks, tests against a real line): fires each timer when it is due
// and sleeps on the clock in between.
class cmcEventLoop : public cmcTimerQueue {
public:
    explicit cmcEventLoop(cmcClock& clock);

    // Runs until done() holds or timeoutMs have passed; returns done(). May be nested.
    bool RunUntil(const std::function<bool()>& done, uint32_t timeoutMs);
    void RunFor(uint32_t ms);

protected:
    uint64_t QueueNow() const override;

private:
    cmcClock& m_clock;
    // The clock's 32-bit count, extended to 64 bits across its wraps.
    mutable uint32_t m_lastCount;
    mutable uint64_t m_now = 0;
};
