#include <algorithm>
#include <cstdio>

#include "app/tree_pages.h"
#include "cli_commands.h"
#include "exit_status.h"
#include "overlay/gtex.h"
#include "program_folder.h"

int RunSheets(const clsCliCommand& command, const datParsedArguments& arguments) {
    cmcGTex store;
    const std::string overlay = (ProgramFolder() / kOverlayFileName).string();
    if (!store.SetSourceFile(overlay)) {
        ReportError(command, "Cannot open '" + overlay + "'.");
        return clsExitStatus::kProgramFiles;
    }
    SetMainGTex(&store);
    const bool maker = arguments.Has("maker");
    std::vector<datTreePage> pages = ReadTreePages(store);
    std::erase_if(pages, [maker](const datTreePage& page) { return page.makerOnly && !maker; });
    size_t width = 0;
    for (const datTreePage& page : pages)
        width = std::max(width, page.sheetKey.size());
    for (const datTreePage& page : pages)
        std::printf("%-*s  %s\n", static_cast<int>(width), page.sheetKey.c_str(),
                    page.caption.c_str());
    SetMainGTex(nullptr);
    return clsExitStatus::kOk;
}
