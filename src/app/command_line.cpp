#include "app/command_line.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kSwitches[] = {"tamblor", "convert"};

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The switch an argument names in either form ("/name" or "--name"), "" for none.
std::string SwitchOf(const std::string& argument) {
    const std::string lowered = Lowered(argument);
    for (const char* name : kSwitches) {
        if (lowered == std::string("/") + name || lowered == std::string("--") + name) {
            return name;
        }
    }
    return {};
}

}  // namespace

datWindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments) {
    datWindowCommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (i == 0) {
            line.setupArguments.push_back(argument);
            continue;
        }
        const std::string name = SwitchOf(argument);
        if (!name.empty() && argument[0] == '-') {
            line.setupArguments.push_back("/" + name);
        } else if (!name.empty()) {
            line.setupArguments.push_back(argument);
        } else if (line.file.empty() && !argument.empty()) {
            line.file = argument;
        }
    }
    return line;
}
