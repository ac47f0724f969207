#include "argument_parser.h"

#include <string_view>

namespace {

const clsOptionSpec* FindLong(std::span<const clsOptionSpec> specs, std::string_view name,
                              bool& ambiguous) {
    const clsOptionSpec* found = nullptr;
    ambiguous = false;
    for (const clsOptionSpec& spec : specs) {
        const std::string_view candidate = spec.name;
        if (candidate == name) return &spec;
        if (candidate.substr(0, name.size()) == name) {
            if (found) ambiguous = true;
            found = &spec;
        }
    }
    return ambiguous ? nullptr : found;
}

const clsOptionSpec* FindShort(std::span<const clsOptionSpec> specs, char name) {
    for (const clsOptionSpec& spec : specs)
        if (spec.shortName != 0 && spec.shortName == name) return &spec;
    return nullptr;
}

}  // namespace

std::string datParsedArguments::Value(const std::string& name) const {
    const auto it = options.find(name);
    return it == options.end() ? std::string() : it->second;
}

bool ParseArguments(const std::vector<std::string>& arguments, std::span<const clsOptionSpec> specs,
                    datParsedArguments& parsed, std::string& error) {
    bool onlyOperands = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyOperands || argument.size() < 2 || argument[0] != '-') {
            parsed.operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyOperands = true;
            continue;
        }
        if (argument[1] == '-') {
            const size_t equals = argument.find('=');
            const std::string name =
                argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            bool ambiguous = false;
            const clsOptionSpec* spec = FindLong(specs, name, ambiguous);
            if (!spec) {
                error = (ambiguous ? "ambiguous option '--" : "unknown option '--") + name + "'";
                return false;
            }
            if (!spec->takesValue) {
                if (equals != std::string::npos) {
                    error = std::string("option '--") + spec->name + "' takes no value";
                    return false;
                }
                parsed.options[spec->name] = "";
            } else if (equals != std::string::npos) {
                parsed.options[spec->name] = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                parsed.options[spec->name] = arguments[++i];
            } else {
                error = std::string("option '--") + spec->name + "' needs a value";
                return false;
            }
            continue;
        }
        for (size_t k = 1; k < argument.size(); ++k) {
            const clsOptionSpec* spec = FindShort(specs, argument[k]);
            if (!spec) {
                error = std::string("unknown option '-") + argument[k] + "'";
                return false;
            }
            if (!spec->takesValue) {
                parsed.options[spec->name] = "";
                continue;
            }
            if (k + 1 < argument.size()) {
                parsed.options[spec->name] = argument.substr(k + 1);
            } else if (i + 1 < arguments.size()) {
                parsed.options[spec->name] = arguments[++i];
            } else {
                error = std::string("option '-") + argument[k] + "' needs a value";
                return false;
            }
            break;
        }
    }
    return true;
}
