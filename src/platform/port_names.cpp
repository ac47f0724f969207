#include "platform/port_names.h"

#if !defined(_WIN32)

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/string_format.h"
#include "platform/whole_number.h"

namespace {

struct DeviceRange {
    int32_t firstPort;
    int32_t count;
    const char* prefix;
};

// Fixed ranges, so that a device keeps its number across runs and re-plugging.
constexpr DeviceRange kDeviceTable[] = {
    {1, 16, "/dev/ttyS"},
    {17, 16, "/dev/ttyUSB"},
    {33, 16, "/dev/ttyACM"},
    {49, 8, "/dev/ttyAMA"},
};

bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 022) == 0;
}

std::string LinkPath(const std::string& folder, int32_t port) {
    return folder + StringPrintf("/COM%d", port);
}

bool IsProcessAlive(long pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

struct Registration {
    long pid = 0;
    std::string description;
};

Registration ReadRegistration(const std::string& link) {
    Registration registration;
    std::ifstream file(link + ".txt");
    std::string line;
    if (std::getline(file, line)) registration.pid = ParseWholeNumber<long>(line).value_or(0);
    std::getline(file, registration.description);
    return registration;
}

// The target of a live registration's link, or empty.
std::string LiveDevice(const std::string& folder, int32_t port, std::string* description) {
    const std::string link = LinkPath(folder, port);
    std::error_code error;
    const auto target = std::filesystem::read_symlink(link, error);
    if (error) return {};
    const Registration registration = ReadRegistration(link);
    if (!IsProcessAlive(registration.pid)) return {};
    if (description != nullptr) *description = registration.description;
    return target.string();
}

}  // namespace

std::string VirtualPortFolder() {
    if (const char* folder = std::getenv("KTV818X_PORT_DIR"); folder != nullptr && *folder)
        return folder;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return std::string(runtime) + "/ktv818x";
    std::error_code error;
    const auto temp = std::filesystem::temp_directory_path(error);
    return (error ? std::string("/tmp") : temp.string()) +
           StringPrintf("/ktv818x-%u", static_cast<unsigned>(geteuid()));
}

std::string TableDeviceOfPort(int32_t port) {
    for (const auto& range : kDeviceTable) {
        if (port >= range.firstPort && port < range.firstPort + range.count)
            return range.prefix + std::to_string(port - range.firstPort);
    }
    return {};
}

int32_t TablePortOfDevice(const std::string& device) {
    for (const auto& range : kDeviceTable) {
        const std::string prefix = range.prefix;
        if (device.size() <= prefix.size() || device.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = device.substr(prefix.size());
        if (digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos ||
            (digits.size() > 1 && digits[0] == '0'))
            continue;
        const int32_t index = std::stoi(digits);
        if (index < range.count) return range.firstPort + index;
    }
    return 0;
}

std::string DeviceOfPort(int32_t port) {
    if (port < 1 || port > 256) return {};
    const std::string folder = VirtualPortFolder();
    if (IsPrivateFolder(folder)) {
        std::string device = LiveDevice(folder, port, nullptr);
        if (!device.empty()) return device;
    }
    return TableDeviceOfPort(port);
}

std::vector<datVirtualPort> ListVirtualPorts() {
    std::vector<datVirtualPort> ports;
    const std::string folder = VirtualPortFolder();
    if (!IsPrivateFolder(folder)) return ports;
    for (int32_t port = 1; port <= 256; ++port) {
        datVirtualPort entry;
        entry.device = LiveDevice(folder, port, &entry.description);
        if (entry.device.empty()) continue;
        entry.port = port;
        ports.push_back(entry);
    }
    return ports;
}

bool RegisterVirtualPort(int32_t port, const std::string& device, const std::string& description,
                         std::string& error) {
    if (port < 1 || port > 256) {
        error = StringPrintf("port number %d is outside 1-256", port);
        return false;
    }
    const std::string folder = VirtualPortFolder();
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create " + folder;
        return false;
    }
    if (!IsPrivateFolder(folder)) {
        error = folder + " is not a private folder of this user";
        return false;
    }
    const std::string link = LinkPath(folder, port);
    const Registration previous = ReadRegistration(link);
    if (previous.pid != getpid() && IsProcessAlive(previous.pid) &&
        !LiveDevice(folder, port, nullptr).empty()) {
        error = StringPrintf("COM%d is taken by process %ld", port, previous.pid);
        return false;
    }
    const std::string record = StringPrintf("%ld\n", static_cast<long>(getpid())) + description;
    if (WriteFileAtomically(link + ".txt", record + "\n") != AtomicWriteResult::kOk) {
        error = "cannot write " + link + ".txt";
        return false;
    }
    // A new link beside the old one, renamed over it: readers see one or the other.
    const std::string staged = link + StringPrintf(".%ld", static_cast<long>(getpid()));
    unlink(staged.c_str());
    if (symlink(device.c_str(), staged.c_str()) != 0 || rename(staged.c_str(), link.c_str()) != 0) {
        unlink(staged.c_str());
        error = "cannot create the link " + link;
        return false;
    }
    return true;
}

void UnregisterVirtualPort(int32_t port) {
    const std::string folder = VirtualPortFolder();
    if (!IsPrivateFolder(folder)) return;
    const std::string link = LinkPath(folder, port);
    if (ReadRegistration(link).pid != getpid()) return;
    unlink(link.c_str());
    unlink((link + ".txt").c_str());
}

#else

std::string VirtualPortFolder() {
    return {};
}
std::string DeviceOfPort(int32_t port) {
    return port >= 1 && port <= 256 ? TableDeviceOfPort(port) : "";
}
std::string TableDeviceOfPort(int32_t port) {
    return "\\\\.\\COM" + std::to_string(port);
}
int32_t TablePortOfDevice(const std::string&) {
    return 0;
}
std::vector<datVirtualPort> ListVirtualPorts() {
    return {};
}
bool RegisterVirtualPort(int32_t, const std::string&, const std::string&, std::string& error) {
    error = "virtual ports need a POSIX system";
    return false;
}
void UnregisterVirtualPort(int32_t) {}

#endif
