#pragma once

#include <cstdint>

#include "platform/clock.h"

// A one-shot millisecond time-out measured on the program's clock. Elapsed time is taken modulo
// 2^32, so the wrap of the clock's counter is harmless.
class cmcTick {
public:
    explicit cmcTick(cmcClock& clock) : m_clock(clock) {}

    void Start(uint32_t ms);
    // Milliseconds left; 0 when not running. The first call at or after expiry stops the tick.
    uint32_t Remaining();
    bool HasExpired() { return Remaining() == 0; }
    bool IsRunning() const { return m_running; }
    // Holds the thread until the time-out has passed (no timer runs meanwhile).
    void Wait();

private:
    cmcClock& m_clock;
    uint32_t m_length = 0;
    uint32_t m_start = 0;
    bool m_running = false;
};
