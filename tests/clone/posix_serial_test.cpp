#include "platform/posix_serial.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "clone/comm.h"
#include "platform/port_names.h"
#include "support/manual_scheduler.h"
#include "support/test_paths.h"

namespace {

// A pseudo-terminal: the test holds the master side, the program opens the slave.
class PseudoTerminal {
public:
    PseudoTerminal() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_slave = ptsname(m_master);
    }
    ~PseudoTerminal() {
        if (m_master >= 0) close(m_master);
    }
    int master() const { return m_master; }
    const std::string& slave() const { return m_slave; }

    // Reads from the master until count bytes came or five seconds passed.
    std::vector<uint8_t> Receive(size_t count) const {
        std::vector<uint8_t> bytes;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
            uint8_t buffer[4096];
            const ssize_t n = read(m_master, buffer, sizeof buffer);
            if (n > 0) {
                bytes.insert(bytes.end(), buffer, buffer + n);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        return bytes;
    }

private:
    int m_master = -1;
    std::string m_slave;
};

// Points the virtual ports at a fresh folder for one test.
class PosixSerialTest : public testing::Test {
protected:
    PosixSerialTest() { setenv("KTV818X_PORT_DIR", m_folder.path().c_str(), 1); }
    ~PosixSerialTest() override { unsetenv("KTV818X_PORT_DIR"); }

    void Register(int32_t port, const std::string& device) {
        std::string error;
        ASSERT_TRUE(RegisterVirtualPort(port, device, "test line", error)) << error;
    }

    TempFolder m_folder;
    PseudoTerminal m_terminal;
    ManualScheduler m_scheduler;
    cmcPosixSerialBackend m_backend;
};

TEST_F(PosixSerialTest, OpensARegisteredPortAsTheCloneLine) {
    ASSERT_FALSE(m_terminal.slave().empty());
    Register(200, m_terminal.slave());
    EXPECT_EQ(DeviceOfPort(200), m_terminal.slave());
    cmcComm comm(m_backend, m_scheduler);
    ASSERT_TRUE(comm.Open(200, "38400,N,8,1"));

    termios line{};
    ASSERT_EQ(tcgetattr(m_terminal.master(), &line), 0);  // the slave's settings
    EXPECT_EQ(cfgetospeed(&line), B38400);
    EXPECT_EQ(cfgetispeed(&line), B38400);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_cc[VMIN], 0);
    EXPECT_EQ(line.c_cc[VTIME], 0);

    // A second opener of the same port is told that it is busy.
    cmcComm other(m_backend, m_scheduler);
    EXPECT_FALSE(other.Open(200, "9600,N,8,1"));
    EXPECT_EQ(other.OpenProblem().kind, PortProblem::kBusy);
    comm.Close();
    EXPECT_TRUE(other.Open(200, "9600,N,8,1"));
}

