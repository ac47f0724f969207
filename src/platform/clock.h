#pragma once

#include <cstdint>

// The millisecond clock of the program: a monotonic counter taken modulo 2^32, so it wraps after
// about 49.7 days and every user measures differences modulo 2^32.
class cmcClock {
public:
    virtual ~cmcClock() = default;
    virtual uint32_t NowMs() const = 0;
    // Holds the calling thread for ms milliseconds; no timer runs meanwhile.
    virtual void Sleep(uint32_t ms) = 0;
};

// The system's monotonic clock.
class cmcSteadyClock : public cmcClock {
public:
    uint32_t NowMs() const override;
    void Sleep(uint32_t ms) override;
};
