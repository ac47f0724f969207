#include <cstdio>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "exit_status.h"

// ktv818x-cli: the clone programming operations for scripts and batch work, over the same core as
// the GUI.
namespace {

constexpr clsOptionSpec kHelpOption{"help", 'h', false};

void PrintProgramHelp(std::FILE* out) {
    std::fprintf(out,
                 "Usage: %s COMMAND [OPTIONS] [ARGS...]\n"
                 "\n"
                 "Clone programming for KT-V818X marine VHF radios from the command line.\n"
                 "\n"
                 "Commands:\n",
                 kProgramName);
    for (const clsCliCommand& command : CliCommands())
        std::fprintf(out, "  %-8s %s\n", command.name, command.summary);
    std::fprintf(out,
                 "\n"
                 "Options:\n"
                 "  -h, --help  show this help, or with a command that command's help\n"
                 "\n"
                 "Usage errors exit with status %d.\n",
                 clsExitStatus::kUsage);
}

void PrintCommandHelp(const clsCliCommand& command) {
    std::printf("Usage: %s %s%s %s\n\n%s\n%s", kProgramName, command.name,
                command.options.empty() ? "" : " [OPTIONS]", command.operands, command.summary,
                command.details);
}

const clsCliCommand* FindCommand(const std::string& name) {
    for (const clsCliCommand& command : CliCommands())
        if (name == command.name) return &command;
    return nullptr;
}

int RunCommand(const clsCliCommand& command, const std::vector<std::string>& arguments) {
    std::vector<clsOptionSpec> specs{kHelpOption};
    specs.insert(specs.end(), command.options.begin(), command.options.end());
    datParsedArguments parsed;
    std::string error;
    if (!ParseArguments(arguments, specs, parsed, error)) return UsageError(&command, error);
    if (parsed.Has("help")) {
        PrintCommandHelp(command);
        return clsExitStatus::kOk;
    }
    const size_t count = parsed.operands.size();
    if (count < command.minOperands)
        return UsageError(&command, std::string("missing operand (") + command.operands + ")");
    if (count > command.maxOperands)
        return UsageError(&command, "extra operand '" + parsed.operands[command.maxOperands] + "'");
    return command.run(command, parsed);
}

}  // namespace

int UsageError(const clsCliCommand* command, const std::string& message) {
    if (command) {
        std::fprintf(stderr, "%s %s: %s (try '%s %s --help')\n", kProgramName, command->name,
                     message.c_str(), kProgramName, command->name);
    } else {
        std::fprintf(stderr, "%s: %s (try '%s --help')\n", kProgramName, message.c_str(),
                     kProgramName);
    }
    return clsExitStatus::kUsage;
}

void ReportError(const clsCliCommand& command, const std::string& message) {
    std::fprintf(stderr, "%s %s: %s\n", kProgramName, command.name, message.c_str());
}

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) return UsageError(nullptr, "no command given");
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h") {
        PrintProgramHelp(stdout);
        return clsExitStatus::kOk;
    }
    if (first == "help") {
        if (arguments.size() == 1) {
            PrintProgramHelp(stdout);
            return clsExitStatus::kOk;
        }
        const clsCliCommand* command = FindCommand(arguments[1]);
        if (!command) return UsageError(nullptr, "unknown command '" + arguments[1] + "'");
        PrintCommandHelp(*command);
        return clsExitStatus::kOk;
    }
    if (first.size() > 1 && first[0] == '-')
        return UsageError(nullptr, "unknown option '" + first + "'");
    const clsCliCommand* command = FindCommand(first);
    if (!command) return UsageError(nullptr, "unknown command '" + first + "'");
    return RunCommand(*command, std::vector<std::string>(arguments.begin() + 1, arguments.end()));
}
