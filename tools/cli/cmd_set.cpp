#include <cstdio>
#include <cstdlib>
#include <vector>

#include "cell_editor.h"
#include "cli_commands.h"
#include "cli_engine_host.h"
#include "cli_program.h"
#include "exit_status.h"
#include "page_cells.h"
#include "terminal_text.h"

namespace {

struct datAssignment {
    std::string binding;
    std::string text;
    datCliBinding cell;
    datCellPlace place;
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ReadNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}

// Whether the cell shows what was given: the same text but for blanks around it, or the same
// number in another format ("120" shown as "120.000").
bool ShowsGiven(const std::string& shown, const std::string& given) {
    const std::string a = Trimmed(shown);
    const std::string b = Trimmed(given);
    double x = 0;
    double y = 0;
    return a == b || (ReadNumber(a, x) && ReadNumber(b, y) && x == y);
}

}  // namespace

int RunSet(const clsCliCommand& command, const datParsedArguments& arguments) {
    std::vector<datAssignment> assignments;
    for (size_t i = 1; i < arguments.operands.size(); ++i) {
        const std::string& operand = arguments.operands[i];
        const size_t equals = operand.find('=');
        if (equals == std::string::npos)
            return UsageError(&command, "'" + operand + "' is not BINDING=TEXT");
        datAssignment assignment{
            operand.substr(0, equals), Latin1FromUtf8(operand.substr(equals + 1)), {}, {}};
        std::string error;
        if (!ParseCellBinding(assignment.binding, assignment.cell, error))
            return UsageError(&command, error);
        assignments.push_back(assignment);
    }
    const std::string& path = arguments.operands[0];
    const std::string out = arguments.Has("output") ? arguments.Value("output") : path;

    cuiCliProgram program({});
    std::string text;
    if (const int code = program.OpenQuietly(path, text); code != 0) {
        ReportError(command, path + ": " + text);
        return code;
    }
    cuiPageCells cells(program, true);
    for (datAssignment& assignment : assignments) {
        const std::optional<datCellPlace> place = cells.Find(assignment.cell);
        if (!place)
            return UsageError(&command, "no page shows a cell '" + assignment.binding + "'");
        if (cells.Pages()[place->page].makerOnly && !arguments.Has("maker")) {
            return UsageError(&command, assignment.binding + " lies on the maker-only page " +
                                            cells.Pages()[place->page].sheetKey +
                                            "; --maker allows changing it");
        }
        assignment.place = *place;
    }

    cuiCliEngineHost host(program.Main());
    int status = clsExitStatus::kOk;
    for (const datAssignment& assignment : assignments) {
        cuiSheetListing& listing = cells.Listing(assignment.place.page);
        std::string problem;
        const clsCellEdit edit = EditCell(listing, assignment.place.col, assignment.place.row,
                                          assignment.text, host, problem);
        if (edit == clsCellEdit::kUnknownChoice) {
            return UsageError(&command, "no choice '" + Utf8FromLatin1(assignment.text) + "' for " +
                                            assignment.binding + ": " + Utf8FromLatin1(problem));
        }
        if (edit == clsCellEdit::kMalformedValue) {
            return UsageError(&command, "'" + Utf8FromLatin1(assignment.text) + "' for " +
                                            assignment.binding +
                                            ": '#' takes a whole number of 32 bits");
        }
        const std::string shown = listing.Text(assignment.place.col, assignment.place.row);
        const std::string edited =
            EditText(listing, assignment.place.col, assignment.place.row, host);
        if (edit == clsCellEdit::kRefused) {
            ReportError(command, assignment.binding + " refuses '" +
                                     Utf8FromLatin1(assignment.text) + "'; it shows '" +
                                     Utf8FromLatin1(shown) + "'");
            status = clsExitStatus::kNotApplied;
        } else if (edit == clsCellEdit::kNotEditable) {
            ReportError(command, assignment.binding + " cannot be changed; it shows '" +
                                     Utf8FromLatin1(shown) + "'");
            status = clsExitStatus::kNotApplied;
        } else if (!ShowsGiven(shown, assignment.text) &&
                   edited != EntrySendText(assignment.text) &&
                   edit != clsCellEdit::kChosenByValue) {
            const std::string also =
                edited != shown ? " (edited as '" + Utf8FromLatin1(edited) + "')" : "";
            ReportError(command,
                        assignment.binding + " now shows '" + Utf8FromLatin1(shown) + "'" + also);
            status = clsExitStatus::kNotApplied;
        }
    }
    if (!program.Main().SavePath(out)) {
        const int code = static_cast<int>(program.Main().LastFileError());
        return code != 0 ? code : clsExitStatus::kProgramFiles;
    }
    return status;
}
