#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

// One option a command takes: "--name" and, when shortName is not 0, "-x". An option with a value
// is written "--name=VALUE", "--name VALUE", "-xVALUE" or "-x VALUE"; one without is a switch,
// and switches may be bundled ("-yf").
struct clsOptionSpec {
    const char* name;
    char shortName;
    bool takesValue;
};

// A command line after parsing: the options by long name (a switch holds "", an option given
// twice keeps its last value) and the operands in their order.
struct datParsedArguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> operands;

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Value(const std::string& name) const;
};

// Parses arguments in the GNU manner: options and operands may be mixed, "--" makes everything
// after it an operand, a lone "-" is an operand, and a long option may be shortened to any prefix
// that names only one option. On a fault returns false with a one-line description in error.
bool ParseArguments(const std::vector<std::string>& arguments, std::span<const clsOptionSpec> specs,
                    datParsedArguments& parsed, std::string& error);
