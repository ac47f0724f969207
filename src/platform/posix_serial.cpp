#include "platform/posix_serial.h"

#if !defined(_WIN32)

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/port_names.h"

namespace {

struct BaudRate {
    uint32_t baud;
    speed_t speed;
};

constexpr BaudRate kBaudRates[] = {
    {1200, B1200},   {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},
    {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
};

bool FindSpeed(uint32_t baud, speed_t& speed) {
    for (const auto& rate : kBaudRates) {
        if (rate.baud == baud) {
            speed = rate.speed;
            return true;
        }
    }
    return false;
}

// Sets or clears a modem control line. A pseudo-terminal has none: that failure is harmless.
void SetModemLine(int fd, int line, bool on) {
    ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

class PosixLine : public cmcSerialLine {
public:
    explicit PosixLine(int fd) : m_fd(fd) {}
    ~PosixLine() override {
        // The exclusive mode outlives this descriptor when another one keeps the device open.
        ioctl(m_fd, TIOCNXCL);
        close(m_fd);
    }
    PosixLine(const PosixLine&) = delete;
    PosixLine& operator=(const PosixLine&) = delete;

    // The kernel's queues have fixed sizes.
    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }
    bool Purge() override { return tcflush(m_fd, TCIOFLUSH) == 0; }

    bool Configure(const datLineSettings& settings) override {
        termios line{};
        speed_t speed{};
        if (tcgetattr(m_fd, &line) != 0 || !FindSpeed(settings.baud, speed)) return false;
        cfmakeraw(&line);
        cfsetispeed(&line, speed);
        cfsetospeed(&line, speed);
        line.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
#if defined(CMSPAR)
        line.c_cflag &= ~CMSPAR;
#endif
        line.c_cflag |= CLOCAL | CREAD;
        static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
        line.c_cflag |= kSizes[settings.dataBits < 5   ? 0
                               : settings.dataBits > 8 ? 3
                                                       : settings.dataBits - 5];
        if (!SetParity(settings.parity, line)) return false;
        if (settings.flags1 & kLineParityCheck) line.c_iflag |= INPCK;
        // One and a half stop bits do not exist here; two is the nearer setting.
        if (settings.stopBits != 0) line.c_cflag |= CSTOPB;
        if (settings.flags1 & 0x04) line.c_cflag |= CRTSCTS;  // CTS output flow
        if (settings.flags2 & 0x01) line.c_iflag |= IXON;
        if (settings.flags2 & 0x02) line.c_iflag |= IXOFF;
        line.c_cc[VSTART] = settings.xonChar;
        line.c_cc[VSTOP] = settings.xoffChar;
        line.c_cc[VMIN] = 0;
        line.c_cc[VTIME] = 0;
        if (tcsetattr(m_fd, TCSANOW, &line) != 0) return false;
        SetModemLine(m_fd, TIOCM_DTR, ((settings.flags1 >> 4) & 3) != 0);
        SetModemLine(m_fd, TIOCM_RTS, ((settings.flags2 >> 4) & 3) != 0);
        return true;
    }

    int32_t InQueueCount() override {
        return Count(FIONREAD);
    }
    int32_t OutQueueCount() override {
        return Count(TIOCOUTQ);
    }

    int32_t Read(uint8_t* buffer, int32_t length) override {
        if (length <= 0) return 0;
        const ssize_t count = read(m_fd, buffer, static_cast<size_t>(length));
        if (count >= 0) return static_cast<int32_t>(count);
        return errno == EAGAIN || errno == EINTR ? 0 : -1;
    }

    int32_t Write(const uint8_t* bytes, int32_t length) override {
        if (length <= 0) return 0;
        const ssize_t count = write(m_fd, bytes, static_cast<size_t>(length));
        if (count >= 0) return static_cast<int32_t>(count);
        return errno == EAGAIN || errno == EINTR ? 0 : -1;
    }

private:
    static bool SetParity(uint8_t parity, termios& line) {
        switch (parity) {
            case 0:
                return true;
            case 1:
                line.c_cflag |= PARENB | PARODD;
                return true;
            case 2:
                line.c_cflag |= PARENB;
                return true;
#if defined(CMSPAR)
            case 3:
                line.c_cflag |= PARENB | PARODD | CMSPAR;
                return true;
            case 4:
                line.c_cflag |= PARENB | CMSPAR;
                return true;
#endif
            default:
                return false;
        }
    }

    int32_t Count(unsigned long request) {
        int count = 0;
        if (ioctl(m_fd, request, &count) != 0) return -1;
        return count;
    }

    int m_fd;
};

std::string NameOfGroup(gid_t gid) {
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return std::to_string(gid);
    return found->gr_name;
}

std::string NameOfUser(uid_t uid) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return std::to_string(uid);
    return found->pw_name;
}

}  // namespace

void DiagnoseOpenFailure(const std::string& device, int error, datPortProblem& problem) {
    problem.device = device;
    problem.systemError = error;
    switch (error) {
        case EACCES:
        case EPERM: {
            problem.kind = PortProblem::kPermission;
            problem.user = NameOfUser(geteuid());
            struct stat info {};
            if (stat(device.c_str(), &info) == 0) problem.group = NameOfGroup(info.st_gid);
            break;
        }
        case ENOENT:
        case ENXIO:
        case ENODEV:
            problem.kind = PortProblem::kNoDevice;
            break;
        case EBUSY:
        case EWOULDBLOCK:
            problem.kind = PortProblem::kBusy;
            break;
        default:
            problem.kind = PortProblem::kOther;
            break;
    }
}

std::unique_ptr<cmcSerialLine> cmcPosixSerialBackend::Open(int32_t port, datPortProblem& problem) {
    problem = datPortProblem{};
    problem.port = port;
    const std::string device = DeviceOfPort(port);
    if (device.empty()) {
        problem.kind = PortProblem::kNoDevice;
        return nullptr;
    }
    auto line = OpenDevice(device, problem);
    problem.port = port;
    return line;
}

std::unique_ptr<cmcSerialLine> cmcPosixSerialBackend::OpenDevice(const std::string& device,
                                                                 datPortProblem& problem) {
    problem.device = device;
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        DiagnoseOpenFailure(device, errno, problem);
        return nullptr;
    }
    auto line = std::make_unique<PosixLine>(fd);
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        problem.kind = PortProblem::kNotSerial;
        problem.systemError = errno;
        return nullptr;
    }
    // Another program of ours on the same port fails here; TIOCEXCL keeps out the others.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        DiagnoseOpenFailure(device, errno == EWOULDBLOCK ? EBUSY : errno, problem);
        return nullptr;
    }
    ioctl(fd, TIOCEXCL);
    return line;
}

std::unique_ptr<cmcSerialBackend> CreateSystemSerialBackend() {
    return std::make_unique<cmcPosixSerialBackend>();
}

#endif
