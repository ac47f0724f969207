#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "argument_parser.h"

// One command of the command-line program: its name, what it takes, its help and what runs it.
struct clsCliCommand {
    static constexpr size_t kAnyCount = static_cast<size_t>(-1);

    const char* name;
    const char* operands;  // the operands as the usage line shows them
    const char* summary;   // one line for the program's help
    const char* details;   // the rest of the command's help: what it does, its options, its exits
    std::span<const clsOptionSpec> options;
    size_t minOperands;
    size_t maxOperands;
    int (*run)(const clsCliCommand& command, const datParsedArguments& arguments);
};

// Every command, in the order the help lists them.
std::span<const clsCliCommand> CliCommands();

// The program's name in messages.
constexpr char kProgramName[] = "ktv818x-cli";

// Reports a wrong command line in one line with a hint where to look, and returns the usage exit.
int UsageError(const clsCliCommand* command, const std::string& message);
// Reports a failure of a command in one line on standard error.
void ReportError(const clsCliCommand& command, const std::string& message);

// The commands' entry points, one file each.
int RunCheck(const clsCliCommand& command, const datParsedArguments& arguments);
int RunInfo(const clsCliCommand& command, const datParsedArguments& arguments);
int RunRead(const clsCliCommand& command, const datParsedArguments& arguments);
int RunWrite(const clsCliCommand& command, const datParsedArguments& arguments);
int RunBackups(const clsCliCommand& command, const datParsedArguments& arguments);
int RunExport(const clsCliCommand& command, const datParsedArguments& arguments);
int RunImport(const clsCliCommand& command, const datParsedArguments& arguments);
int RunDiff(const clsCliCommand& command, const datParsedArguments& arguments);
int RunGet(const clsCliCommand& command, const datParsedArguments& arguments);
int RunSet(const clsCliCommand& command, const datParsedArguments& arguments);
int RunPrint(const clsCliCommand& command, const datParsedArguments& arguments);
int RunSheets(const clsCliCommand& command, const datParsedArguments& arguments);
