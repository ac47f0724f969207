#include <cstdio>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "cli_program.h"
#include "exit_status.h"
#include "page_cells.h"
#include "sheet_text_format.h"
#include "terminal_text.h"

int RunExport(const clsCliCommand& command, const datParsedArguments& arguments) {
    const std::string format = arguments.Has("format") ? arguments.Value("format") : "csv";
    if (format != "csv" && format != "json")
        return UsageError(&command, "--format is csv or json, not '" + format + "'");
    cuiCliProgram program({});
    cuiPageCells cells(program, arguments.Has("maker"));
    std::vector<size_t> pages;
    if (arguments.Has("sheet")) {
        const std::optional<size_t> page = cells.FindPage(arguments.Value("sheet"));
        if (!page)
            return UsageError(&command, "no page '" + arguments.Value("sheet") + "' (see sheets)");
        pages.push_back(*page);
    } else {
        for (size_t page = 0; page < cells.Pages().size(); ++page)
            pages.push_back(page);
    }
    std::string text;
    if (const int code = program.OpenQuietly(arguments.operands[0], text); code != 0) {
        ReportError(command, arguments.operands[0] + ": " + text);
        return code;
    }
    std::vector<datSheetTexts> sheets;
    for (const size_t page : pages) {
        cuiSheetListing& listing = cells.Listing(page);
        sheets.push_back({cells.Pages()[page].sheetKey, cells.Pages()[page].caption,
                          listing.Sheet().FixedRows(), listing.Texts()});
    }
    const std::string out = format == "csv" ? SheetsAsCsv(sheets) : SheetsAsJson(sheets);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return clsExitStatus::kOk;
}
