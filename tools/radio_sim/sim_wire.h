#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

// The single-wire line between the program and the radio: one byte at a time, in order. A byte
// the program sends crosses it and comes back to the program as its echo (unless the cable is
// faulty); the radio hears it as it crosses, and its answers follow on the same wire. Paced,
// every byte takes 10 bit times at the line's baud rate; otherwise bytes cross at once.
class SimWire {
public:
    using Clock = std::chrono::steady_clock;

    explicit SimWire(bool paced) : m_paced(paced) {}

    void SetBaud(uint32_t baud) { m_baud = baud; }
    uint32_t Baud() const { return m_baud; }

    // A byte of the program enters the line; echo < 0: the cable swallows it.
    void FromProgram(uint8_t byte, int echo);
    void FromRadio(const std::vector<uint8_t>& bytes);

    // Moves every byte due by now across the line: the program's bytes that crossed go to
    // heardByRadio, everything the program receives (echo and answers) to toProgram.
    void Transmit(std::vector<uint8_t>& heardByRadio, std::vector<uint8_t>& toProgram);

    // Milliseconds until the next byte has crossed, or -1 when the line is idle.
    int MsUntilNext() const;
    size_t Queued() const { return m_queue.size(); }
    void Clear() { m_queue.clear(); }
    // When the last byte crossed.
    Clock::time_point LastCrossing() const { return m_lastCrossing; }

private:
    struct Entry {
        uint8_t byte;
        bool fromProgram;
        int echo;  // for the program's bytes: what comes back, or -1
    };

    void Enqueue(const Entry& entry);
    Clock::duration ByteTime() const;

    bool m_paced;
    uint32_t m_baud = 9600;
    std::deque<Entry> m_queue;
    Clock::time_point m_headDone{};  // when the byte at the head has crossed
    Clock::time_point m_lastCrossing = Clock::now();
};
