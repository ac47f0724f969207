#include "sim_wire.h"

#include <algorithm>

SimWire::Clock::duration SimWire::ByteTime() const {
    // Ten bit times: start bit, eight data bits, stop bit.
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL) /
                                                       std::max<uint32_t>(m_baud, 1));
}

void SimWire::Enqueue(const Entry& entry) {
    if (m_queue.empty()) m_headDone = std::max(m_headDone, Clock::now()) + ByteTime();
    m_queue.push_back(entry);
}

void SimWire::FromProgram(uint8_t byte, int echo) {
    Enqueue({byte, true, echo});
}

void SimWire::FromRadio(const std::vector<uint8_t>& bytes) {
    for (const uint8_t byte : bytes)
        Enqueue({byte, false, -1});
}

void SimWire::Transmit(std::vector<uint8_t>& heardByRadio, std::vector<uint8_t>& toProgram) {
    const Clock::time_point now = Clock::now();
    while (!m_queue.empty() && (!m_paced || m_headDone <= now)) {
        const Entry entry = m_queue.front();
        m_queue.pop_front();
        if (entry.fromProgram) {
            heardByRadio.push_back(entry.byte);
            if (entry.echo >= 0) toProgram.push_back(static_cast<uint8_t>(entry.echo));
        } else {
            toProgram.push_back(entry.byte);
        }
        m_lastCrossing = now;
        if (!m_queue.empty()) m_headDone += ByteTime();
    }
}

int SimWire::MsUntilNext() const {
    if (m_queue.empty()) return -1;
    if (!m_paced) return 0;
    const auto left = m_headDone - Clock::now();
    if (left <= Clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}
