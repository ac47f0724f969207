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
    std::string name;  // description, or manufacturer
    std::string device;
};

std::vector<NamedPort> AllPorts(const cmcPortInfoSource& source) {
    std::vector<NamedPort> ports;
    for (const datPortInfo& port : source.AvailablePorts()) {
        const int32_t number = PortNumberOf(port);
        if (number < 1 || number > 256) continue;
        const std::string& name = port.description.empty() ? port.manufacturer : port.description;
        // A Windows port is known by its COM name, the others by their device path.
        const bool named = port.portName.compare(0, 3, "COM") == 0 || port.device.empty();
        ports.push_back({number, name, named ? port.portName : port.device});
    }
    for (const datVirtualPort& port : ListVirtualPorts())
        ports.push_back({port.port, port.description, port.device});
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
