#include "platform/clock.h"

#include <chrono>
#include <thread>

uint32_t cmcSteadyClock::NowMs() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void cmcSteadyClock::Sleep(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
