#include "platform/event_loop.h"

#include <algorithm>

namespace {

// The longest single sleep: done() is checked at least this often.
constexpr uint64_t kLongestSleepMs = 10;

}  // namespace

cmcEventLoop::cmcEventLoop(cmcClock& clock) : m_clock(clock), m_lastCount(clock.NowMs()) {}

uint64_t cmcEventLoop::QueueNow() const {
    const uint32_t count = m_clock.NowMs();
    m_now += static_cast<uint32_t>(count - m_lastCount);
    m_lastCount = count;
    return m_now;
}

bool cmcEventLoop::RunUntil(const std::function<bool()>& done, uint32_t timeoutMs) {
    const uint64_t limit = QueueNow() + timeoutMs;
    while (!done()) {
        const uint64_t now = QueueNow();
        if (now >= limit) return false;
        if (FireOne(now)) continue;
        const uint64_t wake = std::min({NextDue().value_or(limit), limit, now + kLongestSleepMs});
        if (wake > now) m_clock.Sleep(static_cast<uint32_t>(wake - now));
    }
    return true;
}

void cmcEventLoop::RunFor(uint32_t ms) {
    RunUntil([] { return false; }, ms);
}
