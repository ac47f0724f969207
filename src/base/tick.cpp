#include "base/tick.h"

void cmcTick::Start(uint32_t ms) {
    m_length = ms;
    m_start = m_clock.NowMs();
    m_running = true;
}

uint32_t cmcTick::Remaining() {
    if (!m_running) return 0;
    const uint32_t elapsed = m_clock.NowMs() - m_start;  // modulo 2^32
    if (elapsed < m_length) return m_length - elapsed;
    m_running = false;
    return 0;
}

void cmcTick::Wait() {
    for (uint32_t left = Remaining(); left > 0; left = Remaining())
        m_clock.Sleep(left);
}
