#include "cli_commands.h"

#include <array>

namespace {

constexpr std::array kSheetsOptions{
    clsOptionSpec{"maker", 0, false},
};

constexpr clsCliCommand kCommands[] = {
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
