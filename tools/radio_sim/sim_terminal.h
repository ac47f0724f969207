#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The radio's end of the line: the master side of a pseudo-terminal, whose slave the program
// opens as its serial port. The slave's line settings, which the program sets, are visible
// here, so the radio can tell at which speed the program sends.
class SimTerminal {
public:
    SimTerminal();
    ~SimTerminal();
    SimTerminal(const SimTerminal&) = delete;
    SimTerminal& operator=(const SimTerminal&) = delete;

    bool IsValid() const { return m_master >= 0; }
    const std::string& Device() const { return m_device; }

    enum class Wait { kData, kIdle, kClosed };
    // Waits up to timeoutMs for bytes from the program, or with wantRoom also for room on the
    // program's side (then kIdle). kClosed: the program has no port open (nothing can be read
    // or sent then).
    Wait WaitForLine(int timeoutMs, bool wantRoom);
    // Appends what has arrived to bytes.
    void Receive(std::vector<uint8_t>& bytes);
    // Writes what the program's side takes now; returns the count.
    size_t Send(const uint8_t* bytes, size_t length);
    // The baud rate the program set, or 0 when unknown.
    uint32_t ProgramBaud() const;
    // The line disappears, as an unplugged cable does.
    void HangUp();

private:
    int m_master = -1;
    std::string m_device;
};
