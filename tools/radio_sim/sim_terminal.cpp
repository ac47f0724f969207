#include "sim_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

struct SpeedRate {
    speed_t speed;
    uint32_t baud;
};

constexpr SpeedRate kSpeeds[] = {
    {B1200, 1200},   {B2400, 2400},   {B4800, 4800},   {B9600, 9600},
    {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200},
};

}  // namespace

SimTerminal::SimTerminal() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) return;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 || ptsname(m_master) == nullptr) {
        close(m_master);
        m_master = -1;
        return;
    }
    m_device = ptsname(m_master);
    // Raw at 9600 baud until the program sets its own line: nothing is translated or echoed by
    // the terminal itself (the echo of a single-wire cable is the simulator's job).
    termios line{};
    if (tcgetattr(m_master, &line) == 0) {
        cfmakeraw(&line);
        cfsetispeed(&line, B9600);
        cfsetospeed(&line, B9600);
        tcsetattr(m_master, TCSANOW, &line);
    }
}

SimTerminal::~SimTerminal() {
    HangUp();
}

SimTerminal::Wait SimTerminal::WaitForLine(int timeoutMs, bool wantRoom) {
    if (m_master < 0) return Wait::kClosed;
    pollfd entry{m_master, static_cast<short>(POLLIN | (wantRoom ? POLLOUT : 0)), 0};
    const int ready = poll(&entry, 1, timeoutMs);
    if (ready <= 0) return Wait::kIdle;
    if (entry.revents & POLLIN) return Wait::kData;
    return (entry.revents & (POLLHUP | POLLERR)) ? Wait::kClosed : Wait::kIdle;
}

void SimTerminal::Receive(std::vector<uint8_t>& bytes) {
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t count = m_master < 0 ? -1 : read(m_master, buffer, sizeof buffer);
        if (count <= 0) return;
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
}

size_t SimTerminal::Send(const uint8_t* bytes, size_t length) {
    if (m_master < 0 || length == 0) return 0;
    const ssize_t count = write(m_master, bytes, length);
    return count > 0 ? static_cast<size_t>(count) : 0;
}

uint32_t SimTerminal::ProgramBaud() const {
    termios line{};
    if (m_master < 0 || tcgetattr(m_master, &line) != 0) return 0;
    const speed_t speed = cfgetospeed(&line);
    for (const auto& entry : kSpeeds) {
        if (entry.speed == speed) return entry.baud;
    }
    return 0;
}

void SimTerminal::HangUp() {
    if (m_master >= 0) close(m_master);
    m_master = -1;
}
