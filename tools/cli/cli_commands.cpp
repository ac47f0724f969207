#include "cli_commands.h"

#include <array>

namespace {

constexpr std::array kLineOptions{
    clsOptionSpec{"port", 'p', true},
    clsOptionSpec{"device", 'd', true},
    clsOptionSpec{"high-speed", 'H', false},
    clsOptionSpec{"yes", 'y', false},
};

#define KTV_LINE_OPTIONS_HELP                                                               \
    "  -p, --port=N        the radio's line by the program's port number (as in the GUI)\n" \
    "  -d, --device=PATH   the radio's line by its device, e.g. /dev/ttyUSB0\n"             \
    "  -H, --high-speed    move the data at 38400 baud (the exchange of model\n"            \
    "                      information always runs at 9600)\n"                              \
    "  -y, --yes           answer every question with yes\n"

#define KTV_CLONE_EXIT_HELP                                                                    \
    "the clone result code: 2 the port cannot be opened, 4 echo, 5 time-out, 6 malformed\n"    \
    "frame or the radio forbids reading, 7 frame count, 8 missing data, 9 address, 10 write\n" \
    "not accepted, 11 not this model, 13 the radio's model type does not fit, 14 info\n"       \
    "layout, 15 foreign image, 16 newer memory map, 17 write failure on the port"

constexpr std::array kReadOptions{
    clsOptionSpec{"port", 'p', true},        clsOptionSpec{"device", 'd', true},
    clsOptionSpec{"high-speed", 'H', false}, clsOptionSpec{"yes", 'y', false},
    clsOptionSpec{"no-backup", 0, false},
};

constexpr std::array kWriteOptions{
    clsOptionSpec{"port", 'p', true},        clsOptionSpec{"device", 'd', true},
    clsOptionSpec{"high-speed", 'H', false}, clsOptionSpec{"yes", 'y', false},
    clsOptionSpec{"no-backup", 0, false},    clsOptionSpec{"review", 'r', false},
    clsOptionSpec{"verify", 0, false},       clsOptionSpec{"no-verify", 0, false},
};

#define KTV_BACKUP_HELP                                                                     \
    "      --no-backup     keep no automatic backup of the radio's memory (by default it\n" \
    "                      is saved in $XDG_DATA_HOME/ktv818x/backups, see 'backups')\n"

#define KTV_CANCEL_HELP                                                                     \
    "Ctrl-C or SIGTERM stops the clone at the next frame boundary, closes the port and\n"   \
    "exits with 130; a radio whose write was stopped holds a partly written memory until\n" \
    "it is written again.\n"

constexpr std::array kBackupsOptions{
    clsOptionSpec{"list", 'l', false},
    clsOptionSpec{"prune", 0, false},
};

constexpr std::array kOutputOptions{
    clsOptionSpec{"output", 'o', true},
    clsOptionSpec{"maker", 0, false},
};

constexpr std::array kExportOptions{
    clsOptionSpec{"sheet", 's', true},
    clsOptionSpec{"format", 'f', true},
    clsOptionSpec{"maker", 0, false},
};

constexpr std::array kPrintOptions{
    clsOptionSpec{"pdf", 0, true},
    clsOptionSpec{"sheet", 's', true},
    clsOptionSpec{"maker", 0, false},
};

constexpr std::array kSheetsOptions{
    clsOptionSpec{"maker", 0, false},
};

constexpr clsCliCommand kCommands[] = {
    {"info", "", "show the radio's model information",
     "\n"
     "Asks the radio for its model, firmware revision and comment, as the GUI's clone\n"
     "information command does, and prints them.\n"
     "\n"
     "Options:\n" KTV_LINE_OPTIONS_HELP "\n"
     "Exit status: 0, or " KTV_CLONE_EXIT_HELP ".\n",
     kLineOptions, 0, 0, RunInfo},
    {"read", "OUT", "read the radio into a clone file",
     "\n"
     "Reads the radio's memory (clone read) and saves it to OUT as the GUI's Save does. An\n"
     "existing OUT is replaced only after asking (or with --yes). A progress bar is shown on\n"
     "standard error when it is a terminal. The memory received is first kept as a "
     "backup.\n" KTV_CANCEL_HELP "\n"
     "Options:\n" KTV_LINE_OPTIONS_HELP KTV_BACKUP_HELP "\n"
     "Exit status: 0, " KTV_CLONE_EXIT_HELP ", 21 when OUT exists and\n"
     "was not to be replaced, 73 when OUT cannot be written (checked before the radio is\n"
     "read, and again when the image has come), 130 when interrupted.\n",
     kReadOptions, 1, 1, RunRead},
    {"write", "IN", "write a clone file into the radio",
     "\n"
     "Opens IN as the Open command does and writes it into the radio (clone write) after the\n"
     "same checks as the GUI: the data check, then the confirmation, which is asked on the\n"
     "terminal unless --yes is given. A progress bar is shown on standard error when it is a\n"
     "terminal. The memory to be written is first kept as a backup; when that fails nothing\n"
     "is written. After the radio accepts the data it is read back and compared.\n" KTV_CANCEL_HELP
     "\n"
     "Options:\n" KTV_LINE_OPTIONS_HELP KTV_BACKUP_HELP
     "  -r, --review        read the radio first (also kept as a backup) and show on standard\n"
     "                      error every setting the write changes, then ask (or --yes)\n"
     "      --verify        read the radio back after the write and compare (the default)\n"
     "      --no-verify     do not read it back\n"
     "\n"
     "Exit status: 0, " KTV_CLONE_EXIT_HELP ", 19 the backup failed (nothing is sent), 20\n"
     "when the data check finds errors (nothing is sent), 21 when the confirmation or the\n"
     "review is not given, 23 when the radio does not hold what was written, 66 when IN\n"
     "cannot be opened, 130 when interrupted. A read-back that fails is reported, not an\n"
     "error: read the radio again.\n",
     kWriteOptions, 1, 1, RunWrite},
    {"backups", "", "list or prune the automatic backups of radio memories",
     "\n"
     "Lists the backups the clone commands keep (of every memory read from a radio, and of\n"
     "every memory before it is written into one), newest first: time (UTC), model type,\n"
     "the radio's identity, direction and file. The folder is $XDG_DATA_HOME/ktv818x/backups\n"
     "(~/.local/share/ktv818x/backups without it). Any backup opens like a clone file.\n"
     "\n"
     "Options:\n"
     "  -l, --list   list the backups (the default)\n"
     "      --prune  remove the backups beyond the newest 200 or older than 365 days; the\n"
     "               newest backup of each radio always stays\n",
     kBackupsOptions, 0, 0, RunBackups},
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
    {"diff",
     "A B",
     "show how two clone files differ, cell by cell",
     "\n"
     "Prints every page cell whose text differs between A and B as 'page, row, column: text in\n"
     "A \u2192 text in B', then the addresses of differing bytes that no page shows.\n"
     "\n"
     "Exit status: 0 when the files are equal, 1 when they differ, 66 when one cannot be\n"
     "opened.\n",
     {},
     2,
     2,
     RunDiff},
    {"export", "FILE", "print the pages of a clone file as CSV or JSON",
     "\n"
     "Prints every page of the tree (or one) as rows of the texts its cells show, the\n"
     "column captions (the page's fixed rows) first, built by the same sheets as the GUI's.\n"
     "CSV: each page starts with a line '#SHEET_KEY' and ends with an empty line; import\n"
     "reads it back. JSON: an array of {\"sheet\", \"title\", \"header\", \"rows\"}.\n"
     "\n"
     "Options:\n"
     "  -s, --sheet=KEY      only this page (a key of 'sheets', with or without GI_Sheet_)\n"
     "  -f, --format=FORMAT  csv (the default) or json\n"
     "      --maker          include the maker-only pages\n"
     "\n"
     "Exit status: 0, or the file error code (1-9) when FILE cannot be opened.\n",
     kExportOptions, 1, 1, RunExport},
#ifdef KTV_CLI_PRINT
    {"print", "FILE --pdf OUT", "print the pages of a clone file into a PDF",
     "\n"
     "Draws every page of the tree (or one) as the GUI prints it, page frame and all, into\n"
     "a PDF on A4 paper at the default print font size, without a window or a printer.\n"
     "\n"
     "Options:\n"
     "      --pdf=OUT        the PDF to write (replaced only once it is complete)\n"
     "  -s, --sheet=KEY      only this page (a key of 'sheets', with or without GI_Sheet_)\n"
     "      --maker          include the maker-only pages\n"
     "\n"
     "Exit status: 0, the file error code (1-9) when FILE cannot be opened, 22 when no\n"
     "chosen page can be printed, 73 when OUT cannot be written.\n",
     kPrintOptions, 1, 1, RunPrint},
#endif
    {"get",
     "FILE BINDING...",
     "print the display texts of cells",
     "\n"
     "Prints, one line each, the text the page shows in each cell named by a binding: an\n"
     "optional category and '.', a label and an optional index in brackets, as the cell\n"
     "descriptions write them, e.g. CT_IntCh.CL_ChList_No[67], CL_ComConf_UtcOffset or\n"
     "CL_DscCall_Alarm_Min[3]. Without a category the first page cell with the label and index\n"
     "is meant; without an index, index 0.\n"
     "\n"
     "Exit status: 0, the file error code (1-9) when FILE cannot be opened, or 64 when a\n"
     "binding names no cell of any page.\n",
     {},
     2,
     clsCliCommand::kAnyCount,
     RunGet},
    {"set", "FILE BINDING=TEXT...", "change cells as a user would, then save",
     "\n"
     "Gives each cell named by a binding (see 'get --help') a new value through the cell\n"
     "value engine exactly as a user would: TEXT is typed into the cell's editor, or chosen\n"
     "from its selection list by its text ('#n' chooses the raw value n), or typed into its\n"
     "entry dialog (positions). Then saves as the Save command does, to FILE or OUT.\n"
     "A value the engine refuses or clamps is reported with the text the cell now shows.\n"
     "\n"
     "Options:\n"
     "  -o, --output=OUT  save to OUT instead of FILE\n"
     "      --maker       allow changing the cells of the maker-only pages\n"
     "\n"
     "Exit status: 0; 22 when a value was refused or clamped (the rest is saved); the file\n"
     "error code (1-9) when FILE cannot be opened or OUT not written; 64, with nothing saved,\n"
     "when a binding names no cell or a choice has no such entry.\n",
     kOutputOptions, 2, clsCliCommand::kAnyCount, RunSet},
    {"import", "FILE CSV", "change cells to the texts of an exported CSV, then save",
     "\n"
     "Reads CSV in the form export writes (pages begin with '#SHEET_KEY'; any subset of pages\n"
     "and rows may be given) and, for every data cell whose text differs from what FILE's page\n"
     "shows, applies it by set's rules. Then saves as the Save command does, to FILE or OUT.\n"
     "Every cell that could not be applied as given is reported.\n"
     "\n"
     "Options:\n"
     "  -o, --output=OUT  save to OUT instead of FILE\n"
     "      --maker       allow changing the cells of the maker-only pages\n"
     "\n"
     "Exit status: 0; 22 when some cells were not applied as given (the rest is saved); the\n"
     "file error code (1-9) when FILE cannot be opened or OUT not written; 64, with nothing\n"
     "saved, when the CSV cannot be read or names no page.\n",
     kOutputOptions, 2, 2, RunImport},
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