TEST_F(PosixSerialTest, MovesBytesBothWaysWithoutWaiting) {
    Register(201, m_terminal.slave());
    cmcComm comm(m_backend, m_scheduler);
    ASSERT_TRUE(comm.Open(201, "9600,N,8,1"));
    uint8_t buffer[64];
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 0);

    std::vector<uint8_t> bytes(3000);
    std::iota(bytes.begin(), bytes.end(), 0);
    comm.Send(bytes.data(), static_cast<int32_t>(bytes.size()));
    m_scheduler.RunUntil([&] { return comm.PendingOutput() == 0; }, 1000);
    EXPECT_EQ(comm.PendingOutput(), 0);
    EXPECT_FALSE(comm.WriteFailed());
    EXPECT_EQ(m_terminal.Receive(bytes.size()), bytes);

    const uint8_t answer[] = {0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD};
    ASSERT_EQ(write(m_terminal.master(), answer, sizeof answer), 7);
    std::vector<uint8_t> received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (received.size() < sizeof answer && std::chrono::steady_clock::now() < deadline) {
        const int32_t n = comm.Read(buffer, sizeof buffer);
        received.insert(received.end(), buffer, buffer + n);
        if (n == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(received, std::vector<uint8_t>(answer, answer + 7));
}

TEST_F(PosixSerialTest, TellsWhyAPortCannotOpen) {
    datPortProblem problem;
    EXPECT_EQ(m_backend.Open(0, problem), nullptr);
    EXPECT_EQ(problem.kind, PortProblem::kNoDevice);
    EXPECT_EQ(m_backend.Open(250, problem), nullptr);  // neither registered nor in the table
    EXPECT_EQ(problem.kind, PortProblem::kNoDevice);
    EXPECT_EQ(problem.port, 250);

    const std::string file = (m_folder / "plain.txt").string();
    std::ofstream(file) << "not a serial line";
    Register(202, file);
    EXPECT_EQ(m_backend.Open(202, problem), nullptr);
    EXPECT_EQ(problem.kind, PortProblem::kNotSerial);
    EXPECT_EQ(problem.device, file);

    // A device this user may not open: the hint names its group and the user. (Root may open
    // anything, so the refusal itself is given here.)
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    DiagnoseOpenFailure(file, EACCES, problem);
    EXPECT_EQ(problem.kind, PortProblem::kPermission);
    const group* owner = getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(problem.group, owner->gr_name);
    const passwd* user = getpwuid(geteuid());
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(problem.user, user->pw_name);
}

TEST(PortNames, TableGivesEveryDeviceAFixedNumber) {
    const std::pair<const char*, int32_t> cases[] = {
        {"/dev/ttyS0", 1},    {"/dev/ttyS15", 16},  {"/dev/ttyUSB0", 17}, {"/dev/ttyUSB15", 32},
        {"/dev/ttyACM2", 35}, {"/dev/ttyAMA7", 56}, {"/dev/ttyS16", 0},   {"/dev/ttyUSB01", 0},
        {"/dev/ttyUSB", 0},   {"/dev/ttyUSBx", 0},  {"/dev/tty0", 0},     {"/dev/ttyAMA8", 0},
    };
    for (const auto& [device, port] : cases)
        EXPECT_EQ(TablePortOfDevice(device), port) << device;
    for (int32_t port = 1; port <= 56; ++port)
        EXPECT_EQ(TablePortOfDevice(TableDeviceOfPort(port)), port);
    EXPECT_EQ(TableDeviceOfPort(57), "");
}

TEST_F(PosixSerialTest, RegistrationsOfEndedProcessesAndUnsafeFoldersAreIgnored) {
    Register(5, m_terminal.slave());
    EXPECT_EQ(ListVirtualPorts().size(), 1u);
    EXPECT_EQ(ListVirtualPorts()[0].description, "test line");

    // The same record under the id of a process that has ended.
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    std::ofstream(m_folder / "COM5.txt") << child << "\ntest line\n";
    EXPECT_EQ(DeviceOfPort(5), "/dev/ttyS4");
    EXPECT_TRUE(ListVirtualPorts().empty());

    // A live process of someone else keeps its number.
    std::ofstream(m_folder / "COM5.txt") << getppid() << "\nother\n";
    std::string error;
    EXPECT_FALSE(RegisterVirtualPort(5, m_terminal.slave(), "mine", error));
    EXPECT_NE(error.find("COM5"), std::string::npos);

    // A folder others may write to is not trusted.
    Register(6, m_terminal.slave());
    ASSERT_EQ(chmod(m_folder.path().c_str(), 0777), 0);
    EXPECT_EQ(DeviceOfPort(6), "/dev/ttyS5");
    ASSERT_EQ(chmod(m_folder.path().c_str(), 0700), 0);
    EXPECT_EQ(DeviceOfPort(6), m_terminal.slave());
    UnregisterVirtualPort(6);
    EXPECT_EQ(DeviceOfPort(6), "/dev/ttyS5");
}

}  // namespace
