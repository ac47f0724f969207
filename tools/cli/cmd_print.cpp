#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/settings.h"
#include "cli_commands.h"
#include "cli_program.h"
#include "exit_status.h"
#include "model/engine_host.h"
#include "page_cells.h"
#include "print/qt/pdf_output.h"

// The one command that needs Qt: it draws the printed pages into a PDF without a window.
namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

}  // namespace

int RunPrint(const clsCliCommand& command, const datParsedArguments& arguments) {
    if (!arguments.Has("pdf")) return UsageError(&command, "--pdf OUT is required");
    const std::string out = arguments.Value("pdf");
    const std::string& file = arguments.operands[0];
    if (SameFile(out, file)) return UsageError(&command, "--pdf must not name the clone file");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "ktv818x-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    cuiCliProgram program({});
    cuiPageCells cells(program, arguments.Has("maker"));
    std::vector<std::string> sheets;
    if (arguments.Has("sheet")) {
        const std::optional<size_t> page = cells.FindPage(arguments.Value("sheet"));
        if (!page)
            return UsageError(&command, "no page '" + arguments.Value("sheet") + "' (see sheets)");
        sheets.push_back(cells.Pages()[*page].sheetKey);
    } else {
        for (const datTreePage& page : cells.Pages())
            sheets.push_back(page.sheetKey);
    }
    std::string text;
    if (const int code = program.OpenQuietly(file, text); code != 0) {
        ReportError(command, file + ": " + text);
        return code;
    }
    int32_t pages = 0;
    switch (WriteSheetsPdf(out, sheets, program.GTex(), RadioSheetState(EngineHost()),
                           datSettings().fontSizePrinter, &pages)) {
        case PdfResult::Written:
            std::printf("%s: %d pages\n", out.c_str(), pages);
            return clsExitStatus::kOk;
        case PdfResult::NoPages:
            ReportError(command, "nothing to print: the pages chosen cannot be printed");
            return clsExitStatus::kNotApplied;
        case PdfResult::WriteFailed:
            break;
    }
    ReportError(command, "cannot write '" + out + "'");
    return clsExitStatus::kCannotSave;
}
