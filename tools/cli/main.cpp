#include <cerrno>
#include <cstdio>
#include <cstring>
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
    std::fprintf(
        out,
        "\n"
        "Options:\n"
        "  -h, --help  show this help, or with a command that command's help\n"
        "\n"
        "Usage errors exit with status %d, a failed write of the standard output with %d.\n",
        clsExitStatus::kUsage, clsExitStatus::kOutputFailed);
}

void PrintCommandHelp(const clsCliCommand& command) {
    std::printf("Usage: %s %s%s %s\n\n%s\n%s", kProgramName, command.name,
                command.options.empty() ? "" : " [OPTIONS]", command.operands, command.summary,
                command.details);
    std::printf(
        "A wrong command line exits with %d, a failed write of the standard output\n"
        "(a full disk, a closed pipe) with %d.\n",
        clsExitStatus::kUsage, clsExitStatus::kOutputFailed);
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

// A command's result reached the user only if the standard output took every byte: a full disk
// or a closed pipe must not pass for success.
int CheckedOutput(int status) {
    errno = 0;
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    const int error = errno;
    if (std::fclose(stdout) != 0 || failed) {
        const int cause = failed ? error : errno;
        // A failure of an earlier buffered write leaves no error number behind.
        std::fprintf(stderr, "%s: cannot write the standard output%s%s\n", kProgramName,
                     cause != 0 ? ": " : "", cause != 0 ? std::strerror(cause) : "");
        return clsExitStatus::kOutputFailed;
    }
    return status;
}

int RunProgram(int argc, char** argv) {
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

int main(int argc, char** argv) {
    return CheckedOutput(RunProgram(argc, argv));
}
