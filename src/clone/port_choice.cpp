#include "clone/port_choice.h"

#include <cstdlib>

#include "clone/port_enumeration.h"

namespace {

constexpr const char* kSpaces = " \t\r\n";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

std::optional<int32_t> InRange(long number) {
    if (number < kFirstPort || number > kLastPort) return std::nullopt;
    return static_cast<int32_t>(number);
}

}  // namespace

std::optional<int32_t> AcceptTypedPort(const std::string& text) {
    // A number too long for a long reads as the largest one, which is out of range.
    return InRange(std::strtol(Trimmed(text).c_str(), nullptr, 10));
}

std::optional<int32_t> AcceptChosenPort(const std::string& text) {
    return InRange(ParsePortNumber(text));
}

datPortListRefill RefillPortList(const cmcPortInfoSource& source, bool descriptions,
                                 const std::vector<std::string>& shown, int32_t remembered) {
    datPortListRefill refill;
    if (descriptions) {
        std::vector<std::string> numbers;
        ListDevicePorts(source, numbers);
        ListPortDescriptions(source, numbers, refill.items);
    } else {
        ListRegistryPorts(source, refill.items);
    }
    refill.replaced = refill.items != shown;
    for (size_t i = 0; i < refill.items.size(); ++i) {
        if (ParsePortNumber(refill.items[i]) == remembered) {
            refill.selected = static_cast<int32_t>(i);
            break;
        }
    }
    return refill;
}
