#include "support/manual_scheduler.h"

#include <algorithm>

void ManualScheduler::Advance(uint32_t ms) {
    RunUntil([] { return false; }, ms);
}

bool ManualScheduler::RunUntil(const std::function<bool()>& done, uint32_t limitMs) {
    const uint64_t end = m_now + limitMs;
    while (!done()) {
        const auto due = NextDue();
        if (!due || *due > end) {
            // A nested loop may already have moved the clock beyond this loop's end.
            m_now = std::max(m_now, end);
            return done();
        }
        m_now = std::max(m_now, *due);
        FireOne(m_now);
    }
    return true;
}
