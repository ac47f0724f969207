#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/serial_line.h"

// An in-memory serial line for tests, on the tests' clock. Bytes the program writes wait in a
// transmit queue and leave it at the line rate (baud / 10 bytes per second of the clock), or at
// once when pacing is off. Each byte that leaves crosses the wire: the single-wire cable echoes
// it into the receive queue, then the peer sees it and may answer with Deliver.
class FakeSerialBackend : public cmcSerialBackend {
public:
    explicit FakeSerialBackend(cmcClock& clock) : m_clock(clock) {}

    std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) override;

    // Bytes from the radio, readable at once.
    void Deliver(const std::vector<uint8_t>& bytes);
    bool IsOpen() const { return m_open; }

    // What the test may change.
    bool portExists = true;
    bool echo = true;
    int32_t corruptEchoAt = -1;  // index (among all bytes on the wire) of an echo byte to alter
    bool paced = false;          // transmit at the line rate instead of at once
    int32_t writeLimit = -1;     // when >= 0, a write takes at most this many bytes
    std::function<void(uint8_t byte)> peer;

    // What the test may check.
    struct OpenRecord {
        int32_t port;
        datLineSettings settings;
    };
    std::vector<OpenRecord> opens;  // every successful open with the settings configured
    std::vector<int32_t> writes;    // the length of every write, with the transmit queue seen
    std::vector<int32_t> queueAtWrite;
    std::vector<uint8_t> wire;  // every byte that crossed the wire from the program
    int32_t TransmitQueue() const { return static_cast<int32_t>(m_transmit.size()); }

private:
    class Line;
    void Advance();
    void Cross(uint8_t byte);

    cmcClock& m_clock;
    bool m_open = false;
    Line* m_line = nullptr;  // the open line
    std::deque<uint8_t> m_receive;
    std::deque<uint8_t> m_transmit;
    double m_nextLeaveMs = 0;  // when the head of the transmit queue is on the wire
    uint32_t m_lastMs = 0;
    double m_nowMs = 0;
};
