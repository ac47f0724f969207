#include <cstdio>
#include <vector>

#include "cli_commands.h"
#include "cli_program.h"
#include "exit_status.h"
#include "page_cells.h"
#include "terminal_text.h"

int RunGet(const clsCliCommand& command, const datParsedArguments& arguments) {
    std::vector<datCliBinding> bindings;
    for (size_t i = 1; i < arguments.operands.size(); ++i) {
        datCliBinding binding;
        std::string error;
        if (!ParseCellBinding(arguments.operands[i], binding, error))
            return UsageError(&command, error);
        bindings.push_back(binding);
    }
    cuiCliProgram program({});
    std::string text;
    if (const int code = program.OpenQuietly(arguments.operands[0], text); code != 0) {
        ReportError(command, arguments.operands[0] + ": " + text);
        return code;
    }
    cuiPageCells cells(program, true);
    std::vector<datCellPlace> places;
    for (size_t i = 0; i < bindings.size(); ++i) {
        const std::optional<datCellPlace> place = cells.Find(bindings[i]);
        if (!place)
            return UsageError(&command, "no page shows a cell '" + arguments.operands[i + 1] + "'");
        places.push_back(*place);
    }
    for (const datCellPlace& place : places)
        std::printf("%s\n",
                    Utf8FromLatin1(cells.Listing(place.page).Text(place.col, place.row)).c_str());
    return clsExitStatus::kOk;
}
