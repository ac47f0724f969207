#include "cli_commands.h"

#include <array>

namespace {

constexpr std::array kSheetsOptions{
    clsOptionSpec{"maker", 0, false},
};

constexpr clsCliCommand kCommands[] = {
    {"check",
     "FILE...",
     "check clone files as the Open command does",
     "\n"
     "Opens each clone file with every check of the Open command (header, map revision, records,\n"
     "coverage of the radio's memory, the image's layout) and prints 'FILE: ok' or 'FILE: ' and\n"
     "the error text.\n"
     "\n"
     "Exit status: 0 when every file is sound, else the file error code (1-9) of the first file\n"
     "that fails.\n",
     {},
     1,
     clsCliCommand::kAnyCount,
     RunCheck},
    {"sheets", "", "list the sheet keys of the page tree with their titles",
     "\n"
     "Prints one line per page of the main window's tree: the sheet key (for export --sheet)\n"
     "and the page's title.\n"
     "\n"
     "Options:\n"
     "      --maker  include the maker-only pages\n",
     kSheetsOptions, 0, 0, RunSheets},
};

}  // namespace

std::span<const clsCliCommand> CliCommands() {
    return kCommands;
}
