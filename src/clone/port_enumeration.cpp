#include "clone/port_enumeration.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "platform/port_names.h"
#include "platform/string_format.h"

namespace {

struct NamedPort {
    int32_t number;
    std::string name;  // description, manufacturer or both
    std::string device;
};

constexpr std::string_view kDevFolder = "/dev/";

// What a user recognises a port by: the driver's description, and on systems without COM names
// the adapter's maker after it ("FT232R USB UART, FTDI"), as the kernel's name alone seldom
// tells one cable from another.
std::string NameOf(const datPortInfo& port, bool comName) {
    if (port.description.empty()) return port.manufacturer;
    if (comName || port.manufacturer.empty() ||
        port.description.find(port.manufacturer) != std::string::npos) {
        return port.description;
    }
    return port.description + ", " + port.manufacturer;
}

// A device path as short as the user knows it: ttyUSB0, pts/3.
std::string ShortDevice(const std::string& device) {
    if (device.compare(0, kDevFolder.size(), kDevFolder) == 0)
        return device.substr(kDevFolder.size());
    return device;
}

std::vector<NamedPort> AllPorts(const cmcPortInfoSource& source) {
    std::vector<NamedPort> ports;
    std::set<int32_t> virtualNumbers;
    for (const datVirtualPort& port : ListVirtualPorts()) {
        ports.push_back({port.port, port.description, ShortDevice(port.device)});
        virtualNumbers.insert(port.port);
    }
    for (const datPortInfo& port : source.AvailablePorts()) {
        const int32_t number = PortNumberOf(port);
        if (number < 1 || number > 256) continue;
        // A registered virtual port takes the number over: the number opens it, not the device.
        if (virtualNumbers.count(number) != 0) continue;
        // A Windows port is known by its COM name, the others by their device.
        const bool comName = port.portName.compare(0, 3, "COM") == 0 || port.device.empty();
        ports.push_back(
            {number, NameOf(port, comName), comName ? port.portName : ShortDevice(port.device)});
    }
    return ports;
}

void ListNumbers(const cmcPortInfoSource& source, std::vector<std::string>& list) {
    std::set<int32_t> numbers;
    for (const NamedPort& port : AllPorts(source))
        numbers.insert(port.number);
    list.clear();
    for (const int32_t number : numbers)
        list.push_back(std::to_string(number));
}

}  // namespace

int32_t ParsePortNumber(const std::string& text) {
    const char* start = text.compare(0, 3, "COM") == 0 ? text.c_str() + 3 : text.c_str();
    // A number too long for a port gives none, rather than wrapping round to a small one.
    errno = 0;
    const long number = std::strtol(start, nullptr, 10);
    if (errno == ERANGE || number < INT32_MIN || number > INT32_MAX) return 0;
    return static_cast<int32_t>(number);
}

int32_t PortNumberOf(const datPortInfo& port) {
    if (port.portName.compare(0, 3, "COM") == 0 && port.portName.size() > 3)
        return ParsePortNumber(port.portName);
    return TablePortOfDevice(port.device);
}

void ListRegistryPorts(const cmcPortInfoSource& source, std::vector<std::string>& list) {
    ListNumbers(source, list);
}

void ListDevicePorts(const cmcPortInfoSource& source, std::vector<std::string>& list) {
    ListNumbers(source, list);
}

void ListPortDescriptions(const cmcPortInfoSource& source, const std::vector<std::string>& numbers,
                          std::vector<std::string>& list) {
    std::set<int32_t> wanted;
    for (const std::string& number : numbers)
        wanted.insert(static_cast<int32_t>(std::atol(number.c_str())));
    std::vector<NamedPort> ports = AllPorts(source);
    std::stable_sort(ports.begin(), ports.end(),
                     [](const NamedPort& a, const NamedPort& b) { return a.number < b.number; });
    list.clear();
    for (const NamedPort& port : ports) {
        if (port.name.empty() || wanted.count(port.number) == 0) continue;
        list.push_back(
            StringPrintf("%d: %s (%s)", port.number, port.name.c_str(), port.device.c_str()));
    }
}
