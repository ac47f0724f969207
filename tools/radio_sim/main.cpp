#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/port_names.h"
#include "sim_memory.h"
#include "sim_options.h"
#include "sim_radio.h"
#include "sim_terminal.h"
#include "sim_wire.h"

// ktv818x-radio-sim: a KT-V818X radio on a pseudo-terminal, for trying and testing clone
// programming without a radio.
namespace {

volatile sig_atomic_t g_stop = 0;

void OnStopSignal(int) {
    g_stop = 1;
}

void InstallStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

// After this long without a byte on the wire the radio falls back to 9600 baud.
constexpr auto kLongSilence = std::chrono::seconds(3);
constexpr int kIdlePollMs = 100;
// How long a dead radio keeps the line before it hangs up.
constexpr auto kHangUpGrace = std::chrono::seconds(2);
// Where the cable's faulty echo alters a byte: the eighth of every frame.
constexpr int kWrongEchoIndex = 7;

class Simulator {
public:
    Simulator(const SimOptions& options, SimMemory& memory, SimTerminal& terminal)
        : m_options(options),
          m_terminal(terminal),
          m_wire(options.pace),
          m_radio(
              options, memory, [this](const SimBytes& bytes) { m_wire.FromRadio(bytes); },
              [this](const std::string& text) { Log(text); }) {}

    // Serves until stopped or hung up.
    void Run() {
        while (!g_stop && !IsHungUp()) {
            const int next = m_wire.MsUntilNext();
            // What the program's side could not take yet is offered again once it has room.
            const auto wait =
                m_terminal.WaitForLine(next < 0 ? kIdlePollMs : next, !m_toProgram.empty());
            if (wait == SimTerminal::Wait::kClosed) {
                OnPortClosed();
                continue;
            }
            if (wait == SimTerminal::Wait::kData) TakeInput();
            Transmit();
        }
        if (IsHungUp()) Log("hanging up");
    }

private:
    void Log(const std::string& text) const {
        if (m_options.verbose) std::fprintf(stderr, "ktv818x-radio-sim: %s\n", text.c_str());
    }

    // A radio about to hang up goes dead at once: no echo, no answer. The line itself goes only
    // once the program has had time to take what was sent before, so that it sees the transfer
    // stop in the middle rather than lose its beginning with the line.
    bool IsHungUp() {
        if (!m_radio.WantsHangUp()) return false;
        m_wire.Clear();
        if (!m_toProgram.empty()) return false;
        const auto now = SimWire::Clock::now();
        if (m_deadSince == SimWire::Clock::time_point{}) m_deadSince = now;
        return now - m_deadSince >= kHangUpGrace;
    }

    void OnPortClosed() {
        m_radio.PortClosed();
        m_wire.Clear();
        m_toProgram.clear();
        m_byteInFrame = 0;
        // Nothing can move until the program opens its port again.
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    void TakeInput() {
        std::vector<uint8_t> bytes;
        m_terminal.Receive(bytes);
        if (m_radio.WantsHangUp()) return;
        for (const uint8_t byte : bytes) {
            int echo = byte;
            if (m_options.fault == SimFault::kNoEcho) echo = -1;
            if (m_options.fault == SimFault::kWrongEcho && m_byteInFrame == kWrongEchoIndex)
                echo = byte ^ 0x55;
            m_byteInFrame = byte == 0xFD ? 0 : m_byteInFrame + 1;
            m_wire.FromProgram(byte, echo);
        }
    }

    void Transmit() {
        m_wire.SetBaud(m_radio.Baud());
        std::vector<uint8_t> heard;
        m_wire.Transmit(heard, m_toProgram);
        if (!heard.empty()) {
            const uint32_t programBaud = m_terminal.ProgramBaud();
            for (const uint8_t byte : heard)
                m_radio.Hear(byte, programBaud);
        }
        const size_t sent = m_terminal.Send(m_toProgram.data(), m_toProgram.size());
        m_toProgram.erase(m_toProgram.begin(), m_toProgram.begin() + static_cast<long>(sent));
        // A read goes on while the line and the program's side keep up.
        m_radio.Pump(m_wire.Queued() + m_toProgram.size());
        if (m_wire.Queued() == 0)
            m_radio.LineDrained(SimWire::Clock::now() - m_wire.LastCrossing() > kLongSilence);
    }

    const SimOptions& m_options;
    SimTerminal& m_terminal;
    SimWire m_wire;
    SimRadio m_radio;
    std::vector<uint8_t> m_toProgram;  // what the program's side has not taken yet
    int m_byteInFrame = 0;
    SimWire::Clock::time_point m_deadSince{};
};

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    bool help = false;
    if (!ParseSimOptions(argc, argv, options, error, help)) {
        std::fprintf(stderr, "ktv818x-radio-sim: %s\n", error.c_str());
        return 64;
    }
    if (help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }

    SimMemory memory;
    memory.MakeDefault(options.model);
    if (!options.imagePath.empty() && !memory.Load(options.imagePath, options.model, error)) {
        std::fprintf(stderr, "ktv818x-radio-sim: %s\n", error.c_str());
        return 66;
    }
    SimTerminal terminal;
    if (!terminal.IsValid()) {
        std::fprintf(stderr, "ktv818x-radio-sim: cannot create a pseudo-terminal\n");
        return 71;
    }
    if (options.registerPort &&
        !RegisterVirtualPort(options.port, terminal.Device(), "ktv818x radio simulator", error)) {
        std::fprintf(stderr, "ktv818x-radio-sim: %s\n", error.c_str());
        return 73;
    }
    InstallStopSignals();
    if (options.printDevice) {
        std::printf("%s\n", terminal.Device().c_str());
        std::fflush(stdout);
    }
    if (options.registerPort)
        std::fprintf(stderr, "ktv818x-radio-sim: COM%d is %s\n", options.port,
                     terminal.Device().c_str());

    Simulator simulator(options, memory, terminal);
    simulator.Run();

    terminal.HangUp();
    if (options.registerPort) UnregisterVirtualPort(options.port);
    return 0;
}
