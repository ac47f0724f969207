#include <cstdio>
#include <string>
#include <vector>

#include "app/file_fault_text.h"
#include "cell_editor.h"
#include "cli_commands.h"
#include "cli_engine_host.h"
#include "cli_program.h"
#include "exit_status.h"
#include "overlay/cell_registry.h"
#include "page_cells.h"
#include "platform/regular_file.h"
#include "sheet_text_format.h"
#include "terminal_text.h"

namespace {

// Where a report points: the page, the row and column as counted in the CSV from 1, and the
// cell's label.
std::string CellName(const std::string& key, int32_t col, int32_t row, const cmcCellObj& cell) {
    std::string name =
        key + " row " + std::to_string(row + 1) + " column " + std::to_string(col + 1);
    if (cell.GetLabel() == CL_None) return name;
    return name + " (" + std::string(LabelName(cell.GetLabel())) + "[" +
           std::to_string(cell.GetIndex()) + "])";
}

}  // namespace

int RunImport(const clsCliCommand& command, const datParsedArguments& arguments) {
    const std::string& path = arguments.operands[0];
    const std::string& csvPath = arguments.operands[1];
    const std::string out = arguments.Has("output") ? arguments.Value("output") : path;
    cuiCliProgram program({});
    std::string csvText;
    datFileFault fault;
    if (ReadRegularFile(csvPath, kMaxReadFileSize, csvText, fault) != FileReadResult::kOk)
        return UsageError(&command, FileFaultText(program.GTex(), csvPath, fault));
    std::vector<datSheetTexts> sheets;
    std::string error;
    if (!SheetsFromCsv(csvText, sheets, error)) return UsageError(&command, csvPath + ": " + error);
    if (sheets.empty()) return UsageError(&command, csvPath + ": names no page (#SHEET_KEY)");

    std::string text;
    if (const int code = program.OpenQuietly(path, text); code != 0) {
        ReportError(command, path + ": " + text);
        return code;
    }
    cuiPageCells cells(program, true);
    std::vector<size_t> pages;
    for (const datSheetTexts& sheet : sheets) {
        const std::optional<size_t> page = cells.FindPage(sheet.key);
        if (!page) return UsageError(&command, csvPath + ": no page '" + sheet.key + "'");
        if (cells.Pages()[*page].makerOnly && !arguments.Has("maker")) {
            return UsageError(&command, csvPath + ": " + sheet.key +
                                            " is a maker-only page; --maker allows changing it");
        }
        pages.push_back(*page);
    }

    cuiCliEngineHost host(program.Main());
    int status = clsExitStatus::kOk;
    const auto report = [&](const std::string& message) {
        ReportError(command, message);
        status = clsExitStatus::kNotApplied;
    };
    for (size_t s = 0; s < sheets.size(); ++s) {
        cuiSheetListing& listing = cells.Listing(pages[s]);
        const std::string& key = sheets[s].key;
        const auto& rows = sheets[s].rows;
        if (static_cast<int32_t>(rows.size()) > listing.RowCount())
            report(key + ": rows from " + std::to_string(listing.RowCount() + 1) +
                   " on lie beyond the page");
        for (int32_t row = listing.Sheet().FixedRows();
             row < std::min<int32_t>(listing.RowCount(), static_cast<int32_t>(rows.size()));
             ++row) {
            const std::vector<std::string>& fields = rows[static_cast<size_t>(row)];
            for (int32_t col = 0;
                 col < std::min<int32_t>(listing.ColCount(), static_cast<int32_t>(fields.size()));
                 ++col) {
                const std::string& wanted = fields[static_cast<size_t>(col)];
                const std::string shown = listing.Text(col, row);
                if (wanted == shown) continue;
                const cmcCellObj& cell = listing.Cell(col, row);
                const std::string name = CellName(key, col, row, cell);
                if (!cell.IsSelectable() || cell.GetLabel() == CL_None) {
                    report(name + " cannot be changed; it shows '" + Utf8FromLatin1(shown) + "'");
                    continue;
                }
                std::string problem;
                const clsCellEdit edit = EditCell(listing, col, row, wanted, host, problem);
                const std::string now = listing.Text(col, row);
                if (edit == clsCellEdit::kUnknownChoice) {
                    report(name + ": no choice '" + Utf8FromLatin1(wanted) + "'; " +
                           Utf8FromLatin1(problem));
                } else if (edit == clsCellEdit::kNotEditable) {
                    report(name + " cannot be changed; it shows '" + Utf8FromLatin1(now) + "'");
                } else if (now != wanted) {
                    report(name + " was given '" + Utf8FromLatin1(wanted) + "' and shows '" +
                           Utf8FromLatin1(now) + "'");
                }
            }
        }
    }
    if (!program.Main().SavePath(out)) {
        const int code = static_cast<int>(program.Main().LastFileError());
        return code != 0 ? code : clsExitStatus::kProgramFiles;
    }
    return status;
}
