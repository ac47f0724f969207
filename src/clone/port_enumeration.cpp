#include "clone/port_enumeration.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "platform/port_names.h"
#include "platform/serial_line.h"
#include "platform/string_format.h"
#include "platform/whole_number.h"

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
    std::string_view rest = text;
    if (rest.substr(0, 3) == "COM") rest.remove_prefix(3);
    const size_t first = rest.find_first_not_of(" \t");
    if (first == std::string_view::npos) return 0;
    rest.remove_prefix(first);
    // Only the digits count; a number too large for any port is none, never a wrapped one.
    const size_t digits = std::min(rest.find_first_not_of("0123456789"), rest.size());
    return ParseWholeNumber<int32_t>(rest.substr(0, digits)).value_or(0);
}

std::optional<int32_t> ParsePortOperand(const std::string& text) {
    std::string_view number = text;
    if (number.substr(0, 3) == "COM") number.remove_prefix(3);
    const std::optional<int32_t> port = ParseWholeNumber<int32_t>(number);
    if (!port || *port < kFirstPort || *port > kLastPort) return std::nullopt;
    return port;
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
        wanted.insert(ParsePortNumber(number));
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
